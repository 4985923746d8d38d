#include "support/windows/test_windows.h"
#include "widgets/design_area.h"
#include "widgets/form_window.h"
#include "widgets/input_boxes.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QLabel>
#include <QStyle>
#include <QTest>

namespace {

// A window that counts its loads and unloads.
class CountingWindow final : public FormWindow
{
public:
    explicit CountingWindow(const QString &name)
        : FormWindow(name)
    {
        setClientSize(300, 200);
    }
    void load() override { ++loads; }
    void unloaded() override { ++unloads; }
    static inline int loads = 0;
    static inline int unloads = 0;
};

} // namespace

class TestWindowUtils : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void centredOffset_data();
    void centredOffset();
    void centreFormOnTheScreen();
    void designAreaOnAScreen_data();
    void designAreaOnAScreen();
    void registryKeepsOneInstance();
    void unloadEmptiesTheReference();
    void lastUnloadIsReported();
    void removedCloseRefusesTheWindowManager();
    void plainCloseUnloads();
    void setTopMost_data();
    void setTopMost();
    void windowDiscardsKeys_data();
    void windowDiscardsKeys();
    void numberBoxKeys_data();
    void numberBoxKeys();
    void numberBoxTypedLength();
    void displayBoxTakesNothing();
    void entryBoxLimitAndMask();
    void boxNamedByItsLabel();
};

void TestWindowUtils::init()
{
    CountingWindow::loads = CountingWindow::unloads = 0;
    for (const char *name : {"WinA", "WinB"})
        WindowRegistry::define(QString::fromLatin1(name),
                               [name] { return new CountingWindow(QString::fromLatin1(name)); });
}

void TestWindowUtils::cleanup()
{
    WindowRegistry::setLastUnloadHandler({});
    TestWindows::unloadEverything();
}

void TestWindowUtils::centredOffset_data()
{
    QTest::addColumn<float>("outer");
    QTest::addColumn<float>("inner");
    QTest::addColumn<int>("offset");
    QTest::newRow("100 twips wider than the screen") << 12000.0f << 12100.0f << -50;
    QTest::newRow("odd difference of 301") << 12000.0f << 11699.0f << 150;
    QTest::newRow("same size") << 12000.0f << 12000.0f << 0;
    QTest::newRow("half twip rounds to even") << 12000.0f << 11997.5f << 1;
    QTest::newRow("odd negative difference") << 12000.0f << 12301.0f << -150;
}

void TestWindowUtils::centredOffset()
{
    QFETCH(float, outer);
    QFETCH(float, inner);
    QFETCH(int, offset);
    QCOMPARE(::centredOffset(outer, inner), offset);
}

void TestWindowUtils::centreFormOnTheScreen()
{
    FormWindow *w = WindowRegistry::show(QStringLiteral("WinA"));
    CentreForm(w);
    QCOMPARE(w->frameGeometry().topLeft(), QPoint(250, 200));
}

void TestWindowUtils::designAreaOnAScreen_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("corner");

    QTest::newRow("800 x 600: the whole screen") << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 600) << QPoint(0, 0);
    QTest::newRow("1067 x 600 at 1.8") << QRect(0, 0, 1067, 600) << QRect(0, 0, 1067, 600) << QPoint(133, 0);
    QTest::newRow("centred in what the panels leave")
        << QRect(0, 0, 1129, 617) << QRect(0, 17, 1129, 600) << QPoint(164, 17);
    QTest::newRow("800 x 600 with a panel: kept on the screen")
        << QRect(0, 0, 800, 600) << QRect(0, 32, 800, 568) << QPoint(0, 0);
    QTest::newRow("a second screen to the right")
        << QRect(1920, 0, 1280, 720) << QRect(1920, 0, 1280, 720) << QPoint(2160, 60);
    QTest::newRow("a screen too small: at its corner")
        << QRect(0, 0, 640, 480) << QRect(0, 0, 640, 480) << QPoint(0, 0);
}

void TestWindowUtils::designAreaOnAScreen()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(QPoint, corner);
    QCOMPARE(DesignArea::centredIn(screen, available), QRect(corner, QSize(800, 600)));
}

void TestWindowUtils::registryKeepsOneInstance()
{
    FormWindow *first = WindowRegistry::show(QStringLiteral("WinA"));
    FormWindow *again = WindowRegistry::show(QStringLiteral("WinA"));
    QCOMPARE(first, again);
    QCOMPARE(CountingWindow::loads, 1);
    QVERIFY(first->isVisible());
    QCOMPARE(WindowRegistry::load(QStringLiteral("NotBuiltYet")), nullptr);
}

