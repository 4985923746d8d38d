#pragma once

#include "widgets/recorder/screen_paper.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include <optional>

class QFont;
class QPainter;

// The recording itself: the paper's drawing kept in memory, in pixels with the
// origin at the paper's top-left corner and y growing downwards.
//
// The paper is stored as tiles TileWidth pixels wide, allocated as the paper
// grows, so growing never copies what is already drawn and a stroke touches
// only the tiles it crosses. Drawing is clipped to the paper's current width:
// what falls beyond its right-hand end is lost, as on a real strip.
//
// The pen is the drawing position the practicals read back: a line leaves it
// at its end point, an arc at its centre, a text just after its last
// character on the same line; a wipe puts it at the top-left corner.
//
// On a screen with more device pixels than paper pixels the paper also keeps
// its drawing at the screen's resolution (ScreenPaper), drawn by the same
// commands and shown in place of these pixels; printing and reading the
// recording's pixels use these.
class PaperImage
{
public:
    static constexpr int TileWidth = 512;
    // Point sizes of the paper's fonts are those of the screen the layouts
    // were made for: 96 dots per inch.
    static constexpr int DotsPerMeter = 3780;

    PaperImage(int width, int height, const QColor &paperColour, const QColor &inkColour);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Grows the paper (the new columns are blank) or cuts it back.
    void setWidth(int width);
    // Clears the whole paper to its colour; the pen goes to the top-left corner.
    void wipe();

    QColor paperColour() const { return m_paperColour; }
    QColor inkColour() const { return m_inkColour; }
    void setInkColour(const QColor &colour) { m_inkColour = colour; }
    QPoint pen() const { return m_pen; }
    void setPen(const QPoint &pen) { m_pen = pen; }

    // Each drawing returns the paper rectangle it may have changed.
    QRect drawLine(const QPoint &from, const QPoint &to);
    // An elliptic arc drawn counter-clockwise (as seen on the screen) from
    // startRadians to endRadians, both between 0 and 2 pi, 0 pointing to
    // increasing x. With aspect (height / width) below 1 the radius is the
    // horizontal one and the vertical radius is radius x aspect; otherwise the
    // radius is the vertical one and the horizontal radius is radius / aspect.
    QRect drawArc(const QPoint &centre, double radius, double aspect, double startRadians, double endRadians);
    // The text with its top-left corner at topLeft.
    QRect drawText(const QPoint &topLeft, const QString &text, const QFont &font);

    // Paints the part of the recording inside area (paper pixels) at paper
    // coordinates of the painter; nothing outside the paper is painted.
    void paint(QPainter &painter, const QRect &area) const;

    // Device pixels per paper pixel of the screen the paper is shown on; 1
    // keeps no copy at the screen's resolution. What was drawn before a
    // change shows enlarged from the recording until the paper is wiped.
    void setScreenScale(int scale);
    int screenScale() const { return m_screen ? m_screen->scale() : 1; }
    // As paint, from the copy at the screen's resolution where it holds one.
    void paintOnScreen(QPainter &painter, const QRect &area) const;
    const ScreenPaper *screenPaper() const { return m_screen ? &*m_screen : nullptr; }

    int tileCount() const { return int(m_tiles.size()); }
    const QImage &tile(int index) const { return m_tiles.at(index); }
    qint64 bytesHeld() const;

private:
    // Runs draw on a painter for every tile that bounds (paper pixels)
    // crosses; the painter works in paper coordinates, clipped to the paper.
    template <typename Draw> QRect drawOnTiles(const QRect &bounds, Draw draw);
    QImage blankTile() const;
    void paintTile(QPainter &painter, int index, const QRect &wanted) const;

    int m_width = 0;
    int m_height = 0;
    QColor m_paperColour;
    QColor m_inkColour;
    QPoint m_pen;
    QVector<QImage> m_tiles;
    bool m_blank = true;
    std::optional<ScreenPaper> m_screen;
};
