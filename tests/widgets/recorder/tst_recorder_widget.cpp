#include "support/seams/fake_clock.h"
#include "support/seams/scripted_random.h"
#include "support/windows/message_box_script.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/window_utils.h"

#include <QApplication>
#include <QLabel>
#include <QMimeData>
#include <QPaintEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QtMath>

#include <memory>

namespace {

QImage onePerPixel(const QImage &device)
{
    const qreal ratio = device.devicePixelRatio();
    if (ratio == 1.0)
        return device;
    const QSize size = (QSizeF(device.size()) / ratio).toSize();
    QImage sampled(size, device.format());
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            sampled.setPixel(x, y, device.pixel(qFloor((x + 0.5) * ratio), qFloor((y + 0.5) * ratio)));
    return sampled;
}

// A window holding one recorder, as the heart and ileum windows will.
struct RecorderWindow
{
    explicit RecorderWindow(const RecorderConfig &config)
        : recorder(new ChartRecorder(config, &window))
    {
        window.resize(800, 600);
        recorder->RecorderSetUp();
    }

    ChartRecorder &r() { return *recorder; }
    // What the viewport shows, one pixel for each of its pixels: on a screen
    // with more device pixels, the device pixel at the middle of each.
    QImage viewportImage() { return onePerPixel(recorder->viewport()->grab().toImage()); }
    int paperLeft() const { return recorder->paper()->x(); }
    int paperWidth() const { return recorder->bookkeeping().paperWidth(); }

    // One heart tick: a pixel of paper and the beat stroke ten pixels from its end.
    void beat(int jitter = 0)
    {
        recorder->AdvancePaper(1);
        const int x = paperWidth() - 10;
        recorder->paper()->drawLine(QPoint(x, 50 + jitter), QPoint(x, 80 + jitter));
    }

    // One ileum injection: at the live end, 40 pixels, its baseline stretch.
    void inject()
    {
        recorder->ShowLivePosition();
        recorder->AdvancePaper(40);
        const int w = paperWidth();
        recorder->paper()->drawLine(QPoint(w - 50, 185), QPoint(w - 30, 185));
        recorder->StoreLivePosition();
    }

    QWidget window;
    ChartRecorder *recorder;
};

// Notes where the paper was asked to paint, and what part of it showed then.
class PaintWatch final : public QObject
{
public:
    explicit PaintWatch(PaperWidget *paper)
        : m_paper(paper)
    {
        paper->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QRect shown(-m_paper->x(), 0, m_paper->parentWidget()->width(), m_paper->height());
            painted.append({static_cast<QPaintEvent *>(event)->region().boundingRect(), shown});
        }
        return false;
    }

    QList<QPair<QRect, QRect>> painted;

private:
    PaperWidget *m_paper;
};

