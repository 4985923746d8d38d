#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <functional>

class QMimeData;
class QWidget;

// A picture carried from one control to another with the mouse (a seed to
// the oesophagus, a dropper to an eye). The drag carries a type of the
// program's own, so only these drags are taken: a file dragged in from the
// desktop is not a seed.
namespace PictureDrag {

QString mimeType();
// What an own drag carries ("seed"); empty for any other drag.
QString carried(const QMimeData *data);

// The drag icon from a file beside the program, loaded once per file. When
// the file is missing or unreadable, `fallback` draws the icon instead.
QPixmap icon(const QString &fileName, const std::function<QPixmap()> &fallback);

// Starts dragging `what` from the source with the icon under the pointer.
void start(QWidget *source, const QString &what, const QPixmap &icon);

// Tests take the drag instead of the platform's drag loop; an empty starter
// puts the platform's back.
using Starter = std::function<void(QWidget *source, const QString &what, const QPixmap &icon)>;
void setStarter(Starter starter);

} // namespace PictureDrag

// Takes the drags of one carried picture onto a surface and reports where
// they are dropped, in the surface's pixels. Every other drag is refused.
class PictureDropTarget final : public QObject
{
    Q_OBJECT

public:
    PictureDropTarget(QWidget *surface, const QString &what);

signals:
    void dropped(const QPoint &position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_what;
};
