#include "widgets/input_boxes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProxyStyle>

NumberBox::NumberBox(const QString &name, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

void NumberBox::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool backspace = event->key() == Qt::Key_Backspace;
    const bool allowed = text.size() == 1 && (text[0].isDigit() || text[0] == u'.') && text[0].unicode() < 128
        && !(event->modifiers() & Qt::ControlModifier);
    // A typed character replaces the selection, so the selection counts as gone.
    const qsizetype kept = this->text().size() - selectedText().size();
    const bool fits = m_typedLength < 0 || kept < m_typedLength;
    if (backspace || (allowed && fits))
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
}

DisplayBox::DisplayBox(const QString &name, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

void DisplayBox::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

namespace {

// Supplies the masking character through the style hint the line edit asks.
class MaskStyle final : public QProxyStyle
{
public:
    explicit MaskStyle(QChar mask)
        : m_mask(mask)
    {
    }
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return m_mask.unicode();
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar m_mask;
};

} // namespace

EntryBox::EntryBox(const QString &name, int maxLength, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    setMaxLength(maxLength);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void EntryBox::setMaskCharacter(QChar mask)
{
    m_mask = mask;
    auto *style = new MaskStyle(mask);
    style->setParent(this);
    setStyle(style);
    setEchoMode(QLineEdit::Password);
}

void nameByLabel(QWidget *box, QLabel *label)
{
    label->setBuddy(box);
    QString name = label->text();
    name.remove(QLatin1Char('&'));
    name = name.simplified();
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    box->setAccessibleName(name.trimmed());
}