bool hasColour(const QImage &image, const QRect &area, const QColor &colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class TestRecorderWidget : public QObject
{
    Q_OBJECT

private slots:
    void controlsOfTheRecorder_data();
    void controlsOfTheRecorder();
    void setUpReseedsChance();
    void newestColumnsShowAtTheRightEdge();
    void thumbRangeRunsBackwards();
    void ileumInjectsAtLiveEndAfterScrollingBack();
    void heartScrollingStopsAndContinueRestores();
    void heartStopButtonThenContinue();
    void resetWipesThePaperButNotTheRuler();
    void scrolledAwayAndBackLosesNothing();
    void repaintsOnlyWhatShows();
    void screenKeepsUpWithThePaper();
    void paperFullQuestion_data();
    void paperFullQuestion();
    void dragOverPaperReportsItsX();
    void penStepsGrowThePaperWithoutTheRangeTest();
    void markTextsStandAroundOnePenX();
    void coloursHoldUnderADarkTheme();
    void textsPrintInTheirNamedFace_data();
    void textsPrintInTheirNamedFace();
};

void TestRecorderWidget::controlsOfTheRecorder_data()
{
    QTest::addColumn<bool>("heart");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QSize>("viewport");
    QTest::addColumn<QString>("printToolTip");
    QTest::newRow("heart") << true << QRect(8, 80, 345, 209) << QSize(337, 169) << QString();
    QTest::newRow("ileum") << false << QRect(16, 8, 521, 265) << QSize(497, 225)
                           << QStringLiteral("Print the recording ");
}

void TestRecorderWidget::controlsOfTheRecorder()
{
    QFETCH(bool, heart);
    QFETCH(QRect, frame);
    QFETCH(QSize, viewport);
    QFETCH(QString, printToolTip);
    RecorderWindow w(heart ? RecorderConfig::heart() : RecorderConfig::ileum());
    auto *fra = w.window.findChild<QGroupBox *>(QStringLiteral("FraPicture"));
    QVERIFY(fra);
    QCOMPARE(fra->title(), QStringLiteral("Recorder"));
    QCOMPARE(fra->geometry(), frame);
    auto *container = fra->findChild<QWidget *>(QStringLiteral("Pic_Continer"));
    QVERIFY(container);
    QCOMPARE(container->size(), viewport);
    auto *paper = container->findChild<PaperWidget *>(QStringLiteral("PicMain"));
    QVERIFY(paper);
    QCOMPARE(paper->geometry(), QRect(QPoint(0, 0), viewport));
    auto *bar = fra->findChild<QScrollBar *>(QStringLiteral("HScrPic"));
    QVERIFY(bar);
    // Directly under the viewport: 240 twips plus its height from the frame's top.
    QCOMPARE(bar->y(), Twips::toPixels(240) + viewport.height());
    QCOMPARE(bar->x(), container->x());
    QCOMPARE(bar->width(), viewport.width());
    QCOMPARE(bar->singleStep(), 1);
    QCOMPARE(bar->pageStep(), 1);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 0);

    auto *print = w.window.findChild<QPushButton *>(QStringLiteral("Cmd_Print"));
    QVERIFY(print);
    QCOMPARE(print->text(), QStringLiteral("&Print"));
    QCOMPARE(print->toolTip(), printToolTip);
    auto *stop = w.window.findChild<QPushButton *>(QStringLiteral("CmdPic_Stop"));
    auto *resume = w.window.findChild<QPushButton *>(QStringLiteral("CmdPic_Continue"));
    QCOMPARE(stop != nullptr, heart);
    QCOMPARE(resume != nullptr, heart);
    if (heart) {
        QCOMPARE(stop->toolTip(), QStringLiteral("Stop the recorder"));
        QVERIFY(!stop->icon().isNull());
        QVERIFY(stop->isEnabled());
        QCOMPARE(resume->text(), QStringLiteral("&Continue"));
        QCOMPARE(resume->toolTip(), QStringLiteral("Start the recorder"));
        QVERIFY(!resume->isEnabled());
    }
}

void TestRecorderWidget::setUpReseedsChance()
{
    FakeClock clock;
    clock.setSeconds(41000.5);
    ScriptedRandom random;
    RecorderWindow w(RecorderConfig::heart());
    QCOMPARE(random.seeds(), QVector<quint32>{41000500u});
}

void TestRecorderWidget::newestColumnsShowAtTheRightEdge()
{
    // The first injection after a load: the paper is 537 wide, its baseline
    // stretch from 487 to 507, the last 30 columns empty.
    RecorderWindow w(RecorderConfig::ileum());
    w.inject();
    QCOMPARE(w.recorder->paper()->geometry(), QRect(-40, 0, 537, 225));
    const QImage shown = w.viewportImage();
    const QColor ink = RecorderConfig::ileum().inkColour;
    QCOMPARE(shown.pixelColor(487 - 40, 185), ink);
    QCOMPARE(shown.pixelColor(507 - 40, 185), ink);
    QVERIFY(!hasColour(shown, QRect(508 - 40, 0, 29, 225), ink));
}

void TestRecorderWidget::thumbRangeRunsBackwards()
{
    RecorderWindow w(RecorderConfig::ileum());
    for (int i = 0; i < 14; ++i)
        w.inject();
    QScrollBar *bar = w.recorder->scrollBar();
    // Qt's range runs forwards: its values are the recorder's negated.
    QCOMPARE(bar->minimum(), -4);
    QCOMPARE(bar->maximum(), 0);
    QCOMPARE(bar->value(), 0);
    bar->setValue(-4);
    QCOMPARE(w.paperLeft(), 0);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(w.paperLeft(), -124);
    bar->setValue(0);
    QCOMPARE(w.paperLeft(), -560);
}

