#include "ileum/model/ileum_state.h"
#include "ileum/ui/frm_ileum.h"
#include "ileum/ui/ileum_practical.h"
#include "shell/shell_fixture.h"
#include "widgets/help_engine.h"
#include "widgets/help_viewer.h"
#include "widgets/image_control.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_image.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using Mode = IleumPractical::Mode;

namespace {

const QString Plus = QStringLiteral("Cmd_updose");
const QString Minus = QStringLiteral("Cmd_downdose");

// A clock that notes, at each pause, whether the syringe was on show and had
// been painted.
class SyringeWatch final : public Clock
{
public:
    explicit SyringeWatch(QWidget *syringe)
        : m_syringe(syringe)
    {
        m_counter.install(syringe);
        Clock::setCurrent(this);
    }
    ~SyringeWatch() override { Clock::setCurrent(nullptr); }

    double secondsSinceMidnight() const override { return 36000.0; }
    void pause(int milliseconds) override
    {
        pauses.append(milliseconds);
        shownAndPainted.append(m_syringe->isVisible() && m_counter.paints > 0);
    }

    QVector<int> pauses;
    QVector<bool> shownAndPainted;

private:
    struct PaintCounter final : QObject
    {
        void install(QWidget *w) { w->installEventFilter(this); }
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                ++paints;
            return false;
        }
        int paints = 0;
    };

    QWidget *m_syringe;
    PaintCounter m_counter;
};

QRect rulerPlace(const IleumPractical &p)
{
    return p.control<QWidget>(QStringLiteral("Picture1"))->geometry();
}

} // namespace

class TestFrmIleum : public QObject
{
    Q_OBJECT

private slots:
    void loadShowsTheDoseResponsePhase_data();
    void loadShowsTheDoseResponsePhase();
    void controlTexts_data();
    void controlTexts();
    void controlsOfTheWindow();
    void boxesAndPicturesAreNamed();
    void instructionOpensTheIleumHelp();
    void firstInjectionDrawsItsColumns();
    void syringeShowsForASecondAtEveryClick();
    void doseButtons_data();
    void doseButtons();
    void typingStopsAtTheBoxLimit_data();
    void typingStopsAtTheBoxLimit();
    void invalidDoseDrawsNothing_data();
    void invalidDoseDrawsNothing();
    void matchingAssayStarts_data();
    void matchingAssayStarts();
    void standardAccepted();
    void standardRefused_data();
    void standardRefused();
    void matchingInjections_data();
    void matchingInjections();
    void calculatePanelCoversTheInjectPanel();
    void compute_data();
    void compute();
    void newAfterMatchingAssay();
    void handIn_data();
    void handIn();
    void returnShowsTheFrontPage();
    void rulerFollowsTheDragOverThePaper();
    void injectionAfterLookingBackShowsTheLiveEnd_data();
    void injectionAfterLookingBackShowsTheLiveEnd();
    void paperFull_data();
    void paperFull();
};

void TestFrmIleum::loadShowsTheDoseResponsePhase_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("leaveEnabled");
    QTest::newRow("Tutorial") << Mode::Tutorial << "Bioassay of histamine on the guinea-pig ileum - Tutorial Mode"
                              << true;
    QTest::newRow("Examination") << Mode::Examination
                                 << "Bioassay of histamine on the guinea-pig ileum - Examination Mode" << false;
}

void TestFrmIleum::loadShowsTheDoseResponsePhase()
{
    QFETCH(Mode, mode);
    QFETCH(QString, title);
    QFETCH(bool, leaveEnabled);
    IleumPractical p(mode);
    QVERIFY(p.window()->isVisible());
    QVERIFY(!WindowRegistry::find(WindowNames::IleumFront));
    QCOMPARE(p.window()->windowTitle(), title);
    QVERIFY(p.window()->closeRefused());
    QCOMPARE(WindowProbe::enabled(p.window(), "Cmd_New"), leaveEnabled);
    QCOMPARE(WindowProbe::enabled(p.window(), "Cmd_return"), leaveEnabled);
    QCOMPARE(p.text("Txt_Dose"), "0.1");
    QCOMPARE(WindowProbe::text(p.window(), "Lab_dose"), QStringLiteral("Dose   \u00B5g"));
    QCOMPARE(WindowProbe::text(p.window(), "Lab_drug"), "Histamine-Known");
    QCOMPARE(WindowProbe::text(p.window(), "Lab_stephelp"), "Choose a dose & Inject");
    QVERIFY(WindowProbe::shown(p.window(), "Cmd_inject") && WindowProbe::enabled(p.window(), "Cmd_inject"));
    QVERIFY(WindowProbe::shown(p.window(), "Cmd_MatchAssay"));
    QVERIFY(!WindowProbe::shown(p.window(), "Cmd_Calculate"));
    for (const char *panel : {"Frame_stddose", "Frame_Cmd_button", "Frame_Cal"})
        QVERIFY2(!WindowProbe::shown(p.window(), panel), panel);
    QVERIFY(!WindowProbe::shown(p.window(), "Img_inject"));
    // The strip of the worked examples, on a fresh 497 x 225 paper with the
    // ruler 25 pixels from its end.
    QCOMPARE(p.window()->assay().ZeroLevel(), qint16(182));
    QCOMPARE(p.window()->assay().Sensitivity(), 2.0f);
    QCOMPARE(p.paper().width(), 497);
    QCOMPARE(rulerPlace(p), QRect(472, 2, 19, 221));
    QCOMPARE(ShellFixture::practicals().ileum.Ileum_RecorderReady, quint8(1));
}

