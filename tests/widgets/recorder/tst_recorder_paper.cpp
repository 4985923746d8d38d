#include "widgets/recorder/paper_image.h"

#include <QFont>
#include <QPainter>
#include <QTest>
#include <QtMath>

namespace {

const QColor Paper = Qt::black;
const QColor Ink = Qt::white;

QColor pixelAt(const PaperImage &paper, const QPoint &p)
{
    const QImage &tile = paper.tile(p.x() / PaperImage::TileWidth);
    return tile.pixelColor(p.x() % PaperImage::TileWidth, p.y());
}

// Lines and arcs are not smoothed, but an arc's pixel may sit one off the
// ideal curve: look around the point.
bool inkNear(const PaperImage &paper, const QPoint &p)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (pixelAt(paper, p + QPoint(dx, dy)) == Ink)
                return true;
    return false;
}

// Rows (top, bottom) holding ink in the area.
QPair<int, int> inkRows(const PaperImage &paper, const QRect &area)
{
    int top = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pixelAt(paper, QPoint(x, y)) != Paper) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
    return {top, bottom};
}

} // namespace

class TestRecorderPaper : public QObject
{
    Q_OBJECT

private slots:
    void growingKeepsWhatIsDrawn();
    void drawingStopsAtThePaperEnd();
    void cutBackPaperGrowsBlank();
    void lineAcrossTiles();
    void penFollowsTheDrawing();
    void marksInAnotherInk();
    void arcsFollowTheirAngles_data();
    void arcsFollowTheirAngles();
    void pointSizesAreScreenSizes();
    void paintCopiesOnlyItsArea();
    void fullPaperMemory();
};

void TestRecorderPaper::growingKeepsWhatIsDrawn()
{
    PaperImage paper(337, 169, Paper, Ink);
    paper.drawLine(QPoint(100, 20), QPoint(100, 60));
    const uchar *firstTile = paper.tile(0).constBits();
    paper.setWidth(5000);
    QCOMPARE(paper.tileCount(), 10);
    // The tile already drawn on is the same memory: nothing was copied.
    QCOMPARE(paper.tile(0).constBits(), firstTile);
    QCOMPARE(pixelAt(paper, QPoint(100, 40)), Ink);
    QCOMPARE(pixelAt(paper, QPoint(4999, 40)), Paper);
}

void TestRecorderPaper::drawingStopsAtThePaperEnd()
{
    PaperImage paper(337, 169, Paper, Ink);
    const QRect changed = paper.drawLine(QPoint(300, 10), QPoint(450, 10));
    QVERIFY(QRect(0, 0, 337, 169).contains(changed));
    QCOMPARE(pixelAt(paper, QPoint(336, 10)), Ink);
    paper.setWidth(600);
    QCOMPARE(pixelAt(paper, QPoint(400, 10)), Paper);
    QVERIFY(paper.drawLine(QPoint(700, 0), QPoint(800, 50)).isEmpty());
}

void TestRecorderPaper::cutBackPaperGrowsBlank()
{
    PaperImage paper(1200, 169, Paper, Ink);
    paper.drawLine(QPoint(540, 5), QPoint(540, 50));
    paper.drawLine(QPoint(600, 5), QPoint(600, 50));
    paper.setWidth(550);
    paper.setWidth(1200);
    QCOMPARE(pixelAt(paper, QPoint(540, 20)), Ink);
    QCOMPARE(pixelAt(paper, QPoint(600, 20)), Paper);
}

void TestRecorderPaper::lineAcrossTiles()
{
    PaperImage paper(1024, 169, Paper, Ink);
    const QRect changed = paper.drawLine(QPoint(500, 20), QPoint(530, 20));
    QCOMPARE(pixelAt(paper, QPoint(505, 20)), Ink);
    QCOMPARE(pixelAt(paper, QPoint(511, 20)), Ink);
    QCOMPARE(pixelAt(paper, QPoint(512, 20)), Ink);
    QCOMPARE(pixelAt(paper, QPoint(525, 20)), Ink);
    QVERIFY(changed.contains(QRect(500, 20, 31, 1)));
}

void TestRecorderPaper::penFollowsTheDrawing()
{
    PaperImage paper(600, 225, Paper, Ink);
    paper.drawLine(QPoint(327, 50), QPoint(327, 80));
    QCOMPARE(paper.pen(), QPoint(327, 80));
    paper.drawArc(QPoint(478, 100), 30, 3, 0.7, 2.4);
    QCOMPARE(paper.pen(), QPoint(478, 100));
    const QFont font = QFont(QStringLiteral("arial"), 8);
    const QRect text = paper.drawText(QPoint(467, 195), QStringLiteral("0.1"), font);
    QCOMPARE(paper.pen().y(), 195);
    QVERIFY(paper.pen().x() > 467);
    QVERIFY(text.contains(QPoint(paper.pen().x() - 1, 196)));
    paper.wipe();
    QCOMPARE(paper.pen(), QPoint(0, 0));
    QCOMPARE(inkRows(paper, QRect(0, 0, 600, 225)).first, -1);
}

