#include "core/asset_paths.h"
#include "support/seams/run_folder.h"
#include "support/windows/test_windows.h"
#include "widgets/help_engine.h"
#include "widgets/help_files.h"
#include "widgets/help_viewer.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

QStringList anchorsOf(const QTextDocument *document)
{
    QStringList names;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names += it.fragment().charFormat().anchorNames();
    }
    return names;
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSeams::useRunFolder(); }
    void cleanup() { TestWindows::unloadEverything(); }
    void pageKey_data();
    void pageKey();
    void applicationHelpPath_data();
    void applicationHelpPath();
    void everyHelpFileHasItsPage_data();
    void everyHelpFileHasItsPage();
    void productTopicsAreSections();
    void forceFileOpensAtContentsOnce();
    void missingPageIsReported();
    void quitHelpClosesProductHelp();
};

void TestHelp::pageKey_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("key");
    QTest::newRow("product help without extension") << "vivosim"
                                                    << "vivosim";
    QTest::newRow("application help in a folder") << "/opt/vivosim/Vivosim.HLP"
                                                  << "vivosim";
    QTest::newRow("instructions") << "oesopha.hlp"
                                  << "oesopha";
    QTest::newRow("backslash folder") << "C:\\Vivosim\\rabbit.hlp"
                                      << "rabbit";
}

void TestHelp::pageKey()
{
    QFETCH(QString, file);
    QFETCH(QString, key);
    QCOMPARE(HelpEngine::pageKey(file), key);
}

void TestHelp::applicationHelpPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
    QTest::newRow("folder without separator") << "/opt/vivosim"
                                              << "/opt/vivosim/Vivosim.HLP";
    QTest::newRow("root folder") << "/"
                                 << "/Vivosim.HLP";
    QTest::newRow("separator before a blank") << "/opt/ "
                                              << "/opt/ Vivosim.HLP";
}

void TestHelp::applicationHelpPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(HelpFiles::applicationHelpPath(folder), path);
}

void TestHelp::everyHelpFileHasItsPage_data()
{
    QTest::addColumn<QString>("file");
    for (const char *f : {"vivosim", "Vivosim.HLP", "heart.hlp", "ileum.hlp", "oesopha.hlp", "rabbit.hlp"})
        QTest::newRow(f) << QString::fromLatin1(f);
}

void TestHelp::everyHelpFileHasItsPage()
{
    QFETCH(QString, file);
    HelpEngine::run(nullptr, file, HelpEngine::ForceFile, 0);
    HelpViewer *viewer = HelpEngine::viewer(file);
    QVERIFY(viewer);
    QVERIFY(viewer->pageFound());
    QVERIFY(viewer->isVisible());
    QVERIFY(!viewer->browser()->document()->isEmpty());
}

void TestHelp::productTopicsAreSections()
{
    HelpEngine::run(nullptr, QStringLiteral("vivosim"), HelpEngine::ShowTopic, 70);
    HelpViewer *viewer = HelpEngine::viewer(QStringLiteral("vivosim"));
    QVERIFY(viewer);
    const QStringList anchors = anchorsOf(viewer->browser()->document());
    for (int topic : {50, 60, 70, 80})
        QVERIFY2(anchors.contains(HelpEngine::topicAnchor(topic)), qPrintable(HelpEngine::topicAnchor(topic)));
}

void TestHelp::forceFileOpensAtContentsOnce()
{
    HelpEngine::run(nullptr, QStringLiteral("heart.hlp"), HelpEngine::ForceFile, 0);
    HelpViewer *viewer = HelpEngine::viewer(QStringLiteral("heart.hlp"));
    QCOMPARE(viewer->browser()->verticalScrollBar()->value(), 0);
    viewer->browser()->verticalScrollBar()->setValue(40);
    const int scrolled = viewer->browser()->verticalScrollBar()->value();
    HelpEngine::run(nullptr, QStringLiteral("heart.hlp"), HelpEngine::ForceFile, 0);
    QCOMPARE(HelpEngine::viewer(QStringLiteral("heart.hlp")), viewer);
    QCOMPARE(viewer->browser()->verticalScrollBar()->value(), scrolled);
}

void TestHelp::missingPageIsReported()
{
    QTemporaryDir empty;
    AssetPaths::setFolder(empty.path());
    HelpEngine::run(nullptr, QStringLiteral("ileum.hlp"), HelpEngine::ForceFile, 0);
    HelpViewer *viewer = HelpEngine::viewer(QStringLiteral("ileum.hlp"));
    QVERIFY(viewer);
    QVERIFY(!viewer->pageFound());
    QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("\"ileum.hlp\"")));
}

void TestHelp::quitHelpClosesProductHelp()
{
    QWidget owner;
    InitHelpFile(&owner);
    QVERIFY(HelpFiles::applicationHelpFile().endsWith(QStringLiteral("/Vivosim.HLP")));
    HelpEngine::run(&owner, QStringLiteral("vivosim"), HelpEngine::ShowTopic, 50);
    HelpEngine::run(&owner, QStringLiteral("heart.hlp"), HelpEngine::ForceFile, 0);
    QuitHelp();
    QCOMPARE(HelpEngine::viewer(QStringLiteral("vivosim")), nullptr);
    QVERIFY(HelpEngine::viewer(QStringLiteral("heart.hlp")));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
