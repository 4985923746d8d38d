#include "widgets/recorder/paper_image.h"

#include "widgets/aliased_stroke.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>

namespace {

// Fonts measure as they will draw: at the paper's resolution.
const QImage &metricsDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(PaperImage::DotsPerMeter);
        image.setDotsPerMeterY(PaperImage::DotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

PaperImage::PaperImage(int width, int height, const QColor &paperColour, const QColor &inkColour)
    : m_height(height)
    , m_paperColour(paperColour)
    , m_inkColour(inkColour)
{
    setWidth(width);
}

QImage PaperImage::blankTile() const
{
    QImage tile(TileWidth, m_height, QImage::Format_RGB32);
    tile.setDotsPerMeterX(DotsPerMeter);
    tile.setDotsPerMeterY(DotsPerMeter);
    tile.fill(m_paperColour);
    return tile;
}

void PaperImage::setWidth(int width)
{
    const int tilesNeeded = (width + TileWidth - 1) / TileWidth;
    if (tilesNeeded < tileCount())
        m_tiles.resize(tilesNeeded);
    if (width < m_width && tilesNeeded > 0) {
        // What lay beyond the new end must not come back when the paper grows.
        const int firstCut = width - (tilesNeeded - 1) * TileWidth;
        QPainter painter(&m_tiles.last());
        painter.fillRect(QRect(firstCut, 0, TileWidth - firstCut, m_height), m_paperColour);
    }
    while (tileCount() < tilesNeeded)
        m_tiles.append(blankTile());
    m_width = width;
    if (m_screen)
        m_screen->setWidth(width);
}

void PaperImage::wipe()
{
    for (QImage &tile : m_tiles)
        tile.fill(m_paperColour);
    if (m_screen)
        m_screen->wipe();
    m_blank = true;
    m_pen = QPoint(0, 0);
}

void PaperImage::setScreenScale(int scale)
{
    if (scale == screenScale())
        return;
    if (scale <= 1) {
        m_screen.reset();
        return;
    }
    m_screen.emplace(scale, TileWidth, m_height, m_paperColour);
    m_screen->setWidth(m_width);
    if (!m_blank)
        m_screen->markAllUnsharp();
}

template <typename Draw> QRect PaperImage::drawOnTiles(const QRect &bounds, Draw draw)
{
    const QRect paper(0, 0, m_width, m_height);
    const QRect changed = bounds.intersected(paper);
    if (changed.isEmpty())
        return QRect();
    for (int index = changed.left() / TileWidth; index <= changed.right() / TileWidth; ++index) {
        const QRect tileArea(index * TileWidth, 0, TileWidth, m_height);
        QPainter painter(&m_tiles[index]);
        painter.translate(-tileArea.left(), 0);
        painter.setClipRect(tileArea.intersected(paper));
        painter.setPen(QPen(m_inkColour, 1));
        draw(painter);
    }
    if (m_screen)
        m_screen->draw(changed, m_inkColour, [&](QPainter &painter) { draw(painter); });
    m_blank = false;
    return changed;
}

QRect PaperImage::drawLine(const QPoint &from, const QPoint &to)
{
    m_pen = to;
    return drawOnTiles(QRect(from, to).normalized().adjusted(-1, -1, 1, 1), [&](QPainter &painter) {
        painter.translate(AliasedStroke::shift(painter));
        painter.drawLine(from, to);
    });
}

QRect PaperImage::drawArc(const QPoint &centre, double radius, double aspect, double startRadians, double endRadians)
{
    m_pen = centre;
    const double horizontal = aspect < 1.0 ? radius : radius / aspect;
    const double vertical = aspect < 1.0 ? radius * aspect : radius;
    const QRectF ellipse(centre.x() - horizontal, centre.y() - vertical, 2.0 * horizontal, 2.0 * vertical);
    double span = endRadians - startRadians;
    if (span < 0.0)
        span += 2.0 * M_PI;
    // Qt counts angles in sixteenths of a degree, counter-clockwise on the screen.
    const int start16 = qRound(qRadiansToDegrees(startRadians) * 16.0);
    const int span16 = qRound(qRadiansToDegrees(span) * 16.0);
    return drawOnTiles(ellipse.toAlignedRect().adjusted(-1, -1, 1, 1), [&](QPainter &painter) {
        painter.translate(AliasedStroke::shift(painter));
        painter.drawArc(ellipse, start16, span16);
    });
}

QRect PaperImage::drawText(const QPoint &topLeft, const QString &text, const QFont &font)
{
    const QFontMetrics metrics(font, &metricsDevice());
    const QPoint baseline(topLeft.x(), topLeft.y() + metrics.ascent());
    const int advance = metrics.horizontalAdvance(text);
    m_pen = QPoint(topLeft.x() + advance, topLeft.y());
    const QRect bounds = metrics.boundingRect(text)
                             .translated(baseline)
                             .united(QRect(topLeft, QSize(advance, metrics.height())))
                             .adjusted(-2, -2, 2, 2);
    return drawOnTiles(bounds, [&](QPainter &painter) {
        painter.setFont(font);
        painter.drawText(baseline, text);
    });
}

void PaperImage::paintTile(QPainter &painter, int index, const QRect &wanted) const
{
    const QRect part = wanted.intersected(QRect(index * TileWidth, 0, TileWidth, m_height));
    painter.drawImage(part.topLeft(), m_tiles.at(index), part.translated(-index * TileWidth, 0));
}

void PaperImage::paint(QPainter &painter, const QRect &area) const
{
    const QRect wanted = area.intersected(QRect(0, 0, m_width, m_height));
    if (wanted.isEmpty())
        return;
    for (int index = wanted.left() / TileWidth; index <= wanted.right() / TileWidth; ++index)
        paintTile(painter, index, wanted);
}

void PaperImage::paintOnScreen(QPainter &painter, const QRect &area) const
{
    const QRect wanted = area.intersected(QRect(0, 0, m_width, m_height));
    if (wanted.isEmpty())
        return;
    for (int index = wanted.left() / TileWidth; index <= wanted.right() / TileWidth; ++index) {
        if (m_screen && m_screen->isSharp(index))
            m_screen->paintTile(painter, index, wanted);
        else
            paintTile(painter, index, wanted);
    }
}

qint64 PaperImage::bytesHeld() const
{
    qint64 bytes = 0;
    for (const QImage &tile : m_tiles)
        bytes += tile.sizeInBytes();
    return bytes + (m_screen ? m_screen->bytesHeld() : 0);
}