void TestRecorderWidget::ileumInjectsAtLiveEndAfterScrollingBack()
{
    RecorderWindow w(RecorderConfig::ileum());
    for (int i = 0; i < 14; ++i)
        w.inject();
    QScrollBar *bar = w.recorder->scrollBar();
    bar->setValue(-4);
    QCOMPARE(w.paperLeft(), 0);
    w.inject();
    // Drawn at the live end, 40 pixels on; the thumb stays where it was.
    QCOMPARE(w.paperLeft(), -600);
    QCOMPARE(bar->value(), -4);
    QCOMPARE(w.viewportImage().pixelColor(w.paperWidth() - 50 - 600, 185), RecorderConfig::ileum().inkColour);
    bar->setValue(-2);
    QCOMPARE(w.paperLeft(), -248);
    bar->setValue(0);
    QCOMPARE(w.paperLeft(), -600);
}

void TestRecorderWidget::heartScrollingStopsAndContinueRestores()
{
    RecorderWindow w(RecorderConfig::heart());
    QSignalSpy stopped(w.recorder, &ChartRecorder::stopped);
    QSignalSpy continued(w.recorder, &ChartRecorder::continued);
    for (int i = 0; i < 400; ++i)
        w.beat(i % 4);
    const QPoint pen = w.recorder->paper()->pen();
    QCOMPARE(w.paperLeft(), -400);

    QScrollBar *bar = w.recorder->scrollBar();
    bar->setValue(-4);
    QCOMPARE(stopped.count(), 1);
    QVERIFY(!w.recorder->stopButton()->isEnabled());
    QVERIFY(w.recorder->continueButton()->isEnabled());
    QCOMPARE(w.paperLeft(), 0);
    // A stopped recorder only moves its paper: it reports the stop once.
    bar->setValue(-1);
    QCOMPARE(w.paperLeft(), -252);
    QCOMPARE(stopped.count(), 1);
    QCOMPARE(continued.count(), 0);

    w.recorder->continueButton()->click();
    QCOMPARE(bar->value(), 0);
    // Exactly where Stop found them, not the thumb's Min x ScrollUnit (336).
    QCOMPARE(w.paperLeft(), -400);
    QCOMPARE(w.recorder->paper()->pen(), pen);
    QCOMPARE(continued.count(), 1);
    QCOMPARE(stopped.count(), 1);
    QVERIFY(w.recorder->stopButton()->isEnabled());
    QVERIFY(!w.recorder->continueButton()->isEnabled());
}

void TestRecorderWidget::heartStopButtonThenContinue()
{
    RecorderWindow w(RecorderConfig::heart());
    QSignalSpy stopped(w.recorder, &ChartRecorder::stopped);
    QSignalSpy continued(w.recorder, &ChartRecorder::continued);
    for (int i = 0; i < 50; ++i)
        w.beat();
    w.recorder->stopButton()->click();
    QCOMPARE(stopped.count(), 1);
    QCOMPARE(continued.count(), 0);
    QCOMPARE(w.recorder->bookkeeping().StopPenX(), qint16(w.paperWidth() - 10));
    QCOMPARE(w.recorder->bookkeeping().StopPenY(), qint16(80));
    w.recorder->continueButton()->click();
    QCOMPARE(continued.count(), 1);
    QCOMPARE(stopped.count(), 1);
    QCOMPARE(w.paperLeft(), -50);
}

