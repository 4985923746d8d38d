#include "core/passwords.h"
#include "support/windows/message_box_script.h"
#include "widgets/input_boxes.h"
#include "widgets/password_gateway.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Rule = PasswordGatewaySetup::Rule;

namespace {

const QString RefusalText = QStringLiteral("Invalid Passord ");

// A gateway laid out like the front pages', with Cancel.
PasswordGatewaySetup frontPageLike()
{
    PasswordGatewaySetup g;
    g.frameName = QStringLiteral("Frame_Pass");
    g.frameCaption = QStringLiteral(" GateWay For Examination Mode");
    g.frameGeometry = QRect(400, 170, 340, 200);
    g.frameFont = {11, true};
    g.labelName = QStringLiteral("lbl_password");
    g.labelText = QStringLiteral("Password  :");
    g.labelGeometry = QRect(24, 56, 110, 28);
    g.entryName = QStringLiteral("Txt_PassW");
    g.mask = QLatin1Char('x');
    g.entryGeometry = QRect(134, 54, 180, 30);
    g.okName = QStringLiteral("Cmd_ok");
    g.okCaption = QStringLiteral("&Ok");
    g.okGeometry = QRect(50, 124, 104, 40);
    g.okIsDefault = true;
    g.cancelName = QStringLiteral("Cmd_Cancel");
    g.cancelCaption = QStringLiteral("&Cancel");
    g.cancelGeometry = QRect(186, 124, 104, 40);
    g.refusalText = RefusalText;
    return g;
}

enum class Action { Ok, Enter, Cancel };

} // namespace

Q_DECLARE_METATYPE(Rule)
Q_DECLARE_METATYPE(Action)

class TestPasswordGateway : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_boxes = std::make_unique<MessageBoxScript>(); }
    void cleanup()
    {
        m_host.reset();
        m_boxes.reset();
    }

    void controlsAsTheSetupSays();
    void cancelOnlyWhereThereIsOne();
    void rules_data();
    void rules();
    void open_data();
    void open();
    void storedBeforeTheCheckAndRefusedAfterTheMessage();
    void storedPasswordIsReadAtEveryOk();
    void eleventhCharacterCannotBeTyped();

private:
    PasswordGateway *makeGateway(const PasswordGatewaySetup &setup);

    std::unique_ptr<QWidget> m_host;
    std::unique_ptr<MessageBoxScript> m_boxes;
};

PasswordGateway *TestPasswordGateway::makeGateway(const PasswordGatewaySetup &setup)
{
    m_host = std::make_unique<QWidget>();
    m_host->resize(800, 600);
    auto *gateway = new PasswordGateway(setup, m_host.get());
    m_host->show();
    if (!QTest::qWaitForWindowExposed(m_host.get()))
        return nullptr;
    return gateway;
}

