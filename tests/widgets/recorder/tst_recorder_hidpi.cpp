// The recorder on a screen with two device pixels to each pixel: what the
// screen shows is drawn at the device's resolution, the recording and its
// printout stay as at one device pixel each.
#include "core/recorder/print_layout.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/recorder/recording_render.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

const QColor PaperColour = Qt::black;
const QColor InkColour = Qt::white;
const QColor Red = Qt::red;

// A window holding one recorder, shown on the screen.
struct RecorderWindow
{
    explicit RecorderWindow(const RecorderConfig &config = RecorderConfig::heart())
        : recorder(new ChartRecorder(config, &window))
    {
        window.resize(800, 600);
        recorder->RecorderSetUp();
    }

    PaperWidget &paper() { return *recorder->paper(); }
    // The viewport as the screen shows it, in device pixels.
    QImage shown() { return recorder->viewport()->grab().toImage(); }

    QWidget window;
    ChartRecorder *recorder;
};

// The paper as the screen would show it, in device pixels.
QImage onScreen(const PaperImage &paper, int scale)
{
    QImage image(paper.width() * scale, paper.height() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::green);
    QPainter painter(&image);
    paper.paintOnScreen(painter, QRect(0, 0, paper.width(), paper.height()));
    return image;
}

QRect inkBounds(const QImage &image, const QColor &paper)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != paper)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The first page of the paper's printout, on a landscape A4 sheet at 96
// dots per inch mapped to twips as the print job maps its printer's page.
QImage printedPage(const PaperImage &paper)
{
    const QSizeF inches(16838 / 1440.0, 11906 / 1440.0);
    QImage image(qRound(inches.width() * 96), qRound(inches.height() * 96), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    RecordingRender::mapTwips(painter, inches, image.rect());
    RecordingRender::paintPage(painter, paper, PrintLayout::pages(paper.width()).first());
    return image;
}

// An ileum's drawing and a highlighted heart mark, on any paper.
template <typename Sheet> void drawRecording(Sheet &paper)
{
    paper.drawLine(QPoint(10, 185), QPoint(300, 185));
    paper.drawArc(QPoint(120, 80), 30, 3, 0.7, 2.4);
    paper.drawText(QPoint(60, 195), QStringLiteral("0.1"), PaperWidget::labelFont());
    paper.setInkColour(Red);
    paper.drawText(QPoint(200, 20), QStringLiteral("63BHR"), PaperWidget::labelFont());
    paper.drawLine(QPoint(220, 10), QPoint(220, 190));
    paper.setInkColour(InkColour);
}

} // namespace

class TestRecorderHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void linesCoverTheDevicePixelsOfTheirPixels_data();
    void linesCoverTheDevicePixelsOfTheirPixels();
    void textIsDrawnAtTheDevicesResolution();
    void laterInkCoversEarlierInk();
    void printoutIsTheOneOfOneDevicePixelEach();
    void drawingBeforeTheScreenChangedStaysShown();
    void cutBackPaperGrowsBlankOnTheScreen();
    void twoFullPapersStayWithinMemory();
};

void TestRecorderHiDpi::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void TestRecorderHiDpi::linesCoverTheDevicePixelsOfTheirPixels_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("ileum baseline") << QPoint(40, 100) << QPoint(60, 100) << QRect(40, 100, 21, 1);
    QTest::newRow("heart beat stroke") << QPoint(200, 50) << QPoint(200, 80) << QRect(200, 50, 1, 31);
    QTest::newRow("at the paper's last pixels") << QPoint(330, 168) << QPoint(336, 168) << QRect(330, 168, 7, 1);
}

void TestRecorderHiDpi::linesCoverTheDevicePixelsOfTheirPixels()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QRect, pixels);
    RecorderWindow w;
    w.paper().drawLine(from, to);
    const QImage shown = w.shown();
    QCOMPARE(shown.size(), w.recorder->viewport()->size() * 2);
    const QColor paper = w.paper().image().paperColour();
    // Each pixel of the line is two by two device pixels of ink, and the
    // device pixels round it are paper: the line is one pixel wide.
    const QRect device(pixels.topLeft() * 2, pixels.size() * 2);
    QCOMPARE(inkBounds(shown, paper), device);
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            QCOMPARE(shown.pixelColor(x, y), w.paper().inkColour());
    // The recording itself keeps one pixel per pixel.
    QCOMPARE(inkBounds(w.paper().image().tile(0), paper), pixels);
}

void TestRecorderHiDpi::textIsDrawnAtTheDevicesResolution()
{
    RecorderWindow w;
    w.recorder->draw({Paper::Text{40, 20, {QStringLiteral("MS Sans Serif"), 8.25, false}, QStringLiteral("63BHR")}});
    const QImage shown = w.shown();
    const QColor paper = w.paper().image().paperColour();
    const QRect recorded = inkBounds(w.paper().image().tile(0), paper);
    const QRect device = inkBounds(shown, paper);
    QVERIFY(!recorded.isEmpty());
    // Where the recording has its letters, at twice the size...
    QVERIFY2(qAbs(device.left() - 2 * recorded.left()) <= 2 && qAbs(device.top() - 2 * recorded.top()) <= 2
                 && qAbs(device.right() - 2 * recorded.right() - 1) <= 2
                 && qAbs(device.bottom() - 2 * recorded.bottom() - 1) <= 2,
             qPrintable(QStringLiteral("recorded %1,%2 %3x%4, shown %5,%6 %7x%8")
                            .arg(recorded.x())
                            .arg(recorded.y())
                            .arg(recorded.width())
                            .arg(recorded.height())
                            .arg(device.x())
                            .arg(device.y())
                            .arg(device.width())
                            .arg(device.height())));
    // ...but not the recording enlarged: there every two by two block of
    // device pixels would be one colour.
    int inked = 0, finer = 0;
    for (int y = device.top() & ~1; y <= device.bottom(); y += 2)
        for (int x = device.left() & ~1; x <= device.right(); x += 2) {
            const QRgb corner = shown.pixel(x, y);
            const bool uniform = shown.pixel(x + 1, y) == corner && shown.pixel(x, y + 1) == corner
                && shown.pixel(x + 1, y + 1) == corner;
            if (!uniform || QColor(corner) != paper)
                ++inked;
            if (!uniform)
                ++finer;
        }
    QVERIFY2(finer * 4 > inked, qPrintable(QStringLiteral("%1 of %2 blocks finer").arg(finer).arg(inked)));
}