void TestRecorderWidget::resetWipesThePaperButNotTheRuler()
{
    RecorderWindow w(RecorderConfig::ileum());
    auto *ruler = new QLabel(w.recorder->paper());
    ruler->setObjectName(QStringLiteral("Picture1"));
    ruler->setAutoFillBackground(true);
    ruler->setStyleSheet(QStringLiteral("background: red;"));
    ruler->setGeometry(472, 2, 19, 221);
    for (int i = 0; i < 15; ++i)
        w.inject();
    w.recorder->scrollBar()->setValue(-2);

    w.recorder->RecorderReset();
    QCOMPARE(w.recorder->paper()->geometry(), QRect(0, 0, 497, 225));
    QCOMPARE(w.recorder->scrollBar()->minimum(), 0);
    QCOMPARE(w.recorder->scrollBar()->value(), 0);
    QCOMPARE(w.recorder->paper()->pen(), QPoint(0, 0));
    QCOMPARE(ruler->parentWidget(), w.recorder->paper());
    QCOMPARE(ruler->geometry(), QRect(472, 2, 19, 221));
    const QImage shown = w.viewportImage();
    QCOMPARE(shown.pixelColor(480, 100), QColor(Qt::red));
    QVERIFY(!hasColour(shown, QRect(0, 0, 470, 225), RecorderConfig::ileum().inkColour));
}

void TestRecorderWidget::scrolledAwayAndBackLosesNothing()
{
    RecorderWindow w(RecorderConfig::heart());
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.recorder->paper()->drawText(QPoint(240, 5), QStringLiteral("60BHR"));
    for (int i = 0; i < 500; ++i)
        w.beat(i % 4);
    const QImage liveEnd = w.viewportImage();
    QScrollBar *bar = w.recorder->scrollBar();
    bar->setValue(bar->minimum());
    const QImage start = w.viewportImage();
    QVERIFY(start != liveEnd);
    w.window.hide();
    bar->setValue(-2);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    bar->setValue(bar->minimum());
    QCOMPARE(w.viewportImage(), start);
    w.recorder->continueButton()->click();
    QCOMPARE(w.viewportImage(), liveEnd);
}

void TestRecorderWidget::repaintsOnlyWhatShows()
{
    RecorderWindow w(RecorderConfig::heart());
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    PaintWatch watch(w.recorder->paper());
    for (int i = 0; i < 1500; ++i) {
        w.beat(i % 4);
        QCoreApplication::processEvents();
    }
    QVERIFY(!watch.painted.isEmpty());
    // What a beat changed: the column the paper grew by and the stroke ten
    // pixels before it, not the whole viewport again. At a fractional ratio
    // a pixel's move is no whole number of device pixels: Qt cannot shift
    // what the screen holds and repaints what shows.
    const qreal ratio = w.recorder->paper()->devicePixelRatioF();
    const int widest = ratio == qFloor(ratio) ? 11 : w.recorder->viewport()->width();
    for (const auto &[painted, shown] : std::as_const(watch.painted)) {
        QVERIFY2(painted.width() <= widest, qPrintable(QStringLiteral("painted %1 px").arg(painted.width())));
        QVERIFY2(shown.contains(painted),
                 qPrintable(QStringLiteral("painted %1 px from %2 with %3 to %4 shown")
                                .arg(painted.width())
                                .arg(painted.left())
                                .arg(shown.left())
                                .arg(shown.right())));
    }
}

void TestRecorderWidget::screenKeepsUpWithThePaper()
{
    // The screen keeps what it showed and Qt shifts it as the paper moves:
    // after each move what the screen holds must be what a fresh paint of
    // the viewport gives.
    RecorderWindow w(RecorderConfig::ileum());
    auto *ruler = new QLabel(w.recorder->paper());
    ruler->setAutoFillBackground(true);
    ruler->setStyleSheet(QStringLiteral("background: red;"));
    ruler->setGeometry(472, 2, 19, 221);
    // This bare window leaves the Print button at its corner, over the paper.
    w.recorder->printButton()->move(600, 500);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QWidget *viewport = w.recorder->viewport();
    // Compared pixel by pixel, one for each pixel of the viewport: at a
    // fractional ratio the viewport starts part-way into a device pixel of
    // the window, so a fresh paint matches the screen at the middle of each
    // pixel, not at every device pixel.
    const auto onScreen = [&] {
        QCoreApplication::processEvents();
        const qreal ratio = w.window.devicePixelRatioF();
        // The whole screen: a window's own grab is cut to its size in pixels,
        // not in device pixels, at a fractional ratio.
        const QPoint corner = viewport->mapToGlobal(QPoint(0, 0));
        const QImage screen = w.window.screen()->grabWindow(0).toImage();
        QImage shown = screen.copy(QRect(qRound(corner.x() * ratio), qRound(corner.y() * ratio),
                                         qRound(viewport->width() * ratio), qRound(viewport->height() * ratio)));
        shown.setDevicePixelRatio(ratio);
        return onePerPixel(shown).convertToFormat(QImage::Format_RGB32);
    };
    const auto freshPaint = [&] { return w.viewportImage().convertToFormat(QImage::Format_RGB32); };

    for (int i = 0; i < 8; ++i) {
        w.inject();
        QCOMPARE(onScreen(), freshPaint());
    }
    for (int i = 0; i < 30; ++i) {
        w.beat(i % 4);
        QCOMPARE(onScreen(), freshPaint());
    }
    QScrollBar *bar = w.recorder->scrollBar();
    bar->setValue(bar->minimum());
    QCOMPARE(onScreen(), freshPaint());
    bar->setValue(bar->minimum() / 2);
    QCOMPARE(onScreen(), freshPaint());
    w.inject();
    QCOMPARE(onScreen(), freshPaint());
    w.recorder->RecorderReset();
    QCOMPARE(onScreen(), freshPaint());
    w.inject();
    QCOMPARE(onScreen(), freshPaint());
}

