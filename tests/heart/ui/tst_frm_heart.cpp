#include "core/asset_paths.h"
#include "core/database/drug_file_layout.h"
#include "core/database/heart_drugs.h"
#include "heart/model/drug_positions.h"
#include "heart/model/heart_state.h"
#include "heart/ui/apparatus_picture.h"
#include "heart/ui/frm_heart_table.h"
#include "heart/ui/frm_question.h"
#include "heart/ui/heart_window_fixture.h"
#include "heart/ui/indicator_box.h"
#include "support/seams/run_folder.h"
#include "support/seams/timer_schedule.h"
#include "support/windows/results_pdf_check.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/text_grid.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtMath>

using namespace HeartFixture;
using namespace HeartWindowFixture;

namespace {

const QColor Green(0, 255, 0);

// The row of the indicator box that carries its green level line: the first
// row of box pixels whose middle is green in the device pixels the box holds.
int levelRow(const IndicatorBox *box)
{
    const QImage &image = box->image();
    const qreal ratio = image.devicePixelRatio();
    const int x = qFloor(IndicatorBox::Width / 2 * ratio);
    for (int y = 0; y < IndicatorBox::Height; ++y) {
        if (image.pixelColor(x, qFloor((y + 0.5) * ratio)) == Green)
            return y;
    }
    return -1;
}

// The heart window's Timer_Heart, lever1 and leverSwing played in simulated
// time, counting the lever's beats as the student sees them: the heart in
// systole coming back once per swing.
class LeverWatch
{
public:
    explicit LeverWatch(Frm_Heart *heart)
        : m_systole(control(heart->apparatus(), QStringLiteral("Img_hrtsys")))
    {
        for (QTimer *timer : {heart->beatTimer(), heart->leverTimer(), heart->swingTimer()}) {
            TimerSchedule::Timer played = TimerSchedule::of(timer);
            played.fire = [this, fire = played.fire] {
                fire();
                look();
            };
            m_schedule.add(std::move(played));
        }
    }

    int beatsIn(int ms)
    {
        m_beats = 0;
        m_schedule.run(ms);
        return m_beats;
    }

private:
    void look()
    {
        const bool systole = !m_systole->isHidden();
        if (systole && !m_wasSystole)
            ++m_beats;
        m_wasSystole = systole;
    }

    QWidget *m_systole;
    TimerSchedule m_schedule;
    int m_beats = 0;
    bool m_wasSystole = true;
};

} // namespace

class TestFrmHeart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HeartWindowFixture::setUp(); }
    void init() { m_boxes.clear(); }
    void cleanup() { TestWindows::unloadEverything(); }

    void tutorialOpensAtRest();
    void apparatusPaintsEveryDevicePixel();
    void timersKeepTheirPace();
    void injectionMarksThePaperAndShowsThePeakRate();
    void syringeIsPaintedBeforeTheSecondItIsShown();
    void leverSwingsFrameByFrame();
    void leverBeatsAtTheHeartsRate_data();
    void leverBeatsAtTheHeartsRate();
    void leverLineDrawnTwiceRestoresThePicture();
    void potassiumArrestStopsTheLeverUntilTheWashOut();
    void stopAndContinue_data();
    void stopAndContinue();
    void injectionWhileStoppedRunsTheRecorderAgain();
    void leavingForTableOrQuestionsKeepsTheRecording_data();
    void leavingForTableOrQuestionsKeepsTheRecording();
    void modelTableShowsItsGrid();
    void questionsOkAndReturnEndAtTheFrontPage_data();
    void questionsOkAndReturnEndAtTheFrontPage();
    void indicatorBoxesStayBlackUnderADarkTheme();
    void fullPaperQuestion_data();
    void fullPaperQuestion();
    void newStartsAFreshRecording();
    void boxesAreNamedByTheirLabels_data();
    void boxesAreNamedByTheirLabels();
    void brokenDrugFileLeavesTheFrontPageOpen_data();
    void brokenDrugFileLeavesTheFrontPageOpen();

private:
    FakeClock m_clock;
    ScriptedRandom m_random{{0.5f}};
    MessageBoxScript m_boxes;
};

