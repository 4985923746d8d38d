#include "widgets/recorder/screen_paper.h"

#include "widgets/recorder/paper_image.h"

#include <QPainter>

namespace {

int blended(int under, int over, int coverage)
{
    return (under * (255 - coverage) + over * coverage + 127) / 255;
}

} // namespace

ScreenPaper::ScreenPaper(int scale, int tileWidth, int height, const QColor &paperColour)
    : m_scale(scale)
    , m_tileWidth(tileWidth)
    , m_height(height)
    , m_paperColour(paperColour.rgb())
{
}

void ScreenPaper::setWidth(int width)
{
    const int tilesNeeded = (width + m_tileWidth - 1) / m_tileWidth;
    if (width < m_width)
        forgetShown(tilesNeeded - 1);
    if (tilesNeeded < int(m_tiles.size()))
        m_tiles.resize(tilesNeeded);
    if (width < m_width && tilesNeeded > 0) {
        // What lay beyond the new end must not come back when the paper grows.
        const int firstCut = width - (tilesNeeded - 1) * m_tileWidth;
        for (Layer &layer : m_tiles.last().layers) {
            QPainter painter(&layer.mask);
            painter.setCompositionMode(QPainter::CompositionMode_Clear);
            painter.fillRect(QRect(firstCut * m_scale, 0, (m_tileWidth - firstCut) * m_scale, m_height * m_scale),
                             Qt::transparent);
        }
    }
    while (int(m_tiles.size()) < tilesNeeded)
        m_tiles.append(Tile());
    m_width = width;
}

void ScreenPaper::wipe()
{
    for (Tile &tile : m_tiles)
        tile = Tile();
    forgetShown(0);
}

void ScreenPaper::markAllUnsharp()
{
    forgetShown(0);
    for (Tile &tile : m_tiles) {
        tile.layers.clear();
        tile.sharp = false;
    }
}

void ScreenPaper::ensureLayer(Tile &tile, QRgb ink) const
{
    for (const Layer &layer : tile.layers)
        if (layer.ink == ink)
            return;
    QImage mask(m_tileWidth * m_scale, m_height * m_scale, QImage::Format_Alpha8);
    // The painter is scaled to device pixels: fonts keep the paper's size.
    mask.setDotsPerMeterX(PaperImage::DotsPerMeter);
    mask.setDotsPerMeterY(PaperImage::DotsPerMeter);
    mask.fill(0);
    tile.layers.append({ink, mask});
}

void ScreenPaper::draw(const QRect &area, const QColor &ink, const std::function<void(QPainter &)> &draw)
{
    const QRect paper(0, 0, m_width, m_height);
    const QRect changed = area.intersected(paper);
    if (changed.isEmpty())
        return;
    const QRgb inkRgb = ink.rgb();
    for (int index = changed.left() / m_tileWidth; index <= changed.right() / m_tileWidth; ++index) {
        Tile &tile = m_tiles[index];
        // The recording's own pixels show there.
        if (!tile.sharp)
            continue;
        ensureLayer(tile, inkRgb);
        const QRect tileArea(index * m_tileWidth, 0, m_tileWidth, m_height);
        for (Layer &layer : tile.layers) {
            QPainter painter(&layer.mask);
            painter.scale(m_scale, m_scale);
            painter.translate(-tileArea.left(), 0);
            // Only what the caller said may change, so that the colours the
            // tile keeps for the screen stay in step with its masks.
            painter.setClipRect(changed.intersected(tileArea));
            painter.setCompositionMode(layer.ink == inkRgb ? QPainter::CompositionMode_SourceOver
                                                           : QPainter::CompositionMode_DestinationOut);
            painter.setPen(QPen(Qt::black, 1));
            draw(painter);
        }
        for (Shown &shown : m_shown) {
            if (shown.tileIndex != index)
                continue;
            const QRect part = changed.intersected(tileArea).translated(-tileArea.left(), 0);
            const QRect device(part.topLeft() * m_scale, part.size() * m_scale);
            QPainter painter(&shown.colours);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(device.topLeft(), composed(tile, device));
        }
    }
}

const QImage &ScreenPaper::shownColours(int tileIndex) const
{
    for (int i = 0; i < m_shown.size(); ++i) {
        if (m_shown.at(i).tileIndex == tileIndex) {
            m_shown.move(i, m_shown.size() - 1);
            return m_shown.last().colours;
        }
    }
    if (m_shown.size() == ShownTilesKept)
        m_shown.removeFirst();
    const QRect wholeTile(0, 0, m_tileWidth * m_scale, m_height * m_scale);
    m_shown.append({tileIndex, composed(m_tiles.at(tileIndex), wholeTile)});
    return m_shown.last().colours;
}

void ScreenPaper::forgetShown(int fromTileIndex)
{
    m_shown.removeIf([fromTileIndex](const Shown &shown) { return shown.tileIndex >= fromTileIndex; });
}

QImage ScreenPaper::composed(const Tile &tile, const QRect &device) const
{
    QImage out(device.size(), QImage::Format_RGB32);
    out.fill(m_paperColour);
    for (const Layer &layer : tile.layers) {
        const int red = qRed(layer.ink), green = qGreen(layer.ink), blue = qBlue(layer.ink);
        for (int y = 0; y < device.height(); ++y) {
            const uchar *coverage = layer.mask.constScanLine(device.top() + y) + device.left();
            auto *pixel = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < device.width(); ++x) {
                const int a = coverage[x];
                if (a == 0)
                    continue;
                const QRgb under = pixel[x];
                pixel[x] = qRgb(blended(qRed(under), red, a), blended(qGreen(under), green, a),
                                blended(qBlue(under), blue, a));
            }
        }
    }
    return out;
}

void ScreenPaper::paintTile(QPainter &painter, int tileIndex, const QRect &area) const
{
    const int tileLeft = tileIndex * m_tileWidth;
    const QRect part
        = area.intersected(QRect(tileLeft, 0, m_tileWidth, m_height)).intersected(QRect(0, 0, m_width, m_height));
    if (part.isEmpty())
        return;
    const QRect device((part.left() - tileLeft) * m_scale, part.top() * m_scale, part.width() * m_scale,
                       part.height() * m_scale);
    painter.drawImage(QRectF(part), shownColours(tileIndex), QRectF(device));
}

QColor ScreenPaper::devicePixel(int x, int y) const
{
    const int deviceTileWidth = m_tileWidth * m_scale;
    return composed(m_tiles.at(x / deviceTileWidth), QRect(x % deviceTileWidth, y, 1, 1)).pixelColor(0, 0);
}

qint64 ScreenPaper::bytesHeld() const
{
    qint64 bytes = 0;
    for (const Tile &tile : m_tiles)
        for (const Layer &layer : tile.layers)
            bytes += layer.mask.sizeInBytes();
    for (const Shown &shown : m_shown)
        bytes += shown.colours.sizeInBytes();
    return bytes;
}
