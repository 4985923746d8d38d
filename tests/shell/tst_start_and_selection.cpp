#include "shell/frm_selection.h"
#include "shell/frm_vivosim.h"
#include "shell/shell_fixture.h"
#include "widgets/help_engine.h"
#include "widgets/help_files.h"
#include "widgets/help_viewer.h"
#include "widgets/image_control.h"
#include "widgets/program_end.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

using WindowProbe::click;

class TestStartAndSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ShellFixture::setUp(); }
    void cleanup() { TestWindows::unloadEverything(); }
    void splashClickBeforeFirstTick();
    void splashTicks_data();
    void splashTicks();
    void splashIgnoresKeys();
    void splashIsCentredWithoutClose();
    void productHelpTopics_data();
    void productHelpTopics();
    void picturesOpenFrontPages_data();
    void picturesOpenFrontPages();
    void choosingAnExperimentClosesProductHelp();
    void chooserReturnsToTheSameSelection_data();
    void chooserReturnsToTheSameSelection();
    void chooserOpensInstructions_data();
    void chooserOpensInstructions();
    void quitEndsWithWindowsLoaded();
    void closingSelectionLastEndsTheProgram();
};

void TestStartAndSelection::splashClickBeforeFirstTick()
{
    auto *splash = qobject_cast<Frm_Vivosim *>(WindowRegistry::show(WindowNames::Splash));
    QVERIFY(splash);
    QCOMPARE(splash->windowTitle(), QStringLiteral("Vivosim"));
    QCOMPARE(splash->size(), QSize(668, 466));
    QPointer<QTimer> timer = splash->timer();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 20);
    QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(300, 200));
    QVERIFY(WindowRegistry::find(WindowNames::Selection));
    QVERIFY(WindowRegistry::find(WindowNames::Selection)->isVisible());
    QCOMPARE(WindowRegistry::find(WindowNames::Splash), nullptr);
    QVERIFY(timer.isNull() || !timer->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(timer.isNull());
}

void TestStartAndSelection::splashTicks_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("selectionShown");
    QTest::newRow("199th tick keeps the splash") << 199 << false;
    QTest::newRow("200th tick moves on") << 200 << true;
}

void TestStartAndSelection::splashTicks()
{
    QFETCH(int, ticks);
    QFETCH(bool, selectionShown);
    auto *splash = qobject_cast<Frm_Vivosim *>(WindowRegistry::show(WindowNames::Splash));
    for (int i = 0; i < ticks; ++i)
        QMetaObject::invokeMethod(splash->timer(), "timeout");
    QCOMPARE(WindowRegistry::find(WindowNames::Selection) != nullptr, selectionShown);
    QCOMPARE(WindowRegistry::find(WindowNames::Splash) == nullptr, selectionShown);
    if (!selectionShown)
        QCOMPARE(splash->splashTicks(), qint16(ticks));
}

void TestStartAndSelection::splashIgnoresKeys()
{
    FormWindow *splash = WindowRegistry::show(WindowNames::Splash);
    QTest::keyClick(splash, Qt::Key_Return);
    QTest::keyClick(splash, Qt::Key_Space);
    QCOMPARE(WindowRegistry::find(WindowNames::Splash), splash);
    QCOMPARE(WindowRegistry::find(WindowNames::Selection), nullptr);
}

void TestStartAndSelection::splashIsCentredWithoutClose()
{
    FormWindow *splash = WindowRegistry::show(WindowNames::Splash);
    QCOMPARE(splash->frameGeometry().topLeft(), QPoint(66, 67));
    QVERIFY(!splash->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    splash->close();
    QCOMPARE(WindowRegistry::find(WindowNames::Splash), splash);
}

void TestStartAndSelection::productHelpTopics_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("heading");
    QTest::newRow("Introduction") << "Cmd_intro"
                                  << "Introduction";
    QTest::newRow("History") << "Cmd_history"
                             << "History";
    QTest::newRow("Software-Info") << "Cmd_Soft"
                                   << "Software-Info";
    QTest::newRow("Acknowledgements") << "Cmd_ack"
                                      << "Acknowledgements";
}

void TestStartAndSelection::productHelpTopics()
{
    // Each button opens the product help scrolled to its own section: the
    // section's heading at the top of the page, or as near as the page's end
    // lets it come.
    QFETCH(QString, button);
    QFETCH(QString, heading);
    auto *selection = qobject_cast<Frm_Selection *>(WindowRegistry::show(WindowNames::Selection));
    click(selection, button);
    HelpViewer *viewer = HelpEngine::viewer(QStringLiteral("vivosim"));
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QTextDocument *page = viewer->browser()->document();
    // The heading that carries the topic's anchor (the contents list above
    // names the sections too).
    QTextBlock block = page->begin();
    for (; block.isValid(); block = block.next()) {
        bool anchored = false;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            anchored = anchored || !fragment.fragment().charFormat().anchorNames().isEmpty();
        if (anchored && block.text() == heading)
            break;
    }
    QVERIFY2(block.isValid(), qPrintable(heading));
    const QTextBrowser *browser = viewer->browser();
    const int headingTop = browser->cursorRect(QTextCursor(block)).top();
    const QScrollBar *scroll = browser->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    if (scroll->value() < scroll->maximum())
        QVERIFY2(headingTop >= 0 && headingTop < 20, qPrintable(QString::number(headingTop)));
    else
        QVERIFY2(headingTop >= 0 && headingTop < browser->viewport()->height(),
                 qPrintable(QString::number(headingTop)));
}

