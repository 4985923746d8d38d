#include "heart/model/heart_state.h"
#include "ileum/model/ileum_state.h"
#include "oesophagus/model/oesophagus_state.h"
#include "rabbit/model/rabbit_state.h"
#include "shell/front_page.h"
#include "shell/logo_panel.h"
#include "shell/shell_fixture.h"
#include "widgets/help_engine.h"
#include "widgets/help_viewer.h"
#include "widgets/image_control.h"
#include "widgets/input_boxes.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

using ShellFixture::practicals;
using WindowProbe::click;

namespace {

// One experiment's front page as the student meets it.
struct Page
{
    QString window;
    QString caption;
    QString panel;
    bool panelByDoubleClick;
    QString tutorial, exam, exit;
    QString gateway, entry, ok, cancel;
    QString gatewayCaption;
    QChar mask;
    QString shortPasswordMessage;
    QString helpFile;
    QString experiment;
    QStringList destroyedOnLoad;
    // The practical's mode as a number, and its stored password.
    std::function<int()> mode;
    std::function<QString()> password;
    // Leaves the practical as a student who went half-way would: in an
    // examination, with a supervisor's password.
    std::function<void()> leaveInExamination;
    bool heartGateway;
};

QList<Page> pages()
{
    return {
        {WindowNames::HeartFront,
         "Vivosim - Heart T1.01",
         "Frm_logo",
         false,
         "Cmd_Tutorial",
         "cmd_exam",
         "Cmd_Exit",
         "Frame_Password",
         "Txt_PassWord",
         "Cmd_Ok_Password",
         "Cmd_Cancel_Password",
         "GateWay For Examination Mode",
         QLatin1Char('x'),
         "Invalid Password.  Password should be atleat 4 character ",
         "heart.hlp",
         WindowNames::Heart,
         {WindowNames::HeartQuestion, WindowNames::Heart, WindowNames::HeartTable},
         [] { return int(practicals().heart.Heart_Mode); },
         [] { return practicals().heart.Heart_Password; },
         [] {
             practicals().heart.Heart_Mode = Heart::Mode::Exam2;
             practicals().heart.Heart_Password = QStringLiteral("OLDPASS   ");
         },
         true},
        {WindowNames::IleumFront,
         " Vivosim - Ileum T1.00",
         "Frm_logo",
         true,
         "Cmd_Tut",
         "cmd_exam",
         "Cmd_quit",
         "Frame_Pass",
         "Txt_PassW",
         "Cmd_ok",
         "Cmd_Cancel",
         " GateWay For Examination Mode",
         QLatin1Char(' '),
         "Invalid Passord.  Password should be atleat 4 character ",
         "ileum.hlp",
         WindowNames::Ileum,
         {WindowNames::Ileum, WindowNames::IleumExam},
         [] { return int(practicals().ileum.Ileum_Mode); },
         [] { return practicals().ileum.Ileum_Password; },
         [] {
             practicals().ileum.Ileum_Mode = ileum::Mode::Examination;
             practicals().ileum.Ileum_Password = QStringLiteral("OLDPASS");
         },
         false},
        {WindowNames::OesoFront,
         " Vivosim-Oesophagus T1.00",
         "Frm_logo",
         true,
         "Cmd_Tut",
         "cmd_exam",
         "Cmd_quit",
         "Frame_Pass",
         "Txt_PassW",
         "Cmd_ok",
         "Cmd_Cancel",
         " GateWay For Examination Mode",
         QLatin1Char(' '),
         "Invalid Passord.  Password should be atleat 4 character ",
         "oesopha.hlp",
         WindowNames::Oesophagus,
         {WindowNames::Oesophagus, WindowNames::OesoTable, WindowNames::OesoQuestion},
         [] { return int(practicals().oesophagus.Oeso_Mode); },
         [] { return practicals().oesophagus.Oeso_Password; },
         [] {
             practicals().oesophagus.Oeso_Mode = Mod_Oeso::Mode::Examination;
             practicals().oesophagus.Oeso_Password = QStringLiteral("OLDPASS");
         },
         false},
        {WindowNames::RabbitFront,
         "Vivosim - Rabbit T1.01",
         "logo_frm",
         false,
         "Cmd_Tut",
         "cmd_exam",
         "Cmd_quit",
         "Frame_Pass",
         "Txt_PassW",
         "Cmd_ok",
         "Cmd_Cancel",
         " GateWay For Examination Mode",
         QLatin1Char('x'),
         "Invalid Passord.  Password should be atleast 4 character ",
         "rabbit.hlp",
         WindowNames::Rabbit,
         {WindowNames::Rabbit, WindowNames::RabbitTable},
         [] { return int(practicals().rabbit.Rab_Mode); },
         [] { return practicals().rabbit.Rab_Password; },
         [] {
             practicals().rabbit.Rab_Mode = Rab_eye::Mode::Examination;
             practicals().rabbit.Rab_Password = QStringLiteral("OLDPASS   ");
         },
         false},
    };
}

void addPageRows(bool withHeart = true)
{
    QTest::addColumn<Page>("page");
    for (const Page &p : pages()) {
        if (withHeart || !p.heartGateway)
            QTest::newRow(qPrintable(p.window)) << p;
    }
}

} // namespace