void TestFrmIleum::controlTexts_data()
{
    // Captions of buttons and labels, frame titles, and tooltips.
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("toolTip");
    QTest::addColumn<QString>("text");
    QTest::newRow("Cmd_updose caption") << "Cmd_updose" << false << QString("+");
    QTest::newRow("Cmd_downdose caption") << "Cmd_downdose" << false << QString("-");
    QTest::newRow("Cmd_inject caption") << "Cmd_inject" << false << QString("&Inject");
    QTest::newRow("Cmd_MatchAssay caption") << "Cmd_MatchAssay" << false << QString("  &Matching         Assay");
    QTest::newRow("Cmd_Calculate caption") << "Cmd_Calculate" << false << QString("&Calculate");
    QTest::newRow("Cmd_Print caption") << "Cmd_Print" << false << QString("&Print");
    QTest::newRow("Cmd_stddose caption") << "Cmd_stddose" << false << QString("&OK");
    QTest::newRow("Label2 caption") << "Label2" << false << QString("Dose :");
    QTest::newRow("Cmd_Std caption") << "Cmd_Std" << false << QString("&Standard");
    QTest::newRow("Cmd_HalfStd caption") << "Cmd_HalfStd" << false << QString("    &Half  Standard");
    QTest::newRow("Cmd_DoubleStd caption") << "Cmd_DoubleStd" << false << QString(" &Double Standard");
    QTest::newRow("Cmd_unknown caption") << "Cmd_unknown" << false << QString("&Unknown");
    QTest::newRow("Lab_stan caption") << "Lab_stan" << false << QString("mcg");
    QTest::newRow("Lab_half caption") << "Lab_half" << false << QString("mcg");
    QTest::newRow("Lab_doub caption") << "Lab_doub" << false << QString("mcg");
    QTest::newRow("lab_unk caption") << "lab_unk" << false << QString("ml");
    QTest::newRow("Lab_cal caption")
        << "Lab_cal" << false
        << QString("Enter the quantity of unknown used     to match the standard dose curve   : ");
    QTest::newRow("Cmd_Cal caption") << "Cmd_Cal" << false << QString("&Compute");
    QTest::newRow("Lab_Con caption") << "Lab_Con" << false
                                     << QString("Concentration of histamine in the unknown solution is : ");
    QTest::newRow("LabMcg caption") << "LabMcg" << false << QString("mcg/ml");
    QTest::newRow("Cmd_Next caption") << "Cmd_Next" << false << QString("Ne&Xt");
    QTest::newRow("Cmd_New caption") << "Cmd_New" << false << QString("&New");
    QTest::newRow("Cmd_return caption") << "Cmd_return" << false << QString("&Return");
    QTest::newRow("Cmd_Instruct caption") << "Cmd_Instruct" << false << QString("&Instruction");
    QTest::newRow("LabTitle caption")
        << "LabTitle" << false
        << QString("You are given a histamine solution of unknown concentration. Find out the concentration of "
                   "histamine using a guinea-pig ileum prepara- tion. Obtain a Dose-Response curve and carry out "
                   "matching assay.");
    QTest::newRow("FraTitle frame") << "FraTitle" << false << QString("Direction");
    QTest::newRow("Fra_Dose frame") << "Fra_Dose" << false << QString("Dose selection");
    QTest::newRow("Frame_stddose frame") << "Frame_stddose" << false << QString("Enter the dose of the standard curve");
    QTest::newRow("Frame_Cmd_button frame") << "Frame_Cmd_button" << false << QString("Inject");
    QTest::newRow("Frame_Cal frame") << "Frame_Cal" << false << QString("Calculation");
    QTest::newRow("Fra_CmdBar frame") << "Fra_CmdBar" << false << QString("Exit");
    QTest::newRow("Frame1 frame") << "Frame1" << false << QString("Help");
    QTest::newRow("FraPicture frame") << "FraPicture" << false << QString("Recorder");
    QTest::newRow("Fra_Setup frame") << "Fra_Setup" << false << QString("Set up");
    QTest::newRow("Cmd_updose tooltip") << "Cmd_updose" << true << QString("Click to double the dose");
    QTest::newRow("Cmd_downdose tooltip") << "Cmd_downdose" << true << QString("Click to halve the dose ");
    QTest::newRow("Cmd_MatchAssay tooltip") << "Cmd_MatchAssay" << true << QString("Start a matching assay");
    QTest::newRow("Cmd_Calculate tooltip")
        << "Cmd_Calculate" << true << QString("Calculate the unknown histamine concentration");
    QTest::newRow("Cmd_Print tooltip") << "Cmd_Print" << true << QString("Print the recording ");
    QTest::newRow("Cmd_Std tooltip") << "Cmd_Std" << true << QString("Inject the Std dose");
    QTest::newRow("Cmd_HalfStd tooltip") << "Cmd_HalfStd" << true << QString("Inject half the Std dose");
    QTest::newRow("Cmd_DoubleStd tooltip") << "Cmd_DoubleStd" << true << QString("Inject double the Std dose");
    QTest::newRow("Cmd_unknown tooltip") << "Cmd_unknown" << true
                                         << QString("Inject unknown (select the dose in ml first)");
    QTest::newRow("Cmd_Next tooltip") << "Cmd_Next" << true << QString("Exit & Do next step");
    QTest::newRow("Cmd_New tooltip") << "Cmd_New" << true << QString("Start new experiment");
    QTest::newRow("Cmd_return tooltip") << "Cmd_return" << true << QString("Return to main menu");
    QTest::newRow("Cmd_Instruct tooltip") << "Cmd_Instruct" << true << QString("Display help  ");
    QTest::newRow("Picture1 tooltip") << "Picture1" << true << QString("Drag to measure. 1 division = 0.25cm.");
}

