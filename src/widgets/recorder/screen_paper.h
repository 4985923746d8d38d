#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QVector>

#include <functional>

class QPainter;

// The paper's drawing at the resolution of a screen with more device pixels
// than paper pixels: each paper pixel is scale x scale device pixels, so the
// traces and the marks' letters are as fine as the screen. The recording
// itself (PaperImage) stays at one pixel per paper pixel for printing.
//
// Tiles match the recording's. A tile keeps one 8-bit coverage mask per ink
// colour that has drawn on it, made when that colour first draws there, and
// is coloured only when painted: a paper drawn in one ink takes one byte per
// device pixel. A stroke covers what other inks drew under it, as ink on
// paper does.
//
// A tile drawn before the paper came to this resolution holds no masks and is
// marked unsharp: the screen shows the recording's pixels enlarged there until
// the paper is wiped.
//
// The last few tiles painted also keep their colours, kept up to date as the
// inks draw, so that a repaint of what the viewport shows copies them rather
// than colouring every pixel again: at a fractional device pixel ratio the
// whole viewport repaints each time the paper moves.
class ScreenPaper
{
public:
    ScreenPaper(int scale, int tileWidth, int height, const QColor &paperColour);

    int scale() const { return m_scale; }
    // Grows the paper with blank tiles, or drops the tiles beyond width
    // (paper pixels) and blanks what lies beyond it in the last one.
    void setWidth(int width);
    // Every tile blank and sharp, its masks freed.
    void wipe();
    // Tiles that exist now show the recording enlarged from now on.
    void markAllUnsharp();
    bool isSharp(int tileIndex) const { return m_tiles.at(tileIndex).sharp; }

    // Runs draw once per mask of each tile that area (paper pixels) crosses,
    // the painter scaled to device pixels, in paper coordinates and clipped
    // to the paper, its pen opaque: with the ink's own mask the
    // drawing adds coverage, with the other inks' masks it removes theirs.
    void draw(const QRect &area, const QColor &ink, const std::function<void(QPainter &)> &draw);

    // Paints the part of one tile inside area (paper pixels) at paper
    // coordinates of the painter.
    void paintTile(QPainter &painter, int tileIndex, const QRect &area) const;

    // The colour a device pixel shows; x and y in device pixels from the
    // paper's top-left corner.
    QColor devicePixel(int x, int y) const;
    qint64 bytesHeld() const;

private:
    struct Layer
    {
        QRgb ink;
        QImage mask;
    };
    struct Tile
    {
        QVector<Layer> layers;
        bool sharp = true;
    };

    struct Shown
    {
        int tileIndex;
        QImage colours;
    };
    // At most this many tiles keep their colours: a viewport spans two.
    static constexpr int ShownTilesKept = 3;

    void ensureLayer(Tile &tile, QRgb ink) const;
    const QImage &shownColours(int tileIndex) const;
    void forgetShown(int fromTileIndex);
    // The tile's colours over the device rectangle (device pixels of the tile).
    QImage composed(const Tile &tile, const QRect &device) const;

    int m_scale;
    int m_tileWidth;
    int m_height;
    int m_width = 0;
    QRgb m_paperColour;
    QVector<Tile> m_tiles;
    mutable QVector<Shown> m_shown; // the most recently painted last
};