Q_DECLARE_METATYPE(Page)

class TestFrontPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ShellFixture::setUp(); }
    void init();
    void cleanup()
    {
        TestWindows::unloadEverything();
        m_boxes.reset();
    }

    void loadClearsThePractical_data() { addPageRows(); }
    void loadClearsThePractical();
    void logoPanel_data() { addPageRows(); }
    void logoPanel();
    void keysChooseNothingUnderThePanel_data() { addPageRows(); }
    void keysChooseNothingUnderThePanel();
    void tutorialEntersTheExperiment_data() { addPageRows(); }
    void tutorialEntersTheExperiment();
    void passwordRules_data();
    void passwordRules();
    void enterInTheEntryActsAsOk_data() { addPageRows(); }
    void enterInTheEntryActsAsOk();
    void heartModeThroughTheGateway();
    void otherPagesKeepModeZeroOnRefusal_data() { addPageRows(false); }
    void otherPagesKeepModeZeroOnRefusal();
    void eleventhCharacterCannotBeTyped_data() { addPageRows(); }
    void eleventhCharacterCannotBeTyped();
    void instructionAndExit_data() { addPageRows(); }
    void instructionAndExit();
    void missingPracticalSaysSo();
    void practicalThatCannotStartLeavesThePageOpen_data() { addPageRows(); }
    void practicalThatCannotStartLeavesThePageOpen();

private:
    FrontPage *openPage(const Page &page);
    void typePassword(FrontPage *window, const Page &page, const QString &entry);

    std::unique_ptr<MessageBoxScript> m_boxes;
};

void TestFrontPages::init()
{
    m_boxes = std::make_unique<MessageBoxScript>();
    QStringList experiments;
    for (const Page &p : pages())
        experiments << p.experiment << p.destroyedOnLoad;
    experiments.removeDuplicates();
    ShellFixture::defineStubs(experiments);
}

FrontPage *TestFrontPages::openPage(const Page &page)
{
    auto *window = qobject_cast<FrontPage *>(WindowRegistry::show(page.window));
    if (window)
        QMetaObject::invokeMethod(window->timer(), "timeout");
    return window;
}

void TestFrontPages::typePassword(FrontPage *window, const Page &page, const QString &entry)
{
    auto *box = window->findChild<EntryBox *>(page.entry);
    QVERIFY(box);
    box->setText(entry);
    click(window, page.ok);
}

void TestFrontPages::loadClearsThePractical()
{
    QFETCH(Page, page);
    for (const QString &name : page.destroyedOnLoad)
        WindowRegistry::show(name);
    page.leaveInExamination();
    FrontPage *window = openPage(page);
    QVERIFY(window);
    for (const QString &name : page.destroyedOnLoad)
        QCOMPARE(WindowRegistry::find(name), nullptr);
    QCOMPARE(page.mode(), 0);
    QCOMPARE(page.password().trimmed(), QString());
    QCOMPARE(window->windowTitle(), page.caption);
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(window->frameGeometry().center().x(), 399);
    QCOMPARE(m_boxes->count(), 0);
}

void TestFrontPages::keysChooseNothingUnderThePanel()
{
    QFETCH(Page, page);
    auto *window = qobject_cast<FrontPage *>(WindowRegistry::show(page.window));
    auto *panel = window->findChild<LogoPanel *>(page.panel);
    QVERIFY(panel->isVisible());
    // Space on whatever has the focus, the buttons' own letters, Tab on to
    // the next button, Return: each goes where the student's keys would.
    const auto press = [window](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *focus = window->focusWidget();
        QTest::keyClick(focus ? focus : window, key, modifiers);
    };
    press(Qt::Key_Space);
    press(Qt::Key_T, Qt::AltModifier);
    press(Qt::Key_E, Qt::AltModifier);
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    QCOMPARE(WindowRegistry::find(page.window), window);
    QVERIFY(panel->isVisible());
    QCOMPARE(page.mode(), 0);
    QVERIFY(!window->findChild<QGroupBox *>(page.gateway)->isVisible());
    QCOMPARE(WindowRegistry::find(page.experiment), nullptr);
    QCOMPARE(m_boxes->count(), 0);
}