void TestFrmIleum::controlTexts()
{
    QFETCH(QString, control);
    QFETCH(bool, toolTip);
    QFETCH(QString, text);
    IleumPractical p;
    if (toolTip)
        QCOMPARE(p.control<QWidget>(control)->toolTip(), text);
    else
        QCOMPARE(WindowProbe::text(p.window(), control), text);
}

void TestFrmIleum::controlsOfTheWindow()
{
    IleumPractical p;
    QCOMPARE(p.text("Txt_stddose"), QString());
    QCOMPARE(p.text("Txt_cal"), " ");
    QVERIFY(p.control<QLineEdit>("txt_con")->isReadOnly());
    for (const char *background : {"Cmd_Continer", "cmd_switches"})
        QVERIFY(!WindowProbe::enabled(p.window(), background));
    for (const char *picture : {"Img_setup", "Img_inject", "Img_tube", "Picture1"})
        QVERIFY2(p.control<QWidget>(picture), picture);
    QVERIFY(p.control<ImageControl>("Img_setup")->pictureLoaded());
    QVERIFY(p.control<ImageControl>("Img_inject")->pictureLoaded());
    QVERIFY(p.control<ImageControl>("Img_tube")->pictureLoaded());
    QCOMPARE(p.control<QWidget>("Picture1")->parentWidget(), p.window()->recorder()->paper());
}

void TestFrmIleum::boxesAndPicturesAreNamed()
{
    IleumPractical p;
    const QList<QPair<QString, QString>> names = {
        {"Txt_Dose", QStringLiteral("Dose \u00B5g")},
        {"Txt_stddose", "Dose"},
        {"Txt_cal", "Enter the quantity of unknown used to match the standard dose curve"},
        {"txt_con", "Concentration of histamine in the unknown solution is"},
        {"Picture1", "Drag to measure. 1 division = 0.25cm."},
        {"Img_setup", "Organ bath with the ileum strip and the lever"},
        {"Img_inject", "Syringe"},
        {"Img_tube", "Test tube of histamine solution"},
    };
    for (const auto &[name, accessible] : names)
        QCOMPARE(p.control<QWidget>(name)->accessibleName(), accessible);
    // The dose box is named by its label as the unit changes.
    p.acceptStandard("0.4");
    QCOMPARE(p.control<QWidget>("Txt_Dose")->accessibleName(), "Dose ml");
}

void TestFrmIleum::instructionOpensTheIleumHelp()
{
    IleumPractical p;
    p.click("Cmd_Instruct");
    HelpViewer *help = HelpEngine::viewer(QStringLiteral("ileum.hlp"));
    QVERIFY(help && help->isVisible());
    QVERIFY(help->pageFound());
}