void TestFrmHeart::apparatusPaintsEveryDevicePixel()
{
    // The apparatus paints all it covers (nothing behind it is painted): its
    // last device column and row on the screen show the picture's light
    // surround, never the black of a pixel nothing painted.
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    QVERIFY(QTest::qWaitForWindowExposed(heart));
    const ApparatusPicture *picture = heart->apparatus();
    const qreal ratio = heart->devicePixelRatioF();
    const QPoint corner = picture->mapToGlobal(QPoint(0, 0));
    const QPoint farCorner = picture->mapToGlobal(QPoint(picture->width(), picture->height()));
    const QRect device(QPoint(qRound(corner.x() * ratio), qRound(corner.y() * ratio)),
                       QPoint(qRound(farCorner.x() * ratio) - 1, qRound(farCorner.y() * ratio) - 1));
    const QImage screen = heart->screen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    const QColor unpainted(Qt::black);
    for (int y = device.top(); y <= device.bottom(); ++y)
        QVERIFY2(screen.pixelColor(device.right(), y) != unpainted, qPrintable(QStringLiteral("row %1").arg(y)));
    for (int x = device.left(); x <= device.right(); ++x)
        QVERIFY2(screen.pixelColor(x, device.bottom()) != unpainted, qPrintable(QStringLiteral("column %1").arg(x)));
}

void TestFrmHeart::tutorialOpensAtRest()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    QVERIFY(heart->isVisible());
    QVERIFY(!WindowRegistry::find(WindowNames::HeartFront));
    QCOMPARE(heart->windowTitle(), QStringLiteral("Effects of Drugs on the Frog Heart  -  Tutorial Mode "));
    QCOMPARE(text(heart, "lbl_warning"), QStringLiteral("Wait till the heart stabilizes; Then inject"));
    QCOMPARE(text(heart, "Lab_drugname"), QStringLiteral("None"));
    QCOMPARE(text(heart, "Txt_Dose"), QStringLiteral("5"));
    QCOMPARE(text(heart, "Lab_DDose"), QStringLiteral("\u00B5g"));
    QCOMPARE(control<QComboBox>(heart, "Combo_Drug")->count(), 8);
    QVERIFY(control<QGroupBox>(heart, "Help_frame")->isVisible());
    QCOMPARE(control<QGroupBox>(heart, "Fra_CmdBar")->x(), 272);

    // Inject waits for the first wash-out, on the 76th tick.
    QVERIFY(!enabled(heart, "Cmd_inject"));
    ticks(heart, 75);
    QVERIFY(!enabled(heart, "Cmd_inject"));
    ticks(heart, 1);
    QVERIFY(enabled(heart, "Cmd_inject"));
    QCOMPARE(text(heart, "lbl_warning"), QStringLiteral("Choose a drug and inject"));
    QCOMPARE(text(heart, "Txt_BHR"), QStringLiteral("75"));
    QCOMPARE(levelRow(heart->heartRateBox()), 14);
    QCOMPARE(levelRow(heart->toneBox()), 14);
}

void TestFrmHeart::timersKeepTheirPace()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    // Ten beats a second move the paper 10 pixels a second.
    QVERIFY(heart->beatTimer()->isActive());
    QCOMPARE(heart->beatTimer()->interval(), 100);
    QCOMPARE(heart->beatTimer()->timerType(), Qt::PreciseTimer);
    QVERIFY(heart->leverTimer()->isActive());
    QCOMPARE(heart->leverTimer()->interval(), 500);

    const int before = heart->recorder()->bookkeeping().paperWidth();
    ticks(heart, 10);
    QCOMPARE(heart->recorder()->bookkeeping().paperWidth(), before + 10);

    // A rest swing of 500 twips is 64 steps, shown three a frame in 22
    // frames of 20 ms: about half a second, over before the next lever tick.
    QMetaObject::invokeMethod(heart->leverTimer(), "timeout");
    QVERIFY(heart->swingTimer()->isActive());
    QCOMPARE(heart->swingTimer()->interval(), 20);
}