void TestRecorderWidget::paperFullQuestion_data()
{
    QTest::addColumn<bool>("heart");
    QTest::addColumn<MessageBoxes::Answer>("answer");
    QTest::addColumn<QString>("text");
    QTest::newRow("heart, Yes clears") << true << MessageBoxes::Answer::Yes
                                       << QStringLiteral("Recorder Memory is Full.  Clear Content ");
    QTest::newRow("ileum, No keeps") << false << MessageBoxes::Answer::No
                                     << QStringLiteral("Recorder Memory is full.  Clear Content ");
}

void TestRecorderWidget::paperFullQuestion()
{
    QFETCH(bool, heart);
    QFETCH(MessageBoxes::Answer, answer);
    QFETCH(QString, text);
    MessageBoxScript boxes;
    boxes.answerNext(answer);
    RecorderWindow w(heart ? RecorderConfig::heart() : RecorderConfig::ileum());
    QCOMPARE(w.recorder->askToClearFullPaper(), answer == MessageBoxes::Answer::Yes);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, text);
    QCOMPARE(boxes.last().title, QString());
    QCOMPARE(boxes.last().buttons, MessageBoxes::Buttons::YesNo);
    QCOMPARE(boxes.last().icon, MessageBoxes::Icon::None);
}

void TestRecorderWidget::dragOverPaperReportsItsX()
{
    RecorderWindow w(RecorderConfig::ileum());
    PaperWidget *paper = w.recorder->paper();
    paper->setAcceptDrops(true);
    QSignalSpy moved(paper, &PaperWidget::dragMovedOver);
    QMimeData data;
    QDragEnterEvent enter(QPoint(250, 40), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(paper, &enter);
    QDragMoveEvent move(QPoint(262, 41), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(paper, &move);
    QCOMPARE(moved.count(), 2);
    QCOMPARE(moved.at(1).at(0).toInt(), 262);
    QVERIFY(move.isAccepted());
}

void TestRecorderWidget::penStepsGrowThePaperWithoutTheRangeTest()
{
    RecorderWindow w(RecorderConfig::heart());
    const QColor ink = RecorderConfig::heart().inkColour;
    QScrollBar *bar = w.recorder->scrollBar();
    // More paper used than the 337 of the first range change: a pen step
    // still leaves the range alone, the next advance grows it.
    w.recorder->draw({Paper::AddUsed{338}, Paper::PenStep{65, 84}});
    QCOMPARE(w.paperWidth(), 338);
    QCOMPARE(bar->minimum(), 0);
    const QImage stepped = w.viewportImage();
    QCOMPARE(stepped.pixelColor(328 - 1, 65), ink);
    QCOMPARE(stepped.pixelColor(328 - 1, 84), ink);
    QVERIFY(!hasColour(stepped, QRect(328 - 1, 0, 1, 64), ink));

    w.recorder->draw({Paper::Advance{1}, Paper::Stroke{50, 80}});
    QCOMPARE(w.paperWidth(), 339);
    QCOMPARE(bar->minimum(), -4);
    const QImage stroked = w.viewportImage();
    QCOMPARE(stroked.pixelColor(329 - 2, 50), ink);
    QCOMPARE(stroked.pixelColor(329 - 2, 80), ink);
    QVERIFY(!hasColour(stroked, QRect(329 - 2, 81, 1, 88), ink));
}

void TestRecorderWidget::markTextsStandAroundOnePenX()
{
    RecorderWindow w(RecorderConfig::heart());
    const QColor ink = RecorderConfig::heart().inkColour;
    const Paper::Font font{QStringLiteral("arial"), 10.0, true};
    // The pen stands at the stroke's x, 327; printing the first text moves
    // it, but the second still stands 40 pixels left of 327.
    w.recorder->draw({Paper::Stroke{50, 80},
                      Paper::Mark{Paper::MarkColour::Ink,
                                  {{-40, 5, font, QStringLiteral("HHH")}, {-40, 120, font, QStringLiteral("HHH")}}}});
    const QImage shown = w.viewportImage();
    QVERIFY(hasColour(shown, QRect(287, 5, 8, 15), ink));
    QVERIFY(hasColour(shown, QRect(287, 120, 8, 15), ink));
    QVERIFY(!hasColour(shown, QRect(0, 120, 287, 20), ink));
    QVERIFY(!hasColour(shown, QRect(0, 5, 287, 15), ink));
}

void TestRecorderWidget::coloursHoldUnderADarkTheme()
{
    // A dark desktop theme swaps the light and dark colours of the palette;
    // the recordings keep white ink on their black and teal papers.
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Light})
        dark.setColor(role, QColor(30, 30, 30));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);

    const RecorderConfig heart = RecorderConfig::heart();
    const RecorderConfig ileum = RecorderConfig::ileum();
    QCOMPARE(heart.inkColour, QColor(Qt::white));
    QCOMPARE(heart.paperColour, QColor(Qt::black));
    QCOMPARE(ileum.inkColour, QColor(Qt::white));
    QCOMPARE(ileum.paperColour, QColor(0, 128, 128));
    RecorderWindow w(heart);
    const Paper::Font font{QStringLiteral("arial"), 10.0, true};
    w.recorder->draw(
        {Paper::Stroke{50, 80}, Paper::Mark{Paper::MarkColour::Highlight, {{-40, 5, font, QStringLiteral("HHH")}}}});
    const QImage shown = w.viewportImage();
    QVERIFY(hasColour(shown, QRect(287, 5, 8, 15), Qt::white));
    QApplication::setPalette(before);
}