void TestFrmIleum::firstInjectionDrawsItsColumns()
{
    IleumPractical p;
    for (int i = 0; i < 3; ++i)
        p.click(Plus);
    p.click("Cmd_inject");
    QCOMPARE(p.text("Txt_Dose"), "0.8");
    QCOMPARE(p.paper().width(), 537);
    QCOMPARE(p.paperPicture(), pictureOf(firstContraction(161, "0.8")));
    // The live end in view, the ruler 25 pixels from the paper's end.
    QCOMPARE(p.window()->recorder()->paper()->x(), -40);
    QCOMPARE(rulerPlace(p), QRect(512, 2, 19, 221));
    QCOMPARE(p.window()->focusWidget(), p.control<QWidget>("Txt_Dose"));
}

void TestFrmIleum::syringeShowsForASecondAtEveryClick()
{
    IleumPractical p;
    QVERIFY(QTest::qWaitForWindowExposed(p.window()));
    SyringeWatch watch(p.control<QWidget>("Img_inject"));
    p.click("Cmd_inject");
    p.type("Txt_Dose", "0");
    p.click("Cmd_inject");
    QCOMPARE(watch.pauses, (QVector<int>{1000, 1000}));
    QCOMPARE(watch.shownAndPainted, (QVector<bool>{true, true}));
    QVERIFY(!WindowProbe::shown(p.window(), "Img_inject"));
}

void TestFrmIleum::doseButtons_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("injected");
    QTest::newRow("+ three times from 0.1") << "0.1" << QStringList{Plus, Plus, Plus} << " .8"
                                            << "0.8";
    QTest::newRow("- from 0.1") << "0.1" << QStringList{Minus} << " .05"
                                << "0.05";
    QTest::newRow("- twice from 0.1 gives 0.025") << "0.1" << QStringList{Minus, Minus} << " .025"
                                                  << "0.025";
    QTest::newRow("+ past the four typed characters") << "6.4" << QStringList{Plus} << " 12.8"
                                                      << "12.8";
}

void TestFrmIleum::doseButtons()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, presses);
    QFETCH(QString, shown);
    QFETCH(QString, injected);
    IleumPractical p;
    p.type("Txt_Dose", typed);
    for (const QString &button : std::as_const(presses))
        p.click(button);
    QCOMPARE(p.text("Txt_Dose"), shown);
    QCOMPARE(WindowProbe::text(p.window(), "lab_unk"), shown + " ml");
    p.click("Cmd_inject");
    QCOMPARE(p.text("Txt_Dose"), injected);
}

void TestFrmIleum::typingStopsAtTheBoxLimit_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("dose, four characters") << QStringList() << "Txt_Dose"
                                           << "0.125"
                                           << "0.12";
    QTest::newRow("letters are refused") << QStringList() << "Txt_Dose"
                                         << "a1b.5"
                                         << "1.5";
    QTest::newRow("standard dose, five") << QStringList{"Cmd_MatchAssay"} << "Txt_stddose"
                                         << "0.3125"
                                         << "0.312";
    QTest::newRow("matching volume, five") << QStringList{"Cmd_MatchAssay", "Cmd_stddose", "Cmd_Calculate"} << "Txt_cal"
                                           << "0.3125"
                                           << "0.312";
}

void TestFrmIleum::typingStopsAtTheBoxLimit()
{
    QFETCH(QStringList, before);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    IleumPractical p;
    for (const QString &button : std::as_const(before)) {
        if (button == "Cmd_stddose")
            p.type("Txt_stddose", "0.4");
        p.click(button);
    }
    p.type(box, typed);
    QCOMPARE(p.text(box), kept);
    // Backspace still works at the limit.
    QTest::keyClick(p.control<QLineEdit>(box), Qt::Key_Backspace);
    QCOMPARE(p.text(box), kept.chopped(1));
}

void TestFrmIleum::invalidDoseDrawsNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty box") << "";
    QTest::newRow("lone point") << ".";
    QTest::newRow("zero") << "0.0";
}

void TestFrmIleum::invalidDoseDrawsNothing()
{
    QFETCH(QString, typed);
    IleumPractical p;
    const QRect ruler = rulerPlace(p);
    p.type("Txt_Dose", typed);
    p.click("Cmd_inject");
    // The ruler stays on the paper where the student left it.
    QCOMPARE(rulerPlace(p), ruler);
    QCOMPARE(p.boxes.count(), 1);
    QCOMPARE(p.boxes.last().text, " Invalid Dose  Enter a Proper Dose ");
    QCOMPARE(p.boxes.last().title, QString());
    QCOMPARE(p.boxes.last().buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(p.boxes.last().icon, MessageBoxes::Icon::None);
    // The syringe was shown all the same; the box keeps its normalised text.
    QCOMPARE(p.clock.pauses(), QVector<int>{1000});
    QCOMPARE(p.text("Txt_Dose"), "0");
    QCOMPARE(p.paperPicture(), pictureOf(blankIleumPaper(497)));
    QCOMPARE(p.window()->focusWidget(), p.control<QWidget>("Txt_Dose"));
}

void TestFrmIleum::matchingAssayStarts_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("calculateShown");
    QTest::newRow("Tutorial: Calculate shown, disabled") << Mode::Tutorial << true;
    QTest::newRow("Examination: never Calculate") << Mode::Examination << false;
}