void TestFrmHeart::injectionMarksThePaperAndShowsThePeakRate()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    settle(heart);
    const PaperImage &paper = heart->recorder()->paper()->image();
    const int penX = heart->recorder()->paper()->pen().x();
    // The basal rate's label stands above the band, the drug's key below it.
    const QRect aboveBand(penX - 25, 0, 25, 30);
    const QRect belowBand(penX - 12, 110, 12, 45);
    QCOMPARE(markedPixels(paper, aboveBand), 0);
    QCOMPARE(markedPixels(paper, belowBand), 0);

    inject(heart, Epi);
    QVERIFY(markedPixels(paper, aboveBand) > 0);
    QVERIFY(markedPixels(paper, belowBand) > 0);
    QCOMPARE(text(heart, "Lab_drugname"), QStringLiteral("Epinephrine"));
    QCOMPARE(text(heart, "lbl_warning"), QStringLiteral("BHR - Basal Heart Rate(Control)"));
    QVERIFY(heart->apparatus()->syringeShown());
    QCOMPARE(levelRow(heart->heartRateBox()), 8);
    QCOMPARE(levelRow(heart->toneBox()), 14);
    for (const char *locked : {"CmdTable", "Cmd_Next", "Cmd_New", "cmd_help", "Cmd_Print"})
        QVERIFY2(!enabled(heart, locked), locked);

    // 75 + Int(11 x 0.5 + 15) beats/min, shown on the 41st tick.
    ticks(heart, 40);
    QCOMPARE(text(heart, "TxtHR_Drug"), QString());
    ticks(heart, 1);
    QCOMPARE(text(heart, "TxtHR_Drug"), QStringLiteral("95"));

    // The 76th tick washes the drug out.
    ticks(heart, 34);
    QCOMPARE(text(heart, "Lab_drugname"), QStringLiteral("Epinephrine"));
    ticks(heart, 1);
    QCOMPARE(text(heart, "Lab_drugname"), QStringLiteral("None"));
    QCOMPARE(text(heart, "lbl_lastdrug"), QStringLiteral("Epinephrine"));
    QVERIFY(enabled(heart, "CmdTable"));
    QVERIFY(enabled(heart, "Cmd_Print"));
    QCOMPARE(levelRow(heart->heartRateBox()), 14);
}

void TestFrmHeart::syringeIsPaintedBeforeTheSecondItIsShown()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    settle(heart);
    const QVector<int> before = m_clock.pauses();
    inject(heart, ACh);
    QCOMPARE(m_clock.pauses(), before);
    ticks(heart, 1);
    QCOMPARE(m_clock.pauses(), before + QVector<int>{1000});
    QVERIFY(!heart->apparatus()->syringeShown());
    ticks(heart, 1);
    QCOMPARE(m_clock.pauses().size(), before.size() + 1);
}

void TestFrmHeart::leverSwingsFrameByFrame()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    ticks(heart, 1); // the first beat gives the lever its rest swing
    const ApparatusPicture *picture = heart->apparatus();

    QMetaObject::invokeMethod(heart->leverTimer(), "timeout");
    QVERIFY(heart->experiment().state().lever.swinging());
    QVERIFY(heart->swingTimer()->isActive());
    QVERIFY(picture->image() != picture->plainPicture());

    // A lever tick during the swing waits for it.
    QMetaObject::invokeMethod(heart->leverTimer(), "timeout");
    QVERIFY(heart->swingTimer()->isActive());

    // 64 steps, three a frame.
    int frames = 0;
    while (heart->experiment().state().lever.lastneedle() == 0 && frames < 100) {
        QMetaObject::invokeMethod(heart->swingTimer(), "timeout");
        ++frames;
    }
    QCOMPARE(frames, 22);
    QCOMPARE(heart->experiment().state().lever.lastneedle(), 4263);
    // The waiting tick started the next swing as this one ended.
    QVERIFY(heart->experiment().state().lever.swinging());
    QVERIFY(heart->swingTimer()->isActive());
    for (int i = 0; i < 22; ++i)
        QMetaObject::invokeMethod(heart->swingTimer(), "timeout");
    QVERIFY(!heart->experiment().state().lever.swinging());
    QVERIFY(!heart->swingTimer()->isActive());

    // Only the resting line is left: taking it away gives the plain picture.
    heart->apparatus()->toggleLeverLine(4263);
    QCOMPARE(picture->image(), picture->plainPicture());
}