void TestRecorderPaper::marksInAnotherInk()
{
    // The heart prints its injection marks in the highlight colour, then
    // takes its ink back.
    PaperImage paper(337, 169, Paper, Ink);
    paper.setInkColour(Qt::yellow);
    paper.drawLine(QPoint(100, 10), QPoint(100, 20));
    paper.setInkColour(Ink);
    paper.drawLine(QPoint(110, 10), QPoint(110, 20));
    QCOMPARE(pixelAt(paper, QPoint(100, 15)), QColor(Qt::yellow));
    QCOMPARE(pixelAt(paper, QPoint(110, 15)), Ink);
}

void TestRecorderPaper::arcsFollowTheirAngles_data()
{
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("aspect");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<QPoint>("inked");
    QTest::addColumn<QPoint>("blank");
    // Centre (100, 80) in every row.
    QTest::newRow("contraction cap: tall, over the top, open below")
        << 30.0 << 3.0 << 0.7 << 2.4 << QPoint(100, 50) << QPoint(100, 110);
    QTest::newRow("cap: 10 wide, its sides not reached")
        << 30.0 << 3.0 << 0.7 << 2.4 << QPoint(100, 50) << QPoint(110, 80);
    QTest::newRow("hump: 4 high on the baseline") << 10.0 << 0.4 << 0.2 << 3.3 << QPoint(100, 76) << QPoint(100, 84);
    QTest::newRow("end before start runs on through angle 0")
        << 10.0 << 1.0 << 1.5 * M_PI << 0.5 * M_PI << QPoint(110, 80) << QPoint(90, 80);
}

void TestRecorderPaper::arcsFollowTheirAngles()
{
    QFETCH(double, radius);
    QFETCH(double, aspect);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(QPoint, inked);
    QFETCH(QPoint, blank);
    PaperImage paper(337, 169, Paper, Ink);
    paper.drawArc(QPoint(100, 80), radius, aspect, start, end);
    QVERIFY(inkNear(paper, inked));
    QVERIFY(!inkNear(paper, blank));
}

void TestRecorderPaper::pointSizesAreScreenSizes()
{
    // 8.25 points on the 96-dpi screen are 11 pixels.
    QFont points = QFont(QStringLiteral("MS Sans Serif"));
    points.setPointSizeF(8.25);
    QFont pixels = points;
    pixels.setPixelSize(11);
    PaperImage paper(337, 169, Paper, Ink);
    paper.drawText(QPoint(10, 10), QStringLiteral("8Hg"), points);
    paper.drawText(QPoint(10, 80), QStringLiteral("8Hg"), pixels);
    const auto a = inkRows(paper, QRect(0, 0, 100, 60));
    const auto b = inkRows(paper, QRect(0, 70, 100, 60));
    QVERIFY(a.first >= 10);
    QCOMPARE(a.second - a.first, b.second - b.first);
}

void TestRecorderPaper::paintCopiesOnlyItsArea()
{
    PaperImage paper(1200, 169, Paper, Ink);
    for (int x = 0; x < 1200; x += 3)
        paper.drawLine(QPoint(x, 0), QPoint(x, 168));
    QImage target(1200, 169, QImage::Format_RGB32);
    target.fill(Qt::red);
    QPainter painter(&target);
    paper.paint(painter, QRect(500, 10, 30, 20));
    painter.end();
    QCOMPARE(target.pixelColor(499, 15), QColor(Qt::red));
    QCOMPARE(target.pixelColor(530, 15), QColor(Qt::red));
    QCOMPARE(target.pixelColor(510, 9), QColor(Qt::red));
    QCOMPARE(target.pixelColor(510, 15), Ink); // a line at every third column
    QCOMPARE(target.pixelColor(511, 15), Paper);
    QCOMPARE(target.pixelColor(513, 29), Ink); // the next tile
}

void TestRecorderPaper::fullPaperMemory()
{
    PaperImage paper(16383, 169, Paper, Ink);
    QCOMPARE(paper.tileCount(), 32);
    QCOMPARE(paper.bytesHeld(), qint64(32) * PaperImage::TileWidth * 169 * 4);
}

QTEST_MAIN(TestRecorderPaper)
#include "tst_recorder_paper.moc"