void TestFrmIleum::matchingAssayStarts()
{
    QFETCH(Mode, mode);
    QFETCH(bool, calculateShown);
    IleumPractical p(mode);
    p.click("Cmd_MatchAssay");
    QVERIFY(p.window()->assay().MatchMode());
    QVERIFY(!WindowProbe::shown(p.window(), "Cmd_MatchAssay"));
    QVERIFY(WindowProbe::shown(p.window(), "Frame_stddose"));
    QVERIFY(!WindowProbe::enabled(p.window(), "Cmd_inject"));
    QCOMPARE(p.window()->focusWidget(), p.control<QWidget>("Txt_stddose"));
    QCOMPARE(WindowProbe::text(p.window(), "Lab_drug"), "Histamine-Unknown");
    QCOMPARE(WindowProbe::text(p.window(), "Lab_stephelp"), "Choose your standard curve");
    QCOMPARE(WindowProbe::shown(p.window(), "Cmd_Calculate"), calculateShown);
    QCOMPARE(p.control<QWidget>("Cmd_Calculate")->geometry(), p.control<QWidget>("Cmd_MatchAssay")->geometry());
    if (calculateShown)
        QVERIFY(!WindowProbe::enabled(p.window(), "Cmd_Calculate"));
    p.type("Txt_stddose", "0.4");
    p.click("Cmd_stddose");
    QCOMPARE(WindowProbe::shown(p.window(), "Cmd_Calculate"), calculateShown);
    if (calculateShown)
        QVERIFY(WindowProbe::enabled(p.window(), "Cmd_Calculate"));
}

void TestFrmIleum::standardAccepted()
{
    IleumPractical p;
    p.type("Txt_Dose", "3.2");
    p.acceptStandard("0.4");
    QCOMPARE(p.boxes.count(), 0);
    QCOMPARE(WindowProbe::text(p.window(), "Lab_stan"), "0.4 mcg");
    QCOMPARE(WindowProbe::text(p.window(), "Lab_half"), " .2 mcg");
    QCOMPARE(WindowProbe::text(p.window(), "Lab_doub"), " .8 mcg");
    QCOMPARE(p.text("Txt_Dose"), "0.1");
    QCOMPARE(WindowProbe::text(p.window(), "lab_unk"), "0.1 ml");
    QCOMPARE(WindowProbe::text(p.window(), "Lab_dose"), "Dose   ml");
    QCOMPARE(WindowProbe::text(p.window(), "Lab_stephelp"), "Inject std or unknown");
    QVERIFY(!WindowProbe::shown(p.window(), "Frame_stddose"));
    QVERIFY(WindowProbe::shown(p.window(), "Frame_Cmd_button"));
    QVERIFY(!WindowProbe::enabled(p.window(), "Cmd_inject"));
    QCOMPARE(p.window()->focusWidget(), p.control<QWidget>("Cmd_Std"));
    QCOMPARE(p.window()->assay().MatchVolume(), 0.32f);
}

void TestFrmIleum::standardRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty box") << "";
    QTest::newRow("reads 0") << "0";
}

void TestFrmIleum::standardRefused()
{
    QFETCH(QString, typed);
    IleumPractical p;
    p.acceptStandard(typed);
    QCOMPARE(p.boxes.count(), 1);
    QCOMPARE(p.boxes.last().text, " Invalid Dose.  Enter a Proper Dose ");
    QCOMPARE(p.boxes.last().icon, MessageBoxes::Icon::None);
    QVERIFY(WindowProbe::shown(p.window(), "Frame_stddose"));
    QVERIFY(!WindowProbe::shown(p.window(), "Frame_Cmd_button"));
    QCOMPARE(WindowProbe::text(p.window(), "Lab_stan"), "mcg");
    QCOMPARE(p.window()->focusWidget(), p.control<QWidget>("Txt_stddose"));
    QCOMPARE(p.window()->assay().MatchVolume(), 0.0f);
}