void TestFrmHeart::leverBeatsAtTheHeartsRate_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("intervalMs");
    QTest::addColumn<int>("beatMs");

    // The basal rate is 75. Epinephrine's interval is shorter than a swing
    // can be shown in: the lever beats as fast as its four frames allow.
    QTest::newRow("epinephrine: 95 beats/min, every 500 / 95 ms")
        << int(Epi) << 5 << Heart::HeartLever::MinFrames * Heart::HeartLever::FrameMs;
    QTest::newRow("acetylcholine: 47 beats/min, every 735 ms") << int(ACh) << 735 << 735;
}

void TestFrmHeart::leverBeatsAtTheHeartsRate()
{
    QFETCH(int, p);
    QFETCH(int, intervalMs);
    QFETCH(int, beatMs);

    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    settle(heart);
    // Seven seconds at rest, then seven under the drug, which still acts at
    // their end.
    constexpr int StretchMs = 7000;
    LeverWatch watch(heart);
    const int restBeats = watch.beatsIn(StretchMs);
    inject(heart, p);
    QCOMPARE(heart->leverTimer()->interval(), intervalMs);
    const int drugBeats = watch.beatsIn(StretchMs);

    // About 60000 / interval a minute where a swing fits the interval; a
    // beat may be lost at either end of the stretch.
    QVERIFY2(qAbs(restBeats - StretchMs / 500.0) < 2.0, QByteArray::number(restBeats));
    QVERIFY2(qAbs(drugBeats - double(StretchMs) / beatMs) < 2.0, QByteArray::number(drugBeats));
    if (intervalMs < 500)
        QVERIFY(drugBeats > restBeats);
    else
        QVERIFY(drugBeats < restBeats);
}

void TestFrmHeart::leverLineDrawnTwiceRestoresThePicture()
{
    ApparatusPicture picture(nullptr);
    picture.toggleLeverLine(3750);
    QVERIFY(picture.image() != picture.plainPicture());
    picture.toggleLeverLine(3750);
    QCOMPARE(picture.image(), picture.plainPicture());
}

void TestFrmHeart::potassiumArrestStopsTheLeverUntilTheWashOut()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    settle(heart);
    const ChartRecorder *recorder = heart->recorder();
    const int width = recorder->bookkeeping().paperWidth();
    inject(heart, KCl);
    QVERIFY(!heart->leverTimer()->isActive());
    QCOMPARE(text(heart, "TxtHR_Drug"), QStringLiteral("1"));
    // The arrest's four pen steps, the last from 82 to 85 ten pixels from
    // the paper's end.
    QCOMPARE(recorder->bookkeeping().paperWidth(), width + 4);
    const PaperImage &paper = recorder->paper()->image();
    // (The mark's texts lie above and below the band.)
    const QRect lastStep(width + 4 - 10, 40, 1, 70);
    QCOMPARE(markedPixels(paper, lastStep), 4);
    QCOMPARE(markedPixels(paper, QRect(lastStep.x(), 82, 1, 4)), 4);
    ticks(heart, 76);
    QVERIFY(heart->leverTimer()->isActive());
    QCOMPARE(heart->leverTimer()->interval(), 500);

    // Epinephrine's faster heart drives the lever every 500 / 95 ms.
    inject(heart, Epi);
    QCOMPARE(heart->leverTimer()->interval(), 5);
}

void TestFrmHeart::stopAndContinue_data()
{
    QTest::addColumn<bool>("byThumb");
    QTest::newRow("Stop button") << false;
    // Twice: a recorder already stopped keeps the help line it saved first.
    QTest::newRow("thumb moved back twice while running") << true;
}

