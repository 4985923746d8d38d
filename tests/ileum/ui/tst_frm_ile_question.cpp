#include "ileum/model/ileum_state.h"
#include "ileum/ui/ileum_practical.h"
#include "shell/shell_fixture.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_image.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

FormWindow *questions()
{
    return WindowRegistry::find(WindowNames::IleumQuestion);
}

// A Tutorial with a few contractions recorded, then Next.
struct AtTheQuestions
{
    AtTheQuestions()
    {
        for (const char *dose : {"0.2", "0.8", "3.2"}) {
            practical.type(QStringLiteral("Txt_Dose"), QString::fromLatin1(dose));
            practical.click(QStringLiteral("Cmd_inject"));
        }
        practical.acceptStandard(QStringLiteral("0.4"));
        practical.click(QStringLiteral("Cmd_Std"));
        recording = practical.paperPicture();
        practical.click(QStringLiteral("Cmd_Next"));
    }

    IleumPractical practical;
    QImage recording;
};

} // namespace

class TestFrmIleQuestion : public QObject
{
    Q_OBJECT

private slots:
    void nextShowsTheQuestions();
    void returnKeepsTheRecording();
    void okEndsThePractical();
};

void TestFrmIleQuestion::nextShowsTheQuestions()
{
    AtTheQuestions at;
    FormWindow *window = questions();
    QVERIFY(window && window->isVisible());
    QVERIFY(!at.practical.window()->isVisible());
    QCOMPARE(window->windowTitle(), " Vivosim - Ileum T1.00");
    QVERIFY(window->closeRefused());
    QCOMPARE(window->geometry(), QRect(100, 135, 600, 330));
    QCOMPARE(window->findChild<QGroupBox *>("Frame_TutQuestions")->title(), "Answer the following questions");
    const QStringList asked = {
        "1.  Define bioassay.  What is its importance ? ",
        "2.  What are the other types of assays you know of ? ",
        "3.  Name some modern instruments which are used to  assay the              concentration of drugs in "
        "body fluids such as blood ?",
        "4. What are the actions of histamine on the gastrointestinal tract ?",
    };
    for (int i = 0; i < asked.size(); ++i)
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Lab_Question%1").arg(i + 1))->text(), asked.at(i));
    QCOMPARE(window->findChild<QPushButton *>("Cmd_Done1")->text(), "&Ok");
    QCOMPARE(window->findChild<QPushButton *>("Cmd_return")->text(), "&Return");
}

void TestFrmIleQuestion::returnKeepsTheRecording()
{
    AtTheQuestions at;
    WindowProbe::click(questions(), "Cmd_return");
    QVERIFY(!questions());
    Frm_Ileum *window = at.practical.window();
    QVERIFY(window && window->isVisible());
    QCOMPARE(at.practical.paperPicture(), at.recording);
    QCOMPARE(at.practical.paper().width(), 497 + 4 * 40);
    QCOMPARE(window->recorder()->paper()->x(), -160);
    QVERIFY(window->findChild<QWidget *>("Frame_Cmd_button")->isVisible());
    QCOMPARE(at.practical.text("Txt_stddose"), "0.4");
    // The practical goes on where it was left, and Next asks again.
    at.practical.click("Cmd_unknown");
    QCOMPARE(at.practical.paper().width(), 497 + 5 * 40);
    at.practical.click("Cmd_Next");
    QVERIFY(questions() && questions()->isVisible());
}

void TestFrmIleQuestion::okEndsThePractical()
{
    AtTheQuestions at;
    WindowProbe::click(questions(), "Cmd_Done1");
    QVERIFY(!questions());
    QVERIFY(!WindowRegistry::find(WindowNames::Ileum));
    FormWindow *front = WindowRegistry::find(WindowNames::IleumFront);
    QVERIFY(front && front->isVisible());
    QCOMPARE(ShellFixture::practicals().ileum.Ileum_Mode, ileum::Mode::None);
    QCOMPARE(ShellFixture::practicals().ileum.Ileum_RecorderReady, quint8(0));
}

QTEST_MAIN(TestFrmIleQuestion)
#include "tst_frm_ile_question.moc"