void TestFrmIleum::matchingInjections_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<int>("peak");
    QTest::addColumn<QString>("label");
    // Standard 0.4 ug, matched by 0.32 ml, on the strip of the worked examples.
    QTest::newRow("Standard") << "Cmd_Std"
                              << "0.1" << 166 << "Std ";
    QTest::newRow("Half Standard") << "Cmd_HalfStd"
                                   << "0.1" << 169 << QStringLiteral("\u00BD Std");
    QTest::newRow("Double Standard") << "Cmd_DoubleStd"
                                     << "0.1" << 161 << "2Std";
    QTest::newRow("0.1 ml of unknown") << "Cmd_unknown"
                                       << "0.1" << 172 << "u0.1";
    QTest::newRow("the matching 0.32 ml") << "Cmd_unknown"
                                          << "0.32" << 166 << "u0.32";
    QTest::newRow("0.02 ml: a contraction, no hump") << "Cmd_unknown"
                                                     << "0.02" << 173 << "u0.02";
}

void TestFrmIleum::matchingInjections()
{
    QFETCH(QString, button);
    QFETCH(QString, volume);
    QFETCH(int, peak);
    QFETCH(QString, label);
    IleumPractical p;
    p.acceptStandard("0.4");
    p.type("Txt_Dose", volume);
    QCOMPARE(WindowProbe::text(p.window(), "lab_unk"), volume + " ml");
    p.click(button);
    QCOMPARE(p.paperPicture(), pictureOf(firstContraction(peak, label)));
    QVERIFY(!p.window()->assay().StdPending());
}

void TestFrmIleum::calculatePanelCoversTheInjectPanel()
{
    IleumPractical p;
    p.acceptStandard("0.4");
    p.click("Cmd_Calculate");
    QCOMPARE(WindowProbe::text(p.window(), "Lab_stephelp"), QString());
    QVERIFY(!WindowProbe::enabled(p.window(), "Cmd_Calculate"));
    QVERIFY(WindowProbe::shown(p.window(), "Frame_Cal") && WindowProbe::enabled(p.window(), "Frame_Cal"));
    QVERIFY(WindowProbe::shown(p.window(), "Frame_Cmd_button"));
    QCOMPARE(p.window()->focusWidget(), p.control<QWidget>("Txt_cal"));
    auto *calculation = p.control<QWidget>("Frame_Cal");
    const QPoint middle = calculation->geometry().center();
    QWidget *onTop = p.window()->childAt(middle);
    QVERIFY(onTop == calculation || calculation->isAncestorOf(onTop));
}

void TestFrmIleum::compute_data()
{
    QTest::addColumn<QString>("volume");
    QTest::addColumn<bool>("computed");
    QTest::addColumn<QString>("concentration");
    QTest::addColumn<QString>("sum");
    QTest::newRow("0.4 / 0.32") << "0.32" << true << "1.25"
                                << "0.4/0.32 = ";
    QTest::newRow("0.4 / 0.3") << "0.3" << true << "1.333333"
                               << "0.4/0.3 = ";
    QTest::newRow("blank box") << " " << false << QString() << QString();
    QTest::newRow("reads 0: no infinity") << "0" << false << QString() << QString();
    QTest::newRow("lone point") << "." << false << QString() << QString();
}

void TestFrmIleum::compute()
{
    QFETCH(QString, volume);
    QFETCH(bool, computed);
    QFETCH(QString, concentration);
    QFETCH(QString, sum);
    IleumPractical p;
    p.acceptStandard("0.4");
    p.click("Cmd_Calculate");
    p.type("Txt_cal", volume);
    p.click("Cmd_Cal");
    QVERIFY(WindowProbe::shown(p.window(), "Frame_Cal"));
    for (const char *entry : {"Cmd_Cal", "Lab_cal", "Txt_cal"})
        QCOMPARE(WindowProbe::shown(p.window(), entry), !computed);
    for (const char *result : {"Lab_Con", "Label_cons", "txt_con", "LabMcg"})
        QCOMPARE(WindowProbe::shown(p.window(), result), computed);
    if (computed) {
        QCOMPARE(p.boxes.count(), 0);
        QCOMPARE(p.text("txt_con"), concentration);
        QCOMPARE(WindowProbe::text(p.window(), "Label_cons"), sum);
        return;
    }
    QCOMPARE(p.boxes.count(), 1);
    QCOMPARE(p.boxes.last().text, " Invalid Dose. Enter a Proper Dose ");
    QCOMPARE(p.window()->focusWidget(), p.control<QWidget>("Txt_cal"));
    // Another try with a proper volume.
    p.type("Txt_cal", "0.32");
    p.click("Cmd_Cal");
    QCOMPARE(p.text("txt_con"), "1.25");
}

