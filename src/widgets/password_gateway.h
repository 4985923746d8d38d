#pragma once

#include <QGroupBox>
#include <QRect>
#include <QString>

#include <functional>

class EntryBox;
class QPushButton;

// Where one password gateway stands, how it looks and which rule it checks.
// Every place names its controls and places them itself, so each window keeps
// its own layout.
struct PasswordGatewaySetup
{
    // A control's own font; without points the control keeps the font it
    // inherits from the frame.
    struct Font
    {
        int points = 0;
        bool bold = false;
    };

    // What Ok (or Enter) checks.
    enum class Rule {
        // The supervisor chooses a password: it must have at least
        // Passwords::MinLength characters once trimmed (the front pages).
        NewPassword,
        // The entry must match storedPassword() (Passwords::matches).
        StoredPassword,
    };

    QString frameName;
    QString frameCaption;
    QRect frameGeometry;
    Font frameFont;

    // The label names the entry for screen readers.
    QString labelName;
    QString labelText;
    QRect labelGeometry;
    Font labelFont;

    // At most Passwords::MaxLength characters, each shown as the mask.
    QString entryName;
    QChar mask;
    QRect entryGeometry;
    Font entryFont;

    QString okName;
    QString okCaption;
    QRect okGeometry;
    bool okIsDefault = false;
    // No cancelName: the gateway has no Cancel.
    QString cancelName;
    QString cancelCaption;
    QRect cancelGeometry;
    Font buttonFont;

    // Enter in the entry does what Ok does.
    bool enterSubmits = true;

    Rule rule = Rule::StoredPassword;
    // Rule::StoredPassword: the password to match, read at every Ok.
    std::function<QString()> storedPassword;
    // A blank entry is refused before any rule and left in the box; without
    // this it goes to the rule like any other entry.
    bool blankRefusedAndKept = false;
    // The refusal's message box (OK button, no icon).
    QString refusalText;
    QString refusalTitle = QStringLiteral(" Password Error ");

    // What open() does besides showing the frame.
    bool clearOnOpen = false;
    bool focusOnOpen = true;
};

// A password gateway: the frame with its label, the masked entry, Ok and an
// optional Cancel. Ok checks the entry by the setup's rule; a refusal shows
// the message, empties the entry (unless it was a blank one that is kept) and
// puts the focus back into it. What follows an accepted entry or Cancel is
// the place's: the gateway knows no practical's state.
class PasswordGateway final : public QGroupBox
{
    Q_OBJECT

public:
    PasswordGateway(const PasswordGatewaySetup &setup, QWidget *parent);

    // Shows the gateway, emptying the entry first and putting the focus into
    // it as the setup says.
    void open();

    EntryBox *entry() const { return m_entry; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    // Ok or Enter, before the check: the entry trimmed and upper-cased.
    void submitted(const QString &password);
    void accepted(const QString &password);
    // After the message, with the entry emptied or kept and the focus in it.
    void refused();
    // Cancel, once the gateway has hidden itself.
    void cancelled();

private:
    void submit();
    void cancel();
    bool passes(const QString &typed, const QString &password) const;
    void refuse(bool clearEntry);

    PasswordGatewaySetup m_setup;
    EntryBox *m_entry = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
