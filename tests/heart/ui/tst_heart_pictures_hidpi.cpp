// The heart window's pictures on a screen with two device pixels to each
// pixel: the apparatus, its lever line, the indicator boxes' level lines and
// the heart are drawn at the device's resolution, not enlarged.
#include "heart/ui/apparatus_picture.h"
#include "heart/ui/heart_window_fixture.h"
#include "heart/ui/indicator_box.h"
#include "support/windows/test_windows.h"
#include "widgets/image_control.h"

#include <QApplication>
#include <QTest>

using namespace HeartWindowFixture;

namespace {

const QColor Green(0, 255, 0);

// Aligned blocks of two by two device pixels that are not one colour: an
// image enlarged from one device pixel per pixel has none.
int finerBlocks(const QImage &image)
{
    int finer = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner
                || image.pixel(x + 1, y + 1) != corner)
                ++finer;
        }
    return finer;
}

// White where the two images differ, black elsewhere.
QImage changes(const QImage &before, const QImage &after)
{
    QImage changed(before.size(), QImage::Format_RGB32);
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            changed.setPixel(x, y, before.pixel(x, y) == after.pixel(x, y) ? 0xff000000 : 0xffffffff);
    return changed;
}

int changedInColumn(const QImage &changed, int x)
{
    int count = 0;
    for (int y = 0; y < changed.height(); ++y)
        count += changed.pixel(x, y) == 0xffffffff;
    return count;
}

} // namespace

class TestHeartPicturesHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { TestWindows::unloadEverything(); }
    void apparatusIsRenderedAtTheScreensResolution();
    void leverLineIsOnePixelWideAndDrawnTwiceIsGone();
    void levelLinesCoverTheDevicePixelsOfTheirPixels();
    void heartIsRenderedAtTheScreensResolution();
};

void TestHeartPicturesHiDpi::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    HeartWindowFixture::setUp();
}

void TestHeartPicturesHiDpi::apparatusIsRenderedAtTheScreensResolution()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    const QImage &plain = heart->apparatus()->plainPicture();
    QCOMPARE(plain.size(), QSize(ApparatusPicture::Width, ApparatusPicture::Height) * 2);
    QCOMPARE(plain.devicePixelRatio(), 2.0);
    // The glass, the stand and the lever's edges fall between device pixels.
    QVERIFY2(finerBlocks(plain) > 500, qPrintable(QString::number(finerBlocks(plain))));
    // Shown on the window: painted from that image, device pixel for pixel.
    const QImage shown = heart->apparatus()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), plain.size());
    QCOMPARE(changedInColumn(changes(heart->apparatus()->image(), shown), 20), 0);
}

void TestHeartPicturesHiDpi::leverLineIsOnePixelWideAndDrawnTwiceIsGone()
{
    ApparatusPicture picture(nullptr);
    const QImage plain = picture.plainPicture();
    picture.toggleLeverLine(3750);
    const QImage changed = changes(plain, picture.image());
    // Where the line crosses the picture's left half, the not-xor pen
    // changes one pixel's height of device pixels: two, or three where it
    // steps; a line one device pixel wide would change one. (Its ends may
    // change less.)
    QList<int> counts;
    for (int x = 0; x < changed.width() / 2; ++x)
        if (const int count = changedInColumn(changed, x))
            counts.append(count);
    QVERIFY(counts.size() > 20);
    for (int c = 1; c + 1 < counts.size(); ++c)
        QVERIFY2(counts.at(c) >= 2 && counts.at(c) <= 3, qPrintable(QStringLiteral("%1 changed").arg(counts.at(c))));
    // Not the line of one device pixel per pixel enlarged.
    QVERIFY(finerBlocks(changed) > 10);
    picture.toggleLeverLine(3750);
    QCOMPARE(picture.image(), plain);
}

void TestHeartPicturesHiDpi::levelLinesCoverTheDevicePixelsOfTheirPixels()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    settle(heart);
    // Both level lines stand on row 14 of the box's pixels.
    for (IndicatorBox *box : {heart->heartRateBox(), heart->toneBox()}) {
        const QImage &image = box->image();
        QCOMPARE(image.size(), QSize(IndicatorBox::Width, IndicatorBox::Height) * 2);
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(IndicatorBox::Width, y) == Green)
                rows.append(y);
        QCOMPARE(rows, QList<int>({28, 29}));
    }
}

void TestHeartPicturesHiDpi::heartIsRenderedAtTheScreensResolution()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    auto *systole = control<ImageControl>(heart->apparatus(), QStringLiteral("Img_hrtsys"));
    const QImage shown = systole->grab().toImage();
    QCOMPARE(shown.size(), systole->size() * 2);
    QVERIFY2(finerBlocks(shown) > 100, qPrintable(QString::number(finerBlocks(shown))));
}

QTEST_MAIN(TestHeartPicturesHiDpi)
#include "tst_heart_pictures_hidpi.moc"