void TestRecorderWidget::textsPrintInTheirNamedFace_data()
{
    QTest::addColumn<bool>("mark");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("heart mark, arial bold 10") << true << QStringLiteral("arial") << 10.0 << true;
    QTest::newRow("heart mark, arial 8") << true << QStringLiteral("arial") << 8.0 << false;
    QTest::newRow("ileum label, MS Sans Serif 8.25") << false << QStringLiteral("MS Sans Serif") << 8.25 << false;
}

void TestRecorderWidget::textsPrintInTheirNamedFace()
{
    QFETCH(bool, mark);
    QFETCH(QString, family);
    QFETCH(double, pointSize);
    QFETCH(bool, bold);
    const RecorderConfig config = RecorderConfig::heart();
    RecorderWindow w(config);
    const Paper::Font font{family, pointSize, bold};
    const QString text = QStringLiteral("Epi 95HR");
    // A fresh paper's pen stands at its top-left corner.
    if (mark)
        w.recorder->draw({Paper::Mark{Paper::MarkColour::Ink, {{40, 20, font, text}}}});
    else
        w.recorder->draw({Paper::Text{40, 20, font, text}});

    // The face the family's name alone gives, whatever stands in for a
    // missing one: no other face, size or weight.
    QFont named(family);
    named.setPointSizeF(pointSize);
    named.setBold(bold);
    PaperImage expected(337, 169, config.paperColour, config.inkColour);
    expected.drawText(QPoint(40, 20), text, named);
    QCOMPARE(w.recorder->paper()->image().tile(0), expected.tile(0));
}

QTEST_MAIN(TestRecorderWidget)
#include "tst_recorder_widget.moc"
