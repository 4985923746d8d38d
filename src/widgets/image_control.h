#pragma once

#include <QPixmap>
#include <QWidget>

class QSvgRenderer;

// A picture drawn from one of our SVG files, scaled to the control. A picture
// with a tooltip is named by it for screen readers. Clicks are reported.
//
// The drawing is kept as a pixmap at the control's size and the screen's
// pixel ratio, and drawn again from the SVG only when either changes: the
// heart window repaints its pictures many times a second.
class ImageControl final : public QWidget
{
    Q_OBJECT

public:
    ImageControl(const QString &name, const QString &pictureFile, QWidget *parent);

    void setToolTipText(const QString &tip);
    bool pictureLoaded() const;

signals:
    // Any button pressed on the picture.
    void pressed();
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    const QPixmap &rendered();

    QSvgRenderer *m_renderer;
    QPixmap m_rendered;
};