void TestPasswordGateway::controlsAsTheSetupSays()
{
    PasswordGatewaySetup setup = frontPageLike();
    setup.entryFont = {10, false};
    setup.buttonFont = {10, true};
    PasswordGateway *gateway = makeGateway(setup);
    QVERIFY(gateway);
    QVERIFY(gateway->isHidden());
    QCOMPARE(gateway->objectName(), QStringLiteral("Frame_Pass"));
    QCOMPARE(gateway->title(), QStringLiteral(" GateWay For Examination Mode"));
    QCOMPARE(gateway->geometry(), QRect(400, 170, 340, 200));
    QCOMPARE(gateway->font().pointSize(), 11);
    QVERIFY(gateway->font().bold());

    auto *label = gateway->findChild<QLabel *>(QStringLiteral("lbl_password"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Password  :"));
    QCOMPARE(label->geometry(), QRect(24, 56, 110, 28));
    // No font of its own: the frame's.
    QCOMPARE(label->font().pointSize(), 11);
    QVERIFY(label->font().bold());

    EntryBox *entry = gateway->entry();
    QCOMPARE(gateway->findChild<EntryBox *>(QStringLiteral("Txt_PassW")), entry);
    QCOMPARE(entry->geometry(), QRect(134, 54, 180, 30));
    QCOMPARE(entry->maxLength(), Passwords::MaxLength);
    QCOMPARE(entry->maskCharacter(), QLatin1Char('x'));
    QCOMPARE(entry->echoMode(), QLineEdit::Password);
    QCOMPARE(entry->font().pointSize(), 10);
    QVERIFY(!entry->font().bold());
    QCOMPARE(label->buddy(), entry);
    QCOMPARE(entry->accessibleName(), QStringLiteral("Password"));

    QPushButton *ok = gateway->okButton();
    QCOMPARE(gateway->findChild<QPushButton *>(QStringLiteral("Cmd_ok")), ok);
    QCOMPARE(ok->text(), QStringLiteral("&Ok"));
    QCOMPARE(ok->geometry(), QRect(50, 124, 104, 40));
    QVERIFY(ok->isDefault());
    QCOMPARE(ok->font().pointSize(), 10);
    QPushButton *cancel = gateway->cancelButton();
    QCOMPARE(gateway->findChild<QPushButton *>(QStringLiteral("Cmd_Cancel")), cancel);
    QCOMPARE(cancel->text(), QStringLiteral("&Cancel"));
    QCOMPARE(cancel->geometry(), QRect(186, 124, 104, 40));
    QVERIFY(!cancel->isDefault());
    QCOMPARE(cancel->font().pointSize(), 10);

    // The children come in the order the windows always had, so the tab
    // order is the same.
    const QList<QWidget *> children = gateway->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(children, (QList<QWidget *>{label, entry, ok, cancel}));
}

void TestPasswordGateway::cancelOnlyWhereThereIsOne()
{
    PasswordGatewaySetup setup = frontPageLike();
    setup.cancelName.clear();
    setup.okIsDefault = false;
    PasswordGateway *gateway = makeGateway(setup);
    QVERIFY(gateway);
    QCOMPARE(gateway->cancelButton(), nullptr);
    QCOMPARE(gateway->findChildren<QPushButton *>().size(), 1);
    QVERIFY(!gateway->okButton()->isDefault());
}

void TestPasswordGateway::rules_data()
{
    QTest::addColumn<Rule>("rule");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("blankRefusedAndKept");
    QTest::addColumn<bool>("enterSubmits");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Action>("action");
    // "accepted", "refused", "cancelled" or "nothing".
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("entryAfter");

    // The front pages: the supervisor sets a password of four characters or more.
    QTest::newRow("new: four lower-case letters")
        << Rule::NewPassword << "" << false << true << "abcd" << Action::Ok << "accepted"
        << "abcd";
    QTest::newRow("new: inner blank kept, by Enter")
        << Rule::NewPassword << "" << false << true << "ab cd" << Action::Enter << "accepted"
        << "ab cd";
    QTest::newRow("new: three letters among blanks")
        << Rule::NewPassword << "" << false << true << "  abc " << Action::Ok << "refused"
        << "";
    QTest::newRow("new: empty") << Rule::NewPassword << "" << false << true << "" << Action::Ok << "refused"
                                << "";
    QTest::newRow("new: blanks only, emptied")
        << Rule::NewPassword << "" << false << true << "   " << Action::Ok << "refused"
        << "";
    QTest::newRow("new: cancel") << Rule::NewPassword << "" << false << true << "ab" << Action::Cancel << "cancelled"
                                 << "ab";

    // The heart's Return and supervisor gateways: blanks are refused as typed.
    QTest::newRow("heart: other case, blanks round it")
        << Rule::StoredPassword << "ABCD      " << true << true << " abcd " << Action::Ok << "accepted"
        << " abcd ";
    QTest::newRow("heart: right, by Enter")
        << Rule::StoredPassword << "ABCD      " << true << true << "ABCD" << Action::Enter << "accepted"
        << "ABCD";
    QTest::newRow("heart: wrong, emptied")
        << Rule::StoredPassword << "ABCD      " << true << true << "abce" << Action::Ok << "refused"
        << "";
    QTest::newRow("heart: wrong by Enter, emptied")
        << Rule::StoredPassword << "ABCD      " << true << true << "abc" << Action::Enter << "refused"
        << "";
    QTest::newRow("heart: blanks kept") << Rule::StoredPassword << "ABCD      " << true << true << "   " << Action::Ok
                                        << "refused"
                                        << "   ";
    QTest::newRow("heart: empty, even against a blank password")
        << Rule::StoredPassword << "          " << true << true << "" << Action::Ok << "refused"
        << "";
    QTest::newRow("heart: cancel") << Rule::StoredPassword << "ABCD      " << true << true << "abcd" << Action::Cancel
                                   << "cancelled"
                                   << "abcd";

    // The ileum's scoring window: every entry goes to the match, and only OK checks.
    QTest::newRow("ileum: other case, blanks round it")
        << Rule::StoredPassword << "SUP1" << false << false << " sup1 " << Action::Ok << "accepted"
        << " sup1 ";
    QTest::newRow("ileum: wrong, emptied")
        << Rule::StoredPassword << "SUP1" << false << false << "sup12" << Action::Ok << "refused"
        << "";
    QTest::newRow("ileum: blanks, emptied")
        << Rule::StoredPassword << "SUP1" << false << false << "  " << Action::Ok << "refused"
        << "";
    QTest::newRow("ileum: empty matches an empty password")
        << Rule::StoredPassword << "" << false << false << "" << Action::Ok << "accepted"
        << "";
    QTest::newRow("ileum: Enter does nothing")
        << Rule::StoredPassword << "SUP1" << false << false << "sup1" << Action::Enter << "nothing"
        << "sup1";
}

void TestPasswordGateway::rules()
{
    QFETCH(Rule, rule);
    QFETCH(QString, stored);
    QFETCH(bool, blankRefusedAndKept);
    QFETCH(bool, enterSubmits);
    QFETCH(QString, typed);
    QFETCH(Action, action);
    QFETCH(QString, outcome);
    QFETCH(QString, entryAfter);

    PasswordGatewaySetup setup = frontPageLike();
    setup.rule = rule;
    setup.storedPassword = [stored] { return stored; };
    setup.blankRefusedAndKept = blankRefusedAndKept;
    setup.enterSubmits = enterSubmits;
    PasswordGateway *gateway = makeGateway(setup);
    QVERIFY(gateway);
    QSignalSpy submitted(gateway, &PasswordGateway::submitted);
    QSignalSpy accepted(gateway, &PasswordGateway::accepted);
    QSignalSpy refused(gateway, &PasswordGateway::refused);
    QSignalSpy cancelled(gateway, &PasswordGateway::cancelled);

    gateway->open();
    QVERIFY(gateway->isVisible());
    EntryBox *entry = gateway->entry();
    QTest::keyClicks(entry, typed);
    QCOMPARE(entry->text(), typed);
    switch (action) {
    case Action::Ok: QTest::mouseClick(gateway->okButton(), Qt::LeftButton); break;
    case Action::Enter: QTest::keyClick(entry, Qt::Key_Return); break;
    case Action::Cancel: QTest::mouseClick(gateway->cancelButton(), Qt::LeftButton); break;
    }

    const QString password = typed.trimmed().toUpper();
    const bool checked = outcome == QLatin1String("accepted") || outcome == QLatin1String("refused");
    QCOMPARE(submitted.size(), checked ? 1 : 0);
    if (checked)
        QCOMPARE(submitted.first().first().toString(), password);
    QCOMPARE(accepted.size(), outcome == QLatin1String("accepted") ? 1 : 0);
    if (!accepted.isEmpty())
        QCOMPARE(accepted.first().first().toString(), password);
    QCOMPARE(refused.size(), outcome == QLatin1String("refused") ? 1 : 0);
    QCOMPARE(cancelled.size(), outcome == QLatin1String("cancelled") ? 1 : 0);
    QCOMPARE(entry->text(), entryAfter);

    if (outcome == QLatin1String("refused")) {
        QCOMPARE(m_boxes->count(), 1);
        QCOMPARE(m_boxes->last().text, RefusalText);
        QCOMPARE(m_boxes->last().title, QStringLiteral(" Password Error "));
        QCOMPARE(m_boxes->last().buttons, MessageBoxes::Buttons::Ok);
        QCOMPARE(m_boxes->last().icon, MessageBoxes::Icon::None);
        QCOMPARE(m_host->focusWidget(), entry);
    } else {
        QCOMPARE(m_boxes->count(), 0);
    }
    // Cancel closes the gateway; anything else leaves it to the place.
    QCOMPARE(gateway->isVisible(), outcome != QLatin1String("cancelled"));
}

void TestPasswordGateway::open_data()
{
    QTest::addColumn<bool>("clearOnOpen");
    QTest::addColumn<bool>("focusOnOpen");

    QTest::newRow("front pages: emptied, focused") << true << true;
    QTest::newRow("heart: kept, focused") << false << true;
    QTest::newRow("ileum: kept, focus left alone") << false << false;
}

void TestPasswordGateway::open()
{
    QFETCH(bool, clearOnOpen);
    QFETCH(bool, focusOnOpen);

    PasswordGatewaySetup setup = frontPageLike();
    setup.clearOnOpen = clearOnOpen;
    setup.focusOnOpen = focusOnOpen;
    PasswordGateway *gateway = makeGateway(setup);
    QVERIFY(gateway);
    auto *elsewhere = new QPushButton(QStringLiteral("Elsewhere"), m_host.get());
    elsewhere->show();
    elsewhere->setFocus();
    gateway->entry()->setText(QStringLiteral("left"));

    gateway->open();
    QVERIFY(gateway->isVisible());
    QCOMPARE(gateway->entry()->text(), clearOnOpen ? QString() : QStringLiteral("left"));
    QCOMPARE(m_host->focusWidget(), focusOnOpen ? static_cast<QWidget *>(gateway->entry()) : elsewhere);
    QCOMPARE(m_boxes->count(), 0);
}

void TestPasswordGateway::storedBeforeTheCheckAndRefusedAfterTheMessage()
{
    PasswordGatewaySetup setup = frontPageLike();
    setup.rule = Rule::NewPassword;
    PasswordGateway *gateway = makeGateway(setup);
    QVERIFY(gateway);
    QStringList events;
    connect(gateway, &PasswordGateway::submitted, this,
            [&] { events << QStringLiteral("submitted, %1 boxes").arg(m_boxes->count()); });
    connect(gateway, &PasswordGateway::refused, this, [&] {
        events << QStringLiteral("refused, %1 boxes, entry '%2'").arg(m_boxes->count()).arg(gateway->entry()->text());
    });
    gateway->open();
    QTest::keyClicks(gateway->entry(), QStringLiteral("ab"));
    QTest::mouseClick(gateway->okButton(), Qt::LeftButton);
    QCOMPARE(events, (QStringList{QStringLiteral("submitted, 0 boxes"), QStringLiteral("refused, 1 boxes, entry ''")}));
}

void TestPasswordGateway::storedPasswordIsReadAtEveryOk()
{
    QString stored = QStringLiteral("FIRST");
    PasswordGatewaySetup setup = frontPageLike();
    setup.storedPassword = [&stored] { return stored; };
    PasswordGateway *gateway = makeGateway(setup);
    QVERIFY(gateway);
    QSignalSpy accepted(gateway, &PasswordGateway::accepted);
    gateway->open();
    stored = QStringLiteral("SECOND");
    QTest::keyClicks(gateway->entry(), QStringLiteral("first"));
    QTest::mouseClick(gateway->okButton(), Qt::LeftButton);
    QCOMPARE(accepted.size(), 0);
    QCOMPARE(m_boxes->count(), 1);
    QTest::keyClicks(gateway->entry(), QStringLiteral("second"));
    QTest::mouseClick(gateway->okButton(), Qt::LeftButton);
    QCOMPARE(accepted.size(), 1);
    QCOMPARE(m_boxes->count(), 1);
}

void TestPasswordGateway::eleventhCharacterCannotBeTyped()
{
    PasswordGatewaySetup setup = frontPageLike();
    setup.mask = QLatin1Char(' ');
    PasswordGateway *gateway = makeGateway(setup);
    QVERIFY(gateway);
    gateway->open();
    QTest::keyClicks(gateway->entry(), QStringLiteral("abcdefghijk"));
    QCOMPARE(gateway->entry()->text(), QStringLiteral("abcdefghij"));
    QCOMPARE(gateway->entry()->displayText(), QString(10, QLatin1Char(' ')));
}

QTEST_MAIN(TestPasswordGateway)
#include "tst_password_gateway.moc"
