#include "widgets/password_gateway.h"

#include "core/passwords.h"
#include "widgets/controls.h"
#include "widgets/input_boxes.h"
#include "widgets/message_boxes.h"

#include <QLabel>
#include <QPushButton>

namespace {

void applyFont(QWidget *control, const PasswordGatewaySetup::Font &font)
{
    if (font.points > 0)
        Controls::setFont(control, font.points, font.bold);
}

} // namespace

PasswordGateway::PasswordGateway(const PasswordGatewaySetup &setup, QWidget *parent)
    : QGroupBox(setup.frameCaption, parent)
    , m_setup(setup)
{
    setObjectName(setup.frameName);
    setGeometry(setup.frameGeometry);
    applyFont(this, setup.frameFont);

    QLabel *label = Controls::label(this, setup.labelName, setup.labelText, setup.labelGeometry);
    applyFont(label, setup.labelFont);
    m_entry = new EntryBox(setup.entryName, Passwords::MaxLength, this);
    m_entry->setGeometry(setup.entryGeometry);
    m_entry->setMaskCharacter(setup.mask);
    applyFont(m_entry, setup.entryFont);
    nameByLabel(m_entry, label);

    m_ok = Controls::button(this, setup.okName, setup.okCaption, setup.okGeometry);
    applyFont(m_ok, setup.buttonFont);
    m_ok->setDefault(setup.okIsDefault);
    connect(m_ok, &QPushButton::clicked, this, &PasswordGateway::submit);
    if (!setup.cancelName.isEmpty()) {
        m_cancel = Controls::button(this, setup.cancelName, setup.cancelCaption, setup.cancelGeometry);
        applyFont(m_cancel, setup.buttonFont);
        connect(m_cancel, &QPushButton::clicked, this, &PasswordGateway::cancel);
    }
    if (setup.enterSubmits)
        connect(m_entry, &QLineEdit::returnPressed, this, &PasswordGateway::submit);
    hide();
}

void PasswordGateway::open()
{
    if (m_setup.clearOnOpen)
        m_entry->clear();
    show();
    if (m_setup.focusOnOpen)
        m_entry->setFocus();
}

void PasswordGateway::submit()
{
    const QString typed = m_entry->text();
    const QString password = Passwords::normalised(typed);
    emit submitted(password);
    if (m_setup.blankRefusedAndKept && typed.trimmed().isEmpty()) {
        refuse(false);
        return;
    }
    if (!passes(typed, password)) {
        refuse(true);
        return;
    }
    emit accepted(password);
}

bool PasswordGateway::passes(const QString &typed, const QString &password) const
{
    switch (m_setup.rule) {
    case PasswordGatewaySetup::Rule::NewPassword: return Passwords::longEnough(password);
    case PasswordGatewaySetup::Rule::StoredPassword:
        Q_ASSERT(m_setup.storedPassword);
        return Passwords::matches(m_setup.storedPassword(), typed);
    }
    return false;
}

void PasswordGateway::refuse(bool clearEntry)
{
    MessageBoxes::inform(window(), m_setup.refusalText, m_setup.refusalTitle);
    if (clearEntry)
        m_entry->clear();
    m_entry->setFocus();
    emit refused();
}

void PasswordGateway::cancel()
{
    hide();
    emit cancelled();
}