void TestStartAndSelection::picturesOpenFrontPages_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("frontPage");
    QTest::newRow("frog") << "Img_frog"
                          << "Effect of Drugs on the Frog Oesophagus" << WindowNames::OesoFront;
    QTest::newRow("guinea pig") << "Img_gpig"
                                << "Bioassay of Histamine on the Guinea-Pig Ileum" << WindowNames::IleumFront;
    QTest::newRow("heart") << "Img_heart"
                           << "Effects of Drugs on the Frog Heart" << WindowNames::HeartFront;
    QTest::newRow("rabbit") << "img_rabbit"
                            << "Effects of Drugs on the Rabbit Eye" << WindowNames::RabbitFront;
}

void TestStartAndSelection::picturesOpenFrontPages()
{
    QFETCH(QString, picture);
    QFETCH(QString, toolTip);
    QFETCH(QString, frontPage);
    FormWindow *selection = WindowRegistry::show(WindowNames::Selection);
    auto *image = selection->findChild<ImageControl *>(picture);
    QVERIFY(image);
    QVERIFY(image->pictureLoaded());
    QCOMPARE(image->toolTip(), toolTip);
    QCOMPARE(image->accessibleName(), toolTip);
    QTest::mouseClick(image, Qt::LeftButton);
    QVERIFY(WindowRegistry::find(frontPage));
    QCOMPARE(WindowRegistry::find(WindowNames::Selection), nullptr);
}

void TestStartAndSelection::choosingAnExperimentClosesProductHelp()
{
    FormWindow *selection = WindowRegistry::show(WindowNames::Selection);
    click(selection, QStringLiteral("Cmd_history"));
    QVERIFY(HelpEngine::viewer(QStringLiteral("vivosim")));
    QTest::mouseClick(selection->findChild<ImageControl *>(QStringLiteral("Img_heart")), Qt::LeftButton);
    QCOMPARE(HelpEngine::viewer(QStringLiteral("vivosim")), nullptr);
}

void TestStartAndSelection::chooserReturnsToTheSameSelection_data()
{
    QTest::addColumn<bool>("byClose");
    QTest::newRow("Return button") << false;
    QTest::newRow("title-bar Close") << true;
}

void TestStartAndSelection::chooserReturnsToTheSameSelection()
{
    QFETCH(bool, byClose);
    FormWindow *selection = WindowRegistry::show(WindowNames::Selection);
    click(selection, QStringLiteral("Cmd_Instruct"));
    QVERIFY(!selection->isVisible());
    FormWindow *chooser = WindowRegistry::find(WindowNames::Instructions);
    QVERIFY(chooser && chooser->isVisible());
    QCOMPARE(chooser->windowTitle(), QStringLiteral("Vivosim T1.00 for Win 95/98/2000/XP"));
    if (byClose)
        chooser->close();
    else
        click(chooser, QStringLiteral("Command5"));
    QCOMPARE(WindowRegistry::find(WindowNames::Instructions), nullptr);
    QCOMPARE(WindowRegistry::find(WindowNames::Selection), selection);
    QVERIFY(selection->isVisible());
}

void TestStartAndSelection::chooserOpensInstructions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("Heart") << "Cmd_heart"
                           << "heart.hlp";
    QTest::newRow("Ileum") << "Cmd_ileum"
                           << "ileum.hlp";
    QTest::newRow("Frog") << "Cmd_frog"
                          << "oesopha.hlp";
    QTest::newRow("Rabbit") << "Cmd_rabbit"
                            << "rabbit.hlp";
}

void TestStartAndSelection::chooserOpensInstructions()
{
    QFETCH(QString, button);
    QFETCH(QString, helpFile);
    WindowRegistry::show(WindowNames::Selection);
    FormWindow *chooser = WindowRegistry::show(WindowNames::Instructions);
    click(chooser, button);
    QVERIFY(HelpEngine::viewer(helpFile));
    QVERIFY(HelpEngine::viewer(helpFile)->pageFound());
    QCOMPARE(WindowRegistry::find(WindowNames::Instructions), chooser);
}

void TestStartAndSelection::quitEndsWithWindowsLoaded()
{
    FormWindow *selection = WindowRegistry::show(WindowNames::Selection);
    WindowRegistry::load(WindowNames::HeartFront);
    click(selection, QStringLiteral("Cmd_intro"));
    HelpEngine::run(nullptr, QStringLiteral("rabbit.hlp"), HelpEngine::ForceFile, 0);
    click(selection, QStringLiteral("Cmd_quit"));
    QVERIFY(ProgramEnd::hasEnded());
    QVERIFY(WindowRegistry::loadedNames().isEmpty());
    QCOMPARE(HelpEngine::viewer(QStringLiteral("rabbit.hlp")), nullptr);
}

void TestStartAndSelection::closingSelectionLastEndsTheProgram()
{
    FormWindow *selection = WindowRegistry::show(WindowNames::Selection);
    click(selection, QStringLiteral("Cmd_ack"));
    selection->close();
    QCOMPARE(WindowRegistry::find(WindowNames::Selection), nullptr);
    QCOMPARE(HelpEngine::viewer(QStringLiteral("vivosim")), nullptr);
    QVERIFY(ProgramEnd::hasEnded());
}

QTEST_MAIN(TestStartAndSelection)
#include "tst_start_and_selection.moc"
