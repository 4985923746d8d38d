#include "ileum/model/ileum_state.h"
#include "ileum/ui/frm_i_exam.h"
#include "ileum/ui/ileum_practical.h"
#include "shell/shell_fixture.h"
#include "support/windows/results_pdf_check.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Mode = IleumPractical::Mode;

namespace {

// Draws of the matching volume: 0.32 ml and 0.30 ml.
constexpr float MatchVolume030 = 0.33f;

// An examination handed in, with its scoring window open.
struct HandedIn
{
    // No standard: handed in without one.
    explicit HandedIn(const QString &standard = QString(), float matchVolumeDraw = MatchVolume032)
        : practical(Mode::Examination, {ZeroLevel182, Sensitivity2, matchVolumeDraw})
    {
        if (!standard.isNull())
            practical.acceptStandard(standard);
        practical.click(QStringLiteral("Cmd_Next"));
        window = WindowRegistry::find<Frm_I_Exam>(WindowNames::IleumExam);
    }

    template <class T> T *control(const QString &name) const { return WindowProbe::control<T>(window, name); }
    QString text(const QString &box) const { return WindowProbe::text(window, box); }
    bool shown(const QString &name) const { return WindowProbe::shown(window, name); }
    void click(const QString &button) { WindowProbe::click(window, button); }

    void enterStudentValue(const QString &typed)
    {
        auto *box = control<QLineEdit>(QStringLiteral("Txt_Cal_Con"));
        if (!typed.isNull()) {
            box->clear();
            QTest::keyClicks(box, typed);
        }
        click(QStringLiteral("com_student"));
    }

    void enterPassword(const QString &typed)
    {
        QTest::keyClicks(control<QLineEdit>(QStringLiteral("Txt_Pass")), typed);
        click(QStringLiteral("Cmd_pass"));
    }

    IleumPractical practical;
    Frm_I_Exam *window = nullptr;
};

} // namespace

class TestFrmIExam : public QObject
{
    Q_OBJECT

private slots:
    void loadShowsTheStudentPanel();
    void scores_data();
    void scores();
    void warningBlinksWithoutAStandard();
    void studentValueKeepsTheWindowInView();
    void passwords_data();
    void passwords();
    void enterDoesNotCheckThePassword();
    void okEndsThePractical();
    void supervisorSavesTheScores_data();
    void supervisorSavesTheScores();
};

void TestFrmIExam::loadShowsTheStudentPanel()
{
    HandedIn exam(QStringLiteral("0.4"));
    QVERIFY(exam.window && exam.window->isVisible());
    QCOMPARE(exam.window->windowTitle(), " ");
    QVERIFY(exam.window->closeRefused());
    // Centred on the 800 x 600 screen.
    QCOMPARE(exam.window->geometry(), QRect(165, 150, 470, 300));
    QVERIFY(exam.shown("Frame_Match"));
    QVERIFY(!exam.control<QWidget>("Frame_Password")->isVisible());
    QVERIFY(!exam.control<QWidget>("Fra_Super")->isVisible());
    QCOMPARE(exam.control<QGroupBox>("Frame_Match")->title(), " Enter the Concentration of Histamine ");
    QCOMPARE(exam.control<QGroupBox>("Frame_Password")->title(), " GateWay For   Supervisor  Mode");
    QCOMPARE(exam.control<QGroupBox>("Fra_Super")->title(), " Calculation of Error Ratio ");
    QCOMPARE(exam.control<QLabel>("Lab_Student_Con")->text(),
             "Enter the Histamine Concentration for the Given Solution");
    QCOMPARE(exam.control<QLabel>("Lab_Warning")->text(),
             "Warning !!  Experiment not                          conducted Properly");
    QCOMPARE(exam.text("Txt_Cal_Con"), " ");
    for (const char *score : {"Txt_cal", "Txt_Act", "Txt_err"}) {
        QCOMPARE(exam.text(score), " ");
        QVERIFY(exam.control<QLineEdit>(score)->isReadOnly());
    }
    QCOMPARE(exam.control<QWidget>("Txt_Cal_Con")->accessibleName(),
             "Enter the Histamine Concentration for the Given Solution");
    QCOMPARE(exam.control<QWidget>("Txt_Pass")->accessibleName(), "Password");
    QCOMPARE(exam.control<QWidget>("Txt_cal")->accessibleName(), "Concentration of Histamine Calculated by Student");
    QCOMPARE(exam.control<QWidget>("Txt_Act")->accessibleName(), "Actual Concentration of Histamine");
    QCOMPARE(exam.control<QWidget>("Txt_err")->accessibleName(), "Error Ratio");
    // The supervisor's entry shows blanks for what is typed, at most ten.
    auto *password = exam.control<QLineEdit>("Txt_Pass");
    QTest::keyClicks(password, "abcdefghijkl");
    QCOMPARE(password->text(), "abcdefghij");
    QCOMPARE(password->displayText(), QString(10, u' '));
    password->clear();
    // Six characters can be typed.
    exam.control<QLineEdit>("Txt_Cal_Con")->clear();
    QTest::keyClicks(exam.control<QLineEdit>("Txt_Cal_Con"), "1.234567");
    QCOMPARE(exam.text("Txt_Cal_Con"), "1.2345");
}