void TestFrontPages::logoPanel()
{
    QFETCH(Page, page);
    auto *window = qobject_cast<FrontPage *>(WindowRegistry::show(page.window));
    auto *panel = window->findChild<LogoPanel *>(page.panel);
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(panel->geometry(), window->rect());
    QCOMPARE(window->timer()->interval(), 10000);

    // The panel's own click, or double-click on the ileum and oesophagus pages.
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(panel->isVisible(), page.panelByDoubleClick);
    QTest::mouseDClick(panel, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!panel->isVisible());

    // "Click to proceed" and the ten-second timer each hide a fresh panel.
    WindowRegistry::unload(page.window);
    window = qobject_cast<FrontPage *>(WindowRegistry::show(page.window));
    panel = window->findChild<LogoPanel *>(page.panel);
    auto *proceed = panel->findChild<ImageControl *>(QStringLiteral("Image3"));
    QCOMPARE(proceed->toolTip(), QStringLiteral("Click to proceed"));
    QTest::mouseClick(proceed, Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    WindowRegistry::unload(page.window);
    window = qobject_cast<FrontPage *>(WindowRegistry::show(page.window));
    panel = window->findChild<LogoPanel *>(page.panel);
    QMetaObject::invokeMethod(window->timer(), "timeout");
    QVERIFY(!panel->isVisible());
}

void TestFrontPages::tutorialEntersTheExperiment()
{
    QFETCH(Page, page);
    FrontPage *window = openPage(page);
    practicals().heart.Heart_Started = 1;
    click(window, page.tutorial);
    QCOMPARE(page.mode(), 1);
    QVERIFY(WindowRegistry::find(page.experiment));
    QVERIFY(WindowRegistry::find(page.experiment)->isVisible());
    QCOMPARE(WindowRegistry::find(page.window), nullptr);
    if (page.heartGateway)
        QCOMPARE(practicals().heart.Heart_Started, quint8(0));
}

void TestFrontPages::passwordRules_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("accepted");
    for (const Page &p : pages()) {
        const QByteArray name = p.window.toLatin1();
        QTest::newRow(name + ": three letters among blanks") << p << "  abc "
                                                             << "" << false;
        QTest::newRow(name + ": four lower-case letters") << p << "abcd"
                                                          << "ABCD" << true;
        QTest::newRow(name + ": inner blank kept") << p << "ab cd"
                                                   << "AB CD" << true;
        QTest::newRow(name + ": empty") << p << ""
                                        << "" << false;
    }
}

void TestFrontPages::passwordRules()
{
    QFETCH(Page, page);
    QFETCH(QString, entry);
    QFETCH(QString, stored);
    QFETCH(bool, accepted);
    FrontPage *window = openPage(page);
    click(window, page.exam);
    auto *gateway = window->findChild<QGroupBox *>(page.gateway);
    QVERIFY(gateway->isVisible());
    QCOMPARE(gateway->title(), page.gatewayCaption);
    auto *box = window->findChild<EntryBox *>(page.entry);
    QCOMPARE(box->maskCharacter(), page.mask);
    QCOMPARE(box->accessibleName(), QStringLiteral("Password"));
    QCOMPARE(window->focusWidget(), box);

    typePassword(window, page, entry);
    if (accepted) {
        QCOMPARE(m_boxes->count(), 0);
        QCOMPARE(page.password().trimmed(), stored);
        QCOMPARE(page.mode(), 2);
        QVERIFY(WindowRegistry::find(page.experiment));
        QCOMPARE(WindowRegistry::find(page.window), nullptr);
        if (page.heartGateway)
            QCOMPARE(page.password().size(), 10);
    } else {
        QCOMPARE(m_boxes->count(), 1);
        QCOMPARE(m_boxes->last().text, page.shortPasswordMessage);
        QCOMPARE(m_boxes->last().title, QStringLiteral(" Password Error "));
        QCOMPARE(m_boxes->last().buttons, MessageBoxes::Buttons::Ok);
        QCOMPARE(m_boxes->last().icon, MessageBoxes::Icon::None);
        QCOMPARE(box->text(), QString());
        QVERIFY(gateway->isVisible());
        QCOMPARE(WindowRegistry::find(page.experiment), nullptr);
    }
}