void TestFrmHeart::stopAndContinue()
{
    QFETCH(bool, byThumb);
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    settle(heart);
    // Enough paper for the thumb's range to have grown.
    ticks(heart, 400);
    ChartRecorder *recorder = heart->recorder();
    const QPoint pen = recorder->paper()->pen();
    const int paperLeft = recorder->paper()->x();

    if (byThumb) {
        QScrollBar *bar = recorder->scrollBar();
        QVERIFY(bar->minimum() < 0);
        bar->setValue(bar->minimum());
        bar->setValue(bar->minimum() + 1);
    } else {
        QTest::mouseClick(recorder->stopButton(), Qt::LeftButton);
    }
    QVERIFY(!heart->beatTimer()->isActive());
    QCOMPARE(text(heart, "lbl_warning"), QStringLiteral("Click 'Continue' to run the recorder"));
    QVERIFY(enabled(heart, "CmdPic_Continue"));

    click(heart, "CmdPic_Continue");
    QVERIFY(heart->beatTimer()->isActive());
    QCOMPARE(recorder->paper()->pen(), pen);
    QCOMPARE(recorder->paper()->x(), paperLeft);
    QCOMPARE(text(heart, "lbl_warning"), QStringLiteral("Choose a drug and inject"));
}

void TestFrmHeart::injectionWhileStoppedRunsTheRecorderAgain()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    settle(heart);
    QTest::mouseClick(heart->recorder()->stopButton(), Qt::LeftButton);
    inject(heart, Epi);
    QVERIFY(heart->beatTimer()->isActive());
    QVERIFY(!enabled(heart, "CmdPic_Continue"));
    QVERIFY(enabled(heart, "CmdPic_Stop"));
    QCOMPARE(text(heart, "lbl_warning"), QStringLiteral("BHR - Basal Heart Rate(Control)"));
}

void TestFrmHeart::leavingForTableOrQuestionsKeepsTheRecording_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opened");

    QTest::newRow("Table") << "CmdTable" << WindowNames::HeartTable;
    QTest::newRow("Next") << "Cmd_Next" << WindowNames::HeartQuestion;
}

void TestFrmHeart::leavingForTableOrQuestionsKeepsTheRecording()
{
    QFETCH(QString, button);
    QFETCH(QString, opened);

    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    settle(heart);
    inject(heart, Epi);
    ticks(heart, 80);
    swingLever(heart);
    const int lastneedle = heart->experiment().state().lever.lastneedle();
    QVERIFY(lastneedle != 0);
    const int paperWidth = heart->recorder()->bookkeeping().paperWidth();
    const QImage lastTile = heart->recorder()->paper()->image().tile(0);
    // Halfway through the next swing.
    QMetaObject::invokeMethod(heart->leverTimer(), "timeout");
    for (int i = 0; i < 20; ++i)
        QMetaObject::invokeMethod(heart->swingTimer(), "timeout");

    click(heart, button);
    QVERIFY(heart->isHidden());
    FormWindow *window = WindowRegistry::find(opened);
    QVERIFY(window && window->isVisible());
    // The swing was finished before the window went.
    QVERIFY(!heart->experiment().state().lever.swinging());

    click(window, "Cmd_Ret");
    QVERIFY(heart->isVisible());
    QVERIFY(!WindowRegistry::find(opened));
    QCOMPARE(heart->recorder()->bookkeeping().paperWidth(), paperWidth);
    QCOMPARE(heart->recorder()->paper()->image().tile(0), lastTile);
    // The fresh picture got its lever line back at lastneedle, and only it.
    const int needle = heart->experiment().state().lever.lastneedle();
    QVERIFY(needle != 0);
    QCOMPARE(heart->experiment().state().lever.paintpic1, 0);
    heart->apparatus()->toggleLeverLine(needle);
    QCOMPARE(heart->apparatus()->image(), heart->apparatus()->plainPicture());
}

