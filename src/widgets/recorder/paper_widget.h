#pragma once

#include "widgets/recorder/paper_image.h"

#include <QFont>
#include <QWidget>

// The paper the practicals draw on (`PicMain`): a widget as wide as the
// recording, moved inside the viewport that clips it. It repaints only what
// the viewport shows, from the paper image in memory, so covering, scrolling
// or hiding the window loses nothing.
//
// Child widgets (the ileum's ruler) lie on the paper without being part of
// the recording: they are neither printed nor wiped.
class PaperWidget final : public QWidget
{
    Q_OBJECT

public:
    PaperWidget(const QSize &size, const QColor &paperColour, const QColor &inkColour, QWidget *viewport);

    // The font the practicals' labels use unless they name another.
    static QFont labelFont();

    const PaperImage &image() const { return m_image; }

    // Places the paper in the viewport and gives it its width (pixels).
    void setPaperGeometry(int left, int width);

    void drawLine(const QPoint &from, const QPoint &to);
    // See PaperImage::drawArc for the angles, the radius and the aspect.
    void drawArc(const QPoint &centre, double radius, double aspect, double startRadians, double endRadians);
    void drawText(const QPoint &topLeft, const QString &text, const QFont &font = labelFont());
    void wipe();

    QColor inkColour() const { return m_image.inkColour(); }
    void setInkColour(const QColor &colour) { m_image.setInkColour(colour); }
    QPoint pen() const { return m_image.pen(); }
    void setPen(const QPoint &pen) { m_image.setPen(pen); }

signals:
    // A drag moves over the paper (only once drops are accepted); x is the
    // pointer's x on the paper, in pixels.
    void dragMovedOver(int x);

protected:
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;

private:
    // The paper keeps a copy at the resolution of the screen it is on.
    void showAtScreenResolution();

    PaperImage m_image;
};