void TestFrmIExam::scores_data()
{
    QTest::addColumn<float>("matchVolumeDraw");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("student");
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("ratio");
    // A standard of 0.4 ug, matched by 0.32 ml (1.25 ug/ml) or by 0.30 ml.
    QTest::newRow("1.25 found exactly") << MatchVolume032 << "1.25"
                                        << "1.25"
                                        << "1.25"
                                        << "0";
    QTest::newRow("1 for 1.25") << MatchVolume032 << "1"
                                << "1"
                                << "1.25"
                                << "20";
    QTest::newRow("1.5 for 1.25") << MatchVolume032 << "1.5"
                                  << "1.5"
                                  << "1.25"
                                  << "-20";
    QTest::newRow("empty box") << MatchVolume032 << QString() << "0"
                               << "1.25"
                               << "100";
    // Worked from the value shown: the stored 1.3333334 would give 25.
    QTest::newRow("1 for 1.333333") << MatchVolume030 << "1"
                                    << "1"
                                    << "1.333333"
                                    << "24.99998";
}

void TestFrmIExam::scores()
{
    QFETCH(float, matchVolumeDraw);
    QFETCH(QString, typed);
    QFETCH(QString, student);
    QFETCH(QString, actual);
    QFETCH(QString, ratio);
    HandedIn exam(QStringLiteral("0.4"), matchVolumeDraw);
    exam.enterStudentValue(typed);
    exam.enterPassword(IleumPractical::Password);
    QVERIFY(exam.shown("Fra_Super"));
    QVERIFY(!exam.control<QWidget>("Frame_Password")->isVisible());
    QCOMPARE(exam.text("Txt_cal"), student);
    QCOMPARE(exam.text("Txt_Act"), actual);
    QCOMPARE(exam.text("Txt_err"), ratio);
    QVERIFY(!exam.control<QWidget>("Lab_Warning")->isVisible());
    QVERIFY(!exam.window->warningTimer()->isActive());
}

void TestFrmIExam::warningBlinksWithoutAStandard()
{
    HandedIn exam;
    QCOMPARE(ShellFixture::practicals().ileum.Ileum_ActualConc, -1.0f);
    exam.enterStudentValue(QStringLiteral("2"));
    exam.enterPassword(IleumPractical::Password);
    QCOMPARE(exam.text("Txt_cal"), "2");
    QCOMPARE(exam.text("Txt_Act"), " ");
    QCOMPARE(exam.text("Txt_err"), " ");
    auto *warning = exam.control<QWidget>("Lab_Warning");
    QVERIFY(warning->isVisible());
    QTimer *blink = exam.window->warningTimer();
    QVERIFY(blink->isActive());
    QCOMPARE(blink->interval(), 500);
    QMetaObject::invokeMethod(blink, "timeout");
    QVERIFY(!warning->isVisible());
    QMetaObject::invokeMethod(blink, "timeout");
    QVERIFY(warning->isVisible());
}