void TestRecorderHiDpi::laterInkCoversEarlierInk()
{
    RecorderWindow w;
    PaperWidget &paper = w.paper();
    const QColor ink = paper.inkColour();
    const QPoint crossing(60 * 2, 100 * 2);
    paper.drawLine(QPoint(40, 100), QPoint(80, 100));
    paper.setInkColour(Red);
    paper.drawLine(QPoint(60, 90), QPoint(60, 110));
    QCOMPARE(w.shown().pixelColor(crossing), Red);
    QCOMPARE(w.shown().pixelColor(QPoint(50 * 2, 100 * 2)), ink);
    paper.setInkColour(ink);
    paper.drawLine(QPoint(40, 100), QPoint(80, 100));
    const QImage shown = w.shown();
    QCOMPARE(shown.pixelColor(crossing), ink);
    QCOMPARE(shown.pixelColor(crossing + QPoint(1, 1)), ink);
    QCOMPARE(shown.pixelColor(QPoint(60 * 2, 95 * 2)), Red);
    // After a wipe no ink of either colour is left.
    paper.wipe();
    QVERIFY(inkBounds(w.shown(), paper.image().paperColour()).isEmpty());
}

void TestRecorderHiDpi::printoutIsTheOneOfOneDevicePixelEach()
{
    RecorderWindow w(RecorderConfig::ileum());
    w.paper().setPaperGeometry(0, 600);
    drawRecording(w.paper());
    const PaperImage &shownPaper = w.paper().image();
    QCOMPARE(shownPaper.screenScale(), 2);

    const RecorderConfig config = RecorderConfig::ileum();
    PaperImage plain(600, shownPaper.height(), config.paperColour, config.inkColour);
    drawRecording(plain);
    QCOMPARE(plain.screenScale(), 1);
    for (int t = 0; t < plain.tileCount(); ++t)
        QCOMPARE(shownPaper.tile(t), plain.tile(t));
    QCOMPARE(printedPage(shownPaper), printedPage(plain));
}

void TestRecorderHiDpi::drawingBeforeTheScreenChangedStaysShown()
{
    PaperImage paper(600, 169, PaperColour, InkColour);
    paper.drawLine(QPoint(30, 40), QPoint(90, 40));
    paper.setScreenScale(2);
    // Drawn before: the recording's pixels, enlarged; so is what is drawn
    // since on the same stretch of paper.
    paper.drawLine(QPoint(30, 50), QPoint(90, 50));
    QCOMPARE(inkBounds(onScreen(paper, 2), PaperColour), QRect(60, 80, 122, 22));
    QCOMPARE(paper.screenPaper()->devicePixel(60, 100), PaperColour);
    // Paper grown since is drawn at the screen's resolution.
    paper.setWidth(1200);
    paper.drawLine(QPoint(1050, 60), QPoint(1090, 60));
    QCOMPARE(paper.screenPaper()->devicePixel(2100, 120), InkColour);
    QCOMPARE(paper.screenPaper()->devicePixel(2100, 119), PaperColour);
    QCOMPARE(inkBounds(onScreen(paper, 2), PaperColour), QRect(60, 80, 2122, 42));
    // Back on a screen of one device pixel each, the recording shows.
    paper.setScreenScale(1);
    QVERIFY(!paper.screenPaper());
    QCOMPARE(inkBounds(onScreen(paper, 1), PaperColour), QRect(30, 40, 1061, 21));
}

void TestRecorderHiDpi::cutBackPaperGrowsBlankOnTheScreen()
{
    PaperImage paper(800, 169, PaperColour, InkColour);
    paper.setScreenScale(2);
    paper.drawLine(QPoint(500, 40), QPoint(700, 40));
    paper.setWidth(600);
    paper.setWidth(800);
    QCOMPARE(inkBounds(onScreen(paper, 2), PaperColour), QRect(1000, 80, 200, 2));
}

void TestRecorderHiDpi::twoFullPapersStayWithinMemory()
{
    qint64 bytes = 0;
    for (const RecorderConfig &config : {RecorderConfig::heart(), RecorderConfig::ileum()}) {
        const int height = config.viewportPixels().height();
        PaperImage paper(PaperBookkeeping::MaxPaperWidth, height, config.paperColour, config.inkColour);
        paper.setScreenScale(2);
        // Ink on every tile, and a highlighted mark on one.
        paper.drawLine(QPoint(0, 50), QPoint(paper.width() - 1, 50));
        paper.setInkColour(Red);
        paper.drawText(QPoint(100, 20), QStringLiteral("Epi"), PaperWidget::labelFont());
        bytes += paper.bytesHeld();
        QCOMPARE(paper.screenPaper()->devicePixel(2 * (paper.width() - 1), 100), config.inkColour);
    }
    QVERIFY2(bytes < 100'000'000, qPrintable(QString::number(bytes)));
}

QTEST_MAIN(TestRecorderHiDpi)
#include "tst_recorder_hidpi.moc"