void TestFrmIleum::newAfterMatchingAssay()
{
    IleumPractical p;
    p.click("Cmd_inject");
    p.acceptStandard("0.4");
    p.click("Cmd_Std");
    p.click("Cmd_Calculate");
    p.type("Txt_cal", "0.32");
    p.click("Cmd_Cal");

    // New draws the next strip afresh, from chance reseeded by the clock.
    p.clock.setSeconds(36100.5);
    const int seedsBefore = int(p.chance.seeds().size());
    p.click("Cmd_New");
    QVERIFY(p.chance.seeds().size() > seedsBefore);
    QCOMPARE(p.chance.seeds().last(), quint32(36100500));
    QVERIFY(WindowProbe::shown(p.window(), "Cmd_MatchAssay"));
    QVERIFY(WindowProbe::shown(p.window(), "Cmd_inject") && WindowProbe::enabled(p.window(), "Cmd_inject"));
    QVERIFY(!WindowProbe::shown(p.window(), "Cmd_Calculate"));
    for (const char *panel : {"Frame_stddose", "Frame_Cmd_button", "Frame_Cal"})
        QVERIFY2(!WindowProbe::shown(p.window(), panel), panel);
    QVERIFY(!WindowProbe::enabled(p.window(), "Frame_Cal"));
    // The calculation panel is ready for its entry again.
    for (const char *entry : {"Cmd_Cal", "Lab_cal", "Txt_cal"})
        QVERIFY2(!p.control<QWidget>(entry)->isHidden(), entry);
    for (const char *result : {"Lab_Con", "Label_cons", "txt_con", "LabMcg"})
        QVERIFY2(p.control<QWidget>(result)->isHidden(), result);
    QCOMPARE(p.text("Txt_stddose"), "0.4");
    QCOMPARE(WindowProbe::text(p.window(), "Lab_stan"), "0.4 mcg");
    QCOMPARE(p.text("Txt_Dose"), "0.1");
    QCOMPARE(WindowProbe::text(p.window(), "Lab_drug"), "Histamine-Known");
    QCOMPARE(WindowProbe::text(p.window(), "Lab_dose"), QStringLiteral("Dose   \u00B5g"));
    QCOMPARE(WindowProbe::text(p.window(), "Lab_stephelp"), "Choose a dose & Inject");
    QVERIFY(!p.window()->assay().MatchMode());
    QCOMPARE(p.window()->assay().MatchVolume(), 0.32f);
    // A new strip (the draws go on at 0.4: z = 181, k = 2.6) on a wiped paper.
    QCOMPARE(p.window()->assay().ZeroLevel(), qint16(181));
    QCOMPARE(p.window()->assay().Sensitivity(), 2.6f);
    QCOMPARE(p.paperPicture(), pictureOf(blankIleumPaper(497)));
    QCOMPARE(rulerPlace(p), QRect(472, 2, 19, 221));
    p.click("Cmd_inject");
    QCOMPARE(p.paper().width(), 537);
}

void TestFrmIleum::handIn_data()
{
    QTest::addColumn<QString>("standard");
    QTest::addColumn<float>("actual");
    QTest::addColumn<QString>("standardAfter");
    QTest::newRow("0.4 ug matched by 0.32 ml") << "0.4" << 1.25f << "0.4";
    QTest::newRow("no standard: the -1 hand-in") << QString() << -1.0f << "-1";
}

void TestFrmIleum::handIn()
{
    QFETCH(QString, standard);
    QFETCH(float, actual);
    QFETCH(QString, standardAfter);
    IleumPractical p(Mode::Examination);
    if (!standard.isNull())
        p.acceptStandard(standard);
    p.click("Cmd_Next");
    QCOMPARE(ShellFixture::practicals().ileum.Ileum_ActualConc, actual);
    QCOMPARE(p.text("Txt_stddose"), standardAfter);
    for (const char *locked : {"Cmd_MatchAssay", "Cmd_inject", "Cmd_Next", "Frame_Cmd_button", "Frame_stddose"})
        QVERIFY2(!WindowProbe::enabled(p.window(), locked), locked);
    FormWindow *scoring = WindowRegistry::find(WindowNames::IleumExam);
    QVERIFY(scoring && scoring->isVisible());
    QVERIFY(p.window()->isVisible());
    QVERIFY(!WindowRegistry::find(WindowNames::IleumQuestion));
}

void TestFrmIleum::returnShowsTheFrontPage()
{
    IleumPractical p;
    p.click("Cmd_inject");
    p.click("Cmd_return");
    FormWindow *front = WindowRegistry::find(WindowNames::IleumFront);
    QVERIFY(front && front->isVisible());
    QVERIFY(!WindowRegistry::find(WindowNames::Ileum));
    QCOMPARE(ShellFixture::practicals().ileum.Ileum_Mode, ileum::Mode::None);
    QCOMPARE(ShellFixture::practicals().ileum.Ileum_RecorderReady, quint8(0));
}