void TestFrontPages::enterInTheEntryActsAsOk()
{
    QFETCH(Page, page);
    FrontPage *window = openPage(page);
    click(window, page.exam);
    auto *box = window->findChild<EntryBox *>(page.entry);
    QTest::keyClicks(box, QStringLiteral("ab"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->last().text, page.shortPasswordMessage);
    QCOMPARE(box->text(), QString());
    QTest::keyClicks(box, QStringLiteral("abcd"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(page.password().trimmed(), QStringLiteral("ABCD"));
    QCOMPARE(page.mode(), 2);
    QVERIFY(WindowRegistry::find(page.experiment));
    QCOMPARE(WindowRegistry::find(page.window), nullptr);
}

void TestFrontPages::heartModeThroughTheGateway()
{
    const Page heart = pages().first();
    FrontPage *window = openPage(heart);
    auto *box = window->findChild<EntryBox *>(heart.entry);

    click(window, heart.exam);
    QCOMPARE(practicals().heart.Heart_Mode, Heart::Mode::Exam1);
    click(window, heart.cancel);
    QCOMPARE(practicals().heart.Heart_Mode, Heart::Mode::None);
    QVERIFY(window->findChild<QGroupBox *>(QStringLiteral("Frame_Mode"))->isVisible());

    // The heart page keeps what was typed when Examination is chosen again.
    box->setText(QStringLiteral("ab"));
    click(window, heart.exam);
    QCOMPARE(box->text(), QStringLiteral("ab"));
    click(window, heart.ok);
    QCOMPARE(practicals().heart.Heart_Mode, Heart::Mode::Exam1);
    QCOMPARE(practicals().heart.Heart_Password, QStringLiteral("          "));
    QVERIFY(window->findChild<QGroupBox *>(heart.gateway)->isVisible());
    click(window, heart.cancel);
    QCOMPARE(practicals().heart.Heart_Mode, Heart::Mode::None);
}

void TestFrontPages::otherPagesKeepModeZeroOnRefusal()
{
    QFETCH(Page, page);
    FrontPage *window = openPage(page);
    click(window, page.exam);
    typePassword(window, page, QStringLiteral("xyz"));
    QCOMPARE(page.mode(), 0);
    click(window, page.cancel);
    QCOMPARE(page.mode(), 0);
    // Examination clears what was typed before.
    window->findChild<EntryBox *>(page.entry)->setText(QStringLiteral("left"));
    click(window, page.exam);
    QCOMPARE(window->findChild<EntryBox *>(page.entry)->text(), QString());
}

void TestFrontPages::eleventhCharacterCannotBeTyped()
{
    QFETCH(Page, page);
    FrontPage *window = openPage(page);
    click(window, page.exam);
    auto *box = window->findChild<EntryBox *>(page.entry);
    box->clear();
    QTest::keyClicks(box, QStringLiteral("abcdefghijk"));
    QCOMPARE(box->text(), QStringLiteral("abcdefghij"));
    QCOMPARE(box->displayText(), QString(10, page.mask));
}

void TestFrontPages::instructionAndExit()
{
    QFETCH(Page, page);
    FrontPage *window = openPage(page);
    click(window, QStringLiteral("Cmd_Instruct"));
    QVERIFY(HelpEngine::viewer(page.helpFile));
    QVERIFY(HelpEngine::viewer(page.helpFile)->pageFound());
    click(window, page.exit);
    QVERIFY(WindowRegistry::find(WindowNames::Selection));
    QCOMPARE(WindowRegistry::find(page.window), nullptr);
}

void TestFrontPages::missingPracticalSaysSo()
{
    const Page rabbit = pages().last();
    TestWindows::unloadEverything();
    WindowRegistry::define(rabbit.experiment, nullptr);
    FrontPage *window = openPage(rabbit);
    click(window, rabbit.tutorial);
    QCOMPARE(m_boxes->count(), 1);
    QVERIFY(m_boxes->last().text.contains(QStringLiteral("not available yet")));
    QCOMPARE(practicals().rabbit.Rab_Mode, Rab_eye::Mode::None);
    QCOMPARE(WindowRegistry::find(rabbit.window), window);

    click(window, rabbit.exam);
    typePassword(window, rabbit, QStringLiteral("good pass"));
    QCOMPARE(m_boxes->count(), 2);
    QCOMPARE(practicals().rabbit.Rab_Mode, Rab_eye::Mode::None);
    QVERIFY(window->findChild<QGroupBox *>(QStringLiteral("Frame_Mode"))->isVisible());
}

void TestFrontPages::practicalThatCannotStartLeavesThePageOpen()
{
    QFETCH(Page, page);
    WindowRegistry::define(page.experiment, [name = page.experiment] { return new RefusingExperimentWindow(name); });
    FrontPage *window = openPage(page);
    click(window, page.tutorial);
    QCOMPARE(WindowRegistry::find(page.experiment), nullptr);
    QCOMPARE(WindowRegistry::find(page.window), window);
    QVERIFY(window->isVisible());
    click(window, page.exam);
    typePassword(window, page, QStringLiteral("abcd"));
    QCOMPARE(WindowRegistry::find(page.window), window);
    QVERIFY(window->isVisible());
}

QTEST_MAIN(TestFrontPages)
#include "tst_front_pages.moc"