void TestFrmHeart::modelTableShowsItsGrid()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    click(heart, "CmdTable");
    auto *table = WindowRegistry::find<Frm_Heart_Table>(WindowNames::HeartTable);
    QVERIFY(table);
    QCOMPARE(table->windowTitle(), QStringLiteral("Vivosim -  Heart T1.01 "));
    QCOMPARE(text(table, "examno"), QStringLiteral("Model Table"));
    QCOMPARE(control<QPushButton>(table, "Cmd_Ret")->text(), QStringLiteral("&Return "));
    auto *grid = control<TextGrid>(table, "MsGrid_Table");
    QCOMPARE(grid->rows(), 3);
    QCOMPARE(grid->columns(), 5);
    QCOMPARE(grid->text(0, 2), QStringLiteral(" Heart Rate(beats/min)"));
    QCOMPARE(grid->text(2, 1), QStringLiteral("Epinephrine"));
    QCOMPARE(grid->textColour(), QColor(255, 0, 0));
    QCOMPARE(grid->font().family(), QStringLiteral("Arial"));
    const int letter = table->fontMetrics().horizontalAdvance(QLatin1Char('A'));
    QCOMPARE(grid->columnWidth(2), 20 * letter);
    QCOMPARE(grid->horizontalHeader()->height(), 2 * table->fontMetrics().height());
    QVERIFY(grid->editTriggers() == QAbstractItemView::NoEditTriggers);
    // The Tutorial's model table is no supervisor's record.
    QVERIFY(!ResultsPdfCheck::saveOffered(table));
}

void TestFrmHeart::questionsOkAndReturnEndAtTheFrontPage_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("questions' OK") << "questions";
    QTest::newRow("heart window's Return") << "return";
}

void TestFrmHeart::questionsOkAndReturnEndAtTheFrontPage()
{
    QFETCH(QString, path);

    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    if (path == QLatin1String("questions")) {
        click(heart, "Cmd_Next");
        auto *questions = WindowRegistry::find<Frm_Question>(WindowNames::HeartQuestion);
        QVERIFY(questions);
        QVERIFY(control<QGroupBox>(questions, "Frame_TutQuestions")->isVisible());
        QCOMPARE(control<QLabel>(questions, "Label_Q1")->text(),
                 QStringLiteral("1.   List cardiac stimulants and depressants ?"));
        click(questions, "Cmd_Done1");
    } else {
        click(heart, "Cmd_return");
    }
    // The Tutorial never asks for a password.
    QCOMPARE(m_boxes.count(), 0);
    QVERIFY(WindowRegistry::find(WindowNames::HeartFront));
    QVERIFY(!WindowRegistry::find(WindowNames::Heart));
    QVERIFY(!WindowRegistry::find(WindowNames::HeartQuestion));
    QCOMPARE(practical().Heart_Mode, Heart::Mode::None);
}

void TestFrmHeart::indicatorBoxesStayBlackUnderADarkTheme()
{
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    QApplication::setPalette(dark);
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    for (const IndicatorBox *box : {heart->heartRateBox(), heart->toneBox()})
        QCOMPARE(box->image().pixelColor(0, 0), QColor(Qt::black));
    QApplication::setPalette(before);
}

void TestFrmHeart::fullPaperQuestion_data()
{
    QTest::addColumn<bool>("clear");
    QTest::addColumn<int>("acting"); // the drug given before the paper filled; -1 none

    QTest::newRow("Yes at rest starts a new recording") << true << -1;
    QTest::newRow("Yes while a drug acts") << true << int(Epi);
    QTest::newRow("Yes during a calcium arrest") << true << int(CaCl);
    QTest::newRow("No leaves the recorder standing") << false << -1;
}

void TestFrmHeart::fullPaperQuestion()
{
    QFETCH(bool, clear);
    QFETCH(int, acting);

    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    settle(heart);
    swingLever(heart);
    if (acting >= 0) {
        inject(heart, acting);
        ticks(heart, 10);
        QVERIFY(!enabled(heart, "CmdTable"));
    }
    ChartRecorder *recorder = heart->recorder();
    recorder->GrowPaper(PaperBookkeeping::MaxPaperWidth);
    QVERIFY(recorder->IsPaperFull());

    m_boxes.answerNext(clear ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No);
    ticks(heart, 1);
    QCOMPARE(m_boxes.count(), 1);
    QCOMPARE(m_boxes.last().text, QStringLiteral("Recorder Memory is Full.  Clear Content "));
    QCOMPARE(heart->beatTimer()->isActive(), clear);
    QCOMPARE(recorder->IsPaperFull(), !clear);
    if (!clear)
        return;
    // As a fresh load leaves the window: the heart at rest, nothing locked
    // but Inject until the heart has settled, one lever line at most.
    QCOMPARE(recorder->bookkeeping().paperWidth(), recorder->bookkeeping().PaperStartWidth());
    QCOMPARE(text(heart, "lbl_warning"), QStringLiteral("Wait till the heart stabilizes; Then inject"));
    QCOMPARE(text(heart, "Lab_drugname"), QStringLiteral("None"));
    QCOMPARE(text(heart, "Txt_BHR"), QString());
    QVERIFY(!enabled(heart, "Cmd_inject"));
    for (const char *free : {"CmdTable", "Cmd_Next", "Cmd_New", "cmd_help", "Cmd_Print"})
        QVERIFY2(enabled(heart, free), free);
    QCOMPARE(heart->experiment().state().lever.paintpic1, 0);
    const int needle = heart->experiment().state().lever.lastneedle();
    QVERIFY(needle != Heart::HeartLever::CalciumArrestY);
    if (needle != 0)
        heart->apparatus()->toggleLeverLine(needle);
    QCOMPARE(heart->apparatus()->image(), heart->apparatus()->plainPicture());
}