void TestWindowUtils::unloadEmptiesTheReference()
{
    QPointer<FormWindow> first = WindowRegistry::show(QStringLiteral("WinA"));
    WindowRegistry::unload(QStringLiteral("WinA"));
    QCOMPARE(WindowRegistry::find(QStringLiteral("WinA")), nullptr);
    QCOMPARE(CountingWindow::unloads, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    WindowRegistry::show(QStringLiteral("WinA"));
    QCOMPARE(CountingWindow::loads, 2);
}

void TestWindowUtils::lastUnloadIsReported()
{
    int reports = 0;
    WindowRegistry::setLastUnloadHandler([&reports] { ++reports; });
    WindowRegistry::show(QStringLiteral("WinA"));
    WindowRegistry::show(QStringLiteral("WinB"));
    WindowRegistry::unload(QStringLiteral("WinA"));
    QCOMPARE(reports, 0);
    WindowRegistry::unload(QStringLiteral("WinB"));
    QCOMPARE(reports, 1);
}

void TestWindowUtils::removedCloseRefusesTheWindowManager()
{
    FormWindow *w = WindowRegistry::show(QStringLiteral("WinA"));
    RemoveCloseMenu(w);
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(w->isVisible());
    w->close();
    QCOMPARE(WindowRegistry::find(QStringLiteral("WinA")), w);
    QVERIFY(w->isVisible());
}

void TestWindowUtils::plainCloseUnloads()
{
    FormWindow *w = WindowRegistry::show(QStringLiteral("WinA"));
    w->close();
    QCOMPARE(WindowRegistry::find(QStringLiteral("WinA")), nullptr);
    QCOMPARE(CountingWindow::unloads, 1);
}

void TestWindowUtils::setTopMost_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<bool>("onTop");
    QTest::newRow("true keeps it above") << -1 << true;
    QTest::newRow("false takes it away") << 0 << false;
    QTest::newRow("one only raises") << 1 << false;
}

void TestWindowUtils::setTopMost()
{
    QFETCH(int, flag);
    QFETCH(bool, onTop);
    FormWindow *w = WindowRegistry::show(QStringLiteral("WinA"));
    w->move(40, 30);
    const QSize size = w->size();
    if (flag == 0)
        SetTopMost(w, -1);
    SetTopMost(w, static_cast<qint16>(flag));
    QCOMPARE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    QVERIFY(w->isVisible());
    QCOMPARE(w->pos(), QPoint(40, 30));
    QCOMPARE(w->size(), size);
}

void TestWindowUtils::windowDiscardsKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("escape") << int(Qt::Key_Escape);
    QTest::newRow("delete") << int(Qt::Key_Delete);
}

void TestWindowUtils::windowDiscardsKeys()
{
    // A key the focused control does not take climbs to the window, which
    // discards it; a box that takes keys still gets its own.
    QFETCH(int, key);
    FormWindow *w = WindowRegistry::show(QStringLiteral("WinA"));
    auto *label = new QLabel(QStringLiteral("label"), w);
    auto *box = new NumberBox(QStringLiteral("Txt_Number"), w);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key(key), Qt::NoModifier);
    press.ignore();
    QCoreApplication::sendEvent(label, &press);
    QVERIFY(press.isAccepted());
    QVERIFY(w->isVisible());
    QCOMPARE(WindowRegistry::find(QStringLiteral("WinA")), w);

    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("12"));
    QCOMPARE(box->text(), QStringLiteral("12"));
}

void TestWindowUtils::numberBoxKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits and point") << "0.25"
                                      << "0.25";
    QTest::newRow("letters and signs dropped") << "1a-2+e3 "
                                               << "123";
}

void TestWindowUtils::numberBoxKeys()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QWidget parent;
    NumberBox box(QStringLiteral("Txt_Number"), &parent);
    QTest::keyClicks(&box, typed);
    QCOMPARE(box.text(), shown);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), shown.chopped(1));
    QVERIFY(box.contextMenuPolicy() == Qt::NoContextMenu);
}

void TestWindowUtils::numberBoxTypedLength()
{
    QWidget parent;
    NumberBox box(QStringLiteral("Txt_Dose"), &parent);
    box.setTypedLength(4);
    QTest::keyClicks(&box, QStringLiteral("0.125"));
    QCOMPARE(box.text(), QStringLiteral("0.12"));
    // What the program writes is never cut, and a selection may be typed over.
    box.setText(QStringLiteral(" 12.8"));
    QCOMPARE(box.text(), QStringLiteral(" 12.8"));
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral("3"));
    QCOMPARE(box.text(), QStringLiteral("3"));
}

void TestWindowUtils::displayBoxTakesNothing()
{
    QWidget parent;
    DisplayBox box(QStringLiteral("Txt_Shown"), &parent);
    box.setText(QStringLiteral("72"));
    QTest::keyClicks(&box, QStringLiteral("9x"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), QStringLiteral("72"));
}

void TestWindowUtils::entryBoxLimitAndMask()
{
    QWidget parent;
    EntryBox box(QStringLiteral("Txt_PassWord"), 10, &parent);
    box.setMaskCharacter(QLatin1Char('x'));
    QTest::keyClicks(&box, QStringLiteral("abcdefghijk"));
    QCOMPARE(box.text(), QStringLiteral("abcdefghij"));
    QCOMPARE(box.displayText(), QStringLiteral("xxxxxxxxxx"));
    box.setMaskCharacter(QLatin1Char(' '));
    QCOMPARE(box.displayText(), QStringLiteral("          "));
}

void TestWindowUtils::boxNamedByItsLabel()
{
    QWidget parent;
    QLabel label(QStringLiteral("Password  :"), &parent);
    NumberBox box(QStringLiteral("Txt_Dose"), &parent);
    nameByLabel(&box, &label);
    QCOMPARE(box.accessibleName(), QStringLiteral("Password"));
    QCOMPARE(label.buddy(), &box);
}

QTEST_MAIN(TestWindowUtils)
#include "tst_window_utils.moc"