void TestFrmIleum::rulerFollowsTheDragOverThePaper()
{
    IleumPractical p;
    PaperWidget *paper = p.window()->recorder()->paper();
    QMimeData data;
    QDragEnterEvent enter(QPoint(400, 60), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(paper, &enter);
    QCOMPARE(rulerPlace(p), QRect(400, 2, 19, 221));
    QDragMoveEvent move(QPoint(131, 170), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(paper, &move);
    QCOMPARE(rulerPlace(p), QRect(131, 2, 19, 221));
    // Not part of the recording: nothing of it is on the paper.
    QCOMPARE(p.paperPicture(), pictureOf(blankIleumPaper(497)));
    // The next injection puts it back 25 pixels from the end.
    p.click("Cmd_inject");
    QCOMPARE(rulerPlace(p), QRect(512, 2, 19, 221));
}

void TestFrmIleum::injectionAfterLookingBackShowsTheLiveEnd_data()
{
    QTest::addColumn<QString>("dose");
    QTest::addColumn<int>("injections"); // recorded in all
    QTest::newRow("an injection") << "0.2" << 21;
    QTest::newRow("a refused injection") << "" << 20;
}

void TestFrmIleum::injectionAfterLookingBackShowsTheLiveEnd()
{
    QFETCH(QString, dose);
    QFETCH(int, injections);
    // Where the paper stands after the injections, watched at the live end.
    QPoint liveEnd;
    {
        IleumPractical p;
        for (int i = 0; i < injections; ++i)
            p.click("Cmd_inject");
        liveEnd = p.window()->recorder()->paper()->pos();
    }
    IleumPractical p;
    ChartRecorder *recorder = p.window()->recorder();
    // Enough injections for the scroll bar to reach back.
    for (int i = 0; i < 20; ++i)
        p.click("Cmd_inject");
    QVERIFY(recorder->scrollBar()->minimum() < recorder->scrollBar()->maximum());
    // The student scrolls back to look at the first contraction.
    recorder->scrollBar()->setValue(recorder->scrollBar()->minimum());
    QVERIFY(recorder->paper()->pos() != liveEnd);
    p.type("Txt_Dose", dose);
    p.click("Cmd_inject");
    QCOMPARE(recorder->paper()->pos(), liveEnd);
}

void TestFrmIleum::paperFull_data()
{
    QTest::addColumn<MessageBoxes::Answer>("answer");
    QTest::addColumn<int>("widthAfter");
    QTest::newRow("No keeps the full paper") << MessageBoxes::Answer::No << 16383;
    QTest::newRow("Yes reloads the window") << MessageBoxes::Answer::Yes << 497;
}

void TestFrmIleum::paperFull()
{
    QFETCH(MessageBoxes::Answer, answer);
    QFETCH(int, widthAfter);
    IleumPractical p;
    p.acceptStandard("0.4");
    // Without repainting the window the paper fills quickly: 398 injections
    // of 40 pixels take it from 497 to its limit of 16383.
    p.window()->hide();
    auto *unknown = p.control<QPushButton>("Cmd_unknown");
    for (int i = 0; i < 398; ++i)
        unknown->click();
    QVERIFY(p.window()->recorder()->IsPaperFull());
    QCOMPARE(p.boxes.count(), 0);
    const QImage full = p.paperPicture();
    const QRect ruler = rulerPlace(p);

    p.clock.setSeconds(36200.25);
    const int seedsBefore = int(p.chance.seeds().size());
    p.boxes.answerNext(answer);
    p.control<QPushButton>("Cmd_Std")->click();
    QCOMPARE(p.boxes.count(), 1);
    QCOMPARE(p.boxes.last().text, "Recorder Memory is full.  Clear Content ");
    QCOMPARE(p.boxes.last().buttons, MessageBoxes::Buttons::YesNo);
    QVERIFY(!p.window()->assay().StdPending());
    QCOMPARE(p.paper().width(), widthAfter);
    if (answer == MessageBoxes::Answer::No) {
        QCOMPARE(p.paperPicture(), full);
        QCOMPARE(rulerPlace(p), ruler);
        unknown->click();
        QCOMPARE(p.boxes.count(), 2);
        return;
    }
    QCOMPARE(p.paperPicture(), pictureOf(blankIleumPaper(497)));
    QVERIFY(!p.window()->assay().MatchMode());
    // The reload reseeds chance from the clock, as a first load does: the
    // clock after the syringe's second.
    QVERIFY(p.chance.seeds().size() > seedsBefore);
    QCOMPARE(p.chance.seeds().last(), quint32(36201250));
    QCOMPARE(WindowProbe::text(p.window(), "Lab_drug"), "Histamine-Known");
}

QTEST_MAIN(TestFrmIleum)
#include "tst_frm_ileum.moc"