void TestFrmHeart::newStartsAFreshRecording()
{
    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    settle(heart);
    inject(heart, Epi);
    ticks(heart, 76);
    click(heart, "Cmd_New");
    const ChartRecorder *recorder = heart->recorder();
    QCOMPARE(recorder->bookkeeping().paperWidth(), recorder->bookkeeping().PaperStartWidth());
    QCOMPARE(markedPixels(recorder->paper()->image(), QRect(0, 0, 337, 169)), 0);
    QCOMPARE(text(heart, "lbl_lastdrug"), QStringLiteral("None"));
    QCOMPARE(text(heart, "TxtHR_Drug"), QString());
    QVERIFY(heart->beatTimer()->isActive());
    QVERIFY(!enabled(heart, "Cmd_inject"));
}

void TestFrmHeart::boxesAreNamedByTheirLabels_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("peak rate") << "TxtHR_Drug"
                               << "During Peak Drug Action";
    QTest::newRow("basal rate") << "Txt_BHR"
                                << "Basal";
    QTest::newRow("dose") << "Txt_Dose"
                          << "Dose";
    QTest::newRow("drug list") << "Combo_Drug"
                               << "Drug";
    QTest::newRow("heart-rate indicator") << "Pic_HR_Graph"
                                          << "Heart Rate";
    QTest::newRow("tone indicator") << "PicToneGraph"
                                    << "Tone";
    QTest::newRow("return password") << "Txt_pwret"
                                     << "Password";
    QTest::newRow("drug level") << "ProBar_Time"
                                << "Current Drug Level";
    QTest::newRow("Stop, a picture button") << "CmdPic_Stop"
                                            << "Stop the recorder";
}

void TestFrmHeart::boxesAreNamedByTheirLabels()
{
    QFETCH(QString, control);
    QFETCH(QString, name);

    Frm_Heart *heart = startTutorial();
    QVERIFY(heart);
    QCOMPARE(HeartWindowFixture::control<QWidget>(heart, control)->accessibleName(), name);
}

void TestFrmHeart::brokenDrugFileLeavesTheFrontPageOpen_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: no file at all

    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("not a database") << QByteArray("These are not the drugs you are looking for.\n");
}

void TestFrmHeart::brokenDrugFileLeavesTheFrontPageOpen()
{
    QFETCH(QByteArray, contents);

    // A run folder with the program's pictures but this drug file.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(TestSeams::copyPicturesInto(folder.path()));
    const QString path = folder.filePath(heartDrugLayout().fileName);
    if (!contents.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    const QString expected = readHeartDrugs(path).error.studentMessage();
    QVERIFY(!expected.isEmpty());

    AssetPaths::setFolder(folder.path());
    Frm_Heart *heart = startTutorial();
    HeartWindowFixture::setUp(); // the run folder back for the next tests
    QVERIFY(!heart);
    QCOMPARE(m_boxes.count(), 1);
    QCOMPARE(m_boxes.last().text, expected);
    QVERIFY(WindowRegistry::find(WindowNames::HeartFront));
    QVERIFY(!WindowRegistry::find(WindowNames::Heart));
}

QTEST_MAIN(TestFrmHeart)
#include "tst_frm_heart.moc"