void TestFrmIExam::studentValueKeepsTheWindowInView()
{
    HandedIn exam(QStringLiteral("0.4"));
    const QPoint place = exam.window->pos();
    exam.enterStudentValue(QStringLiteral("1.2"));
    QCOMPARE(ShellFixture::practicals().ileum.Ileum_StudentConc, 1.2f);
    QVERIFY(!exam.control<QWidget>("Frame_Match")->isVisible());
    QVERIFY(exam.shown("Frame_Password"));
    QVERIFY(exam.window->isVisible());
    QVERIFY(exam.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!exam.window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(exam.window->pos(), place);
    exam.window->showMinimized();
    QVERIFY(!exam.window->isMinimized());
    // The experiment window waits behind it, handed in.
    QVERIFY(exam.practical.window()->isVisible());
}

void TestFrmIExam::passwords_data()
{
    QTest::addColumn<QStringList>("attempts");
    QTest::addColumn<int>("refusals");
    QTest::newRow("lower case with blanks") << QStringList{" sup1 "} << 0;
    QTest::newRow("as stored") << QStringList{"SUP1"} << 0;
    QTest::newRow("wrong, then wrong, then right") << QStringList{"sup", "sup12", "Sup1"} << 2;
    QTest::newRow("empty") << QStringList{""} << 1;
}

void TestFrmIExam::passwords()
{
    QFETCH(QStringList, attempts);
    QFETCH(int, refusals);
    HandedIn exam(QStringLiteral("0.4"));
    exam.enterStudentValue(QStringLiteral("1"));
    for (const QString &attempt : std::as_const(attempts))
        exam.enterPassword(attempt);
    QCOMPARE(exam.practical.boxes.count(), refusals);
    for (const MessageBoxes::Request &refused : exam.practical.boxes.asked()) {
        QCOMPARE(refused.text, "Invalid Passord ");
        QCOMPARE(refused.title, " Password Error ");
        QCOMPARE(refused.buttons, MessageBoxes::Buttons::Ok);
        QCOMPARE(refused.icon, MessageBoxes::Icon::None);
    }
    const bool opened = attempts.size() > refusals;
    QCOMPARE(exam.shown("Fra_Super"), opened);
    QCOMPARE(exam.control<QWidget>("Frame_Password")->isVisible(), !opened);
    if (!opened) {
        QCOMPARE(exam.text("Txt_Pass"), QString());
        QCOMPARE(exam.window->focusWidget(), exam.control<QWidget>("Txt_Pass"));
    }
}

void TestFrmIExam::enterDoesNotCheckThePassword()
{
    HandedIn exam(QStringLiteral("0.4"));
    exam.enterStudentValue(QStringLiteral("1"));
    auto *box = exam.control<QLineEdit>(QStringLiteral("Txt_Pass"));
    QTest::keyClicks(box, QStringLiteral("wrong"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(exam.practical.boxes.count(), 0);
    QCOMPARE(exam.text("Txt_Pass"), QStringLiteral("wrong"));
    QVERIFY(exam.shown("Frame_Password"));
    box->clear();
    exam.enterPassword(IleumPractical::Password);
    QVERIFY(exam.shown("Fra_Super"));
}

void TestFrmIExam::okEndsThePractical()
{
    HandedIn exam(QStringLiteral("0.4"));
    exam.enterStudentValue(QStringLiteral("1.25"));
    exam.enterPassword(IleumPractical::Password);
    exam.click(QStringLiteral("Cmd_ok"));
    FormWindow *front = WindowRegistry::find(WindowNames::IleumFront);
    QVERIFY(front && front->isVisible());
    QVERIFY(!WindowRegistry::find(WindowNames::IleumExam));
    QVERIFY(!WindowRegistry::find(WindowNames::Ileum));
    // The front page started a new practical.
    QCOMPARE(ShellFixture::practicals().ileum.Ileum_Mode, ileum::Mode::None);
    QCOMPARE(ShellFixture::practicals().ileum.Ileum_ActualConc, 0.0f);
    QCOMPARE(ShellFixture::practicals().ileum.Ileum_Password, QString());
}

void TestFrmIExam::supervisorSavesTheScores_data()
{
    QTest::addColumn<bool>("warning");
    QTest::newRow("scored: 1 for 1.25") << false;
    QTest::newRow("handed in without a standard: the warning") << true;
}

void TestFrmIExam::supervisorSavesTheScores()
{
    using namespace ResultsPdfCheck;
    QFETCH(bool, warning);
    if (!popplerAvailable())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    HandedIn exam(warning ? QString() : QStringLiteral("0.4"));
    QVERIFY(!saveOffered(exam.window));
    exam.enterStudentValue(QStringLiteral("1"));
    QVERIFY(!saveOffered(exam.window));
    exam.enterPassword(IleumPractical::Password);
    QVERIFY(saveOffered(exam.window));

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("ileum.pdf"));
    SaveScript saves;
    saves.answerNext(file);
    const QStringList boxes = {"Txt_cal", "Txt_Act", "Txt_err"};
    QStringList before;
    for (const QString &box : boxes)
        before << exam.text(box);
    exam.click(QStringLiteral("Cmd_SavePdf"));
    QCOMPARE(exam.practical.boxes.count(), 0);
    QStringList after;
    for (const QString &box : boxes)
        after << exam.text(box);
    QCOMPARE(after, before);
    QCOMPARE(exam.window->warningTimer()->isActive(), warning);

    const QString pdf = pdfText(file);
    QCOMPARE(pdfPageSizes(file).size(), 1);
    QVERIFY(pdf.contains(QLatin1String("Bioassay of Histamine on the Guinea-Pig Ileum")));
    QVERIFY(pdf.contains(QLatin1String("Examination Results")));
    QVERIFY(pdf.contains(QLatin1String("Calculation of Error Ratio")));
    QVERIFY(hasRow(pdf, {QStringLiteral("Concentration of Histamine Calculated by Student :"), QStringLiteral("1")}));
    if (!warning) {
        QVERIFY(hasRow(pdf, {QStringLiteral("Actual Concentration of Histamine :"), QStringLiteral("1.25")}));
        QVERIFY(hasRow(pdf, {QStringLiteral("Error Ratio :"), QStringLiteral("20")}));
    }
    QCOMPARE(pdf.contains(QLatin1String("Warning !! Experiment not conducted Properly")), warning);
}

QTEST_MAIN(TestFrmIExam)
#include "tst_frm_i_exam.moc"
