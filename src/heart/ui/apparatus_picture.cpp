#include "heart/ui/apparatus_picture.h"

#include "core/asset_paths.h"
#include "widgets/aliased_stroke.h"
#include "widgets/device_pixels.h"
#include "widgets/image_control.h"
#include "widgets/window_utils.h"

#include <QFrame>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Where the pictures stand on the apparatus, in its pixels: the heart hangs
// from the tip of the cannula with its apex over the thread to the lever; the
// syringe's needle ends inside the cannula, and the needle lines carry it on
// down the narrow part of the glass.
const QRect HeartPlace(118, 265, 64, 72);
const QRect SyringePlace(126, 86, 48, 150);
const QRect Needle1Place(149, 236, 1, 26);
const QRect Needle2Place(150, 236, 1, 26);

QImage renderedApparatus(const QColor &background, qreal ratio)
{
    const QSize size(ApparatusPicture::Width, ApparatusPicture::Height);
    QImage image(DevicePixels::covering(size, ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    QSvgRenderer renderer(AssetPaths::picture(QStringLiteral("heart_apparatus.svg")));
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), size));
    }
    return image;
}

ImageControl *picture(const QString &name, const QString &file, const QString &accessibleName, const QRect &place,
                      QWidget *parent)
{
    auto *image = new ImageControl(name, file, parent);
    image->setGeometry(place);
    image->setAccessibleName(accessibleName);
    return image;
}

QFrame *needleLine(const QString &name, const QRect &place, const QColor &colour, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setGeometry(place);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->hide();
    return line;
}

} // namespace

ApparatusPicture::ApparatusPicture(QWidget *parent)
    : QWidget(parent)
    , m_background(parent ? parent->palette().color(QPalette::Window) : QColor(Qt::white))
{
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(Width, Height);
    render();
    // Every pixel comes from the image: nothing behind it need be painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Isolated frog heart on a cannula with a heart lever"));

    Img_hrtsys = picture(QStringLiteral("Img_hrtsys"), QStringLiteral("heart_systole.svg"),
                         QStringLiteral("Heart in systole"), HeartPlace, this);
    Img_hrtdia = picture(QStringLiteral("Img_hrtdia"), QStringLiteral("heart_diastole.svg"),
                         QStringLiteral("Heart in diastole"), HeartPlace, this);
    Img_hrtdia->hide();

    inject_img = picture(QStringLiteral("inject_img"), QStringLiteral("syringe.svg"), QStringLiteral("Syringe"),
                         SyringePlace, this);
    inject_img->hide();
    needle1 = needleLine(QStringLiteral("needle1"), Needle1Place, QColor(0x3b, 0x4a, 0x5a), this);
    needle2 = needleLine(QStringLiteral("needle2"), Needle2Place, QColor(0xb3, 0xc0, 0xcd), this);
}

void ApparatusPicture::render()
{
    m_plain = renderedApparatus(m_background, devicePixelRatioF());
    m_image = m_plain;
    for (const int yTwips : std::as_const(m_leverLines))
        drawLeverLine(yTwips);
}

QRect ApparatusPicture::drawLeverLine(int yTwips)
{
    using Heart::LeverLine;
    const double perPixel = Twips::PerPixel;
    const QLineF line(LeverLine::StartX / perPixel, yTwips / perPixel, LeverLine::PivotX / perPixel,
                      LeverLine::PivotY / perPixel);
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(QPen(Qt::black, 1));
    painter.translate(AliasedStroke::shift(painter));
    painter.drawLine(line);
    return QRectF(line.p1(), line.p2()).normalized().toAlignedRect().adjusted(-1, -1, 1, 1);
}

void ApparatusPicture::toggleLeverLine(int yTwips)
{
    // A line drawn twice is gone.
    if (!m_leverLines.removeOne(yTwips))
        m_leverLines.append(yTwips);
    // Only the pixels the line crosses change: a swing repaints that strip,
    // not the apparatus and the pictures on it.
    update(drawLeverLine(yTwips));
}

void ApparatusPicture::showHeart(Heart::HeartPicture picture)
{
    const bool systole = picture == Heart::HeartPicture::Systole;
    Img_hrtsys->setVisible(systole);
    Img_hrtdia->setVisible(!systole);
}

void ApparatusPicture::wipe()
{
    m_leverLines.clear();
    m_image = m_plain;
    update();
}

void ApparatusPicture::showSyringe()
{
    inject_img->show();
    needle1->show();
    needle2->show();
}

void ApparatusPicture::hideSyringe()
{
    inject_img->hide();
    hideNeedles();
}

bool ApparatusPicture::syringeShown() const
{
    return !inject_img->isHidden();
}

void ApparatusPicture::hideNeedles()
{
    needle1->hide();
    needle2->hide();
}

void ApparatusPicture::repaintSyringe()
{
    inject_img->repaint();
    needle1->repaint();
    needle2->repaint();
}

void ApparatusPicture::paintEvent(QPaintEvent *)
{
    if (m_image.devicePixelRatio() != devicePixelRatioF())
        render();
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
