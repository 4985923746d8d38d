// The random student's keyboard: texts typed into boxes, the password, keys
// pressed.

#include "app/random_student.h"
#include "app/student_hands.h"
#include "app/student_sight.h"
#include "widgets/input_boxes.h"
#include "widgets/password_gateway.h"
#include "widgets/window_names.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

using namespace StudentSight;

namespace {

struct NamedKey
{
    Qt::Key key;
    const char *name;
};

const NamedKey PlainKeys[] = {
    {Qt::Key_Return, "Return"},       {Qt::Key_Enter, "Enter"},   {Qt::Key_Escape, "Escape"},
    {Qt::Key_Space, "Space"},         {Qt::Key_Tab, "Tab"},       {Qt::Key_Backtab, "Backtab"},
    {Qt::Key_Backspace, "Backspace"}, {Qt::Key_Delete, "Delete"}, {Qt::Key_Up, "Up"},
    {Qt::Key_Down, "Down"},           {Qt::Key_Left, "Left"},     {Qt::Key_Right, "Right"},
    {Qt::Key_Home, "Home"},           {Qt::Key_End, "End"},       {Qt::Key_PageUp, "PageUp"},
    {Qt::Key_PageDown, "PageDown"},   {Qt::Key_F1, "F1"},         {Qt::Key_F4, "F4"},
};

// What a key press is: the key, its modifiers and how the log names it.
struct KeyPress
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString name;
};

} // namespace

QString RandomStudent::randomText()
{
    static const char *const Awkward[]
        = {"0",   ".",   "..",  "1.", ".25",     "00.100", "1.2.3",  "-1",   "+2",  "1e3",   "1E-2",
           "1,5", "NaN", "inf", " ",  "  0.1  ", "0.0001", "9.9e99", "0x1F", "3 4", "12.8.", "-0"};
    const QString alphabet = QStringLiteral("abcXYZ0123456789 .,;:-+*/#%&()[]\"'\\");
    auto randomOf = [this](const QString &from, int length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += from.at(below(int(from.size())));
        return text;
    };
    switch (below(12)) {
    case 0: return randomOf(QStringLiteral("0123456789"), 1 + below(6));
    case 1: return QStringLiteral("%1.%2").arg(below(1000)).arg(below(1000));
    case 2:
    case 3: return QString::fromLatin1(Awkward[below(int(sizeof(Awkward) / sizeof(Awkward[0])))]);
    case 4: return randomOf(QStringLiteral("0123456789"), 10 + below(30));
    case 5: return randomOf(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"), 1 + below(8));
    case 6: return randomOf(alphabet, 1 + below(12));
    case 7: return randomOf(alphabet, 40 + below(260));
    case 8: return QString();
    case 9: return QString(1 + below(5), QLatin1Char(' '));
    case 10: return QString::fromLatin1("\xb5g \xe9\xbd").left(1 + below(4));
    default: return m_password;
    }
}

void RandomStudent::typeChecked(QLineEdit *box, const QString &text)
{
    const QPointer<QLineEdit> alive(box);
    const QString before = box->text();
    StudentHands::type(box, text);
    if (!alive || !m_fault.isEmpty())
        return;
    const QString after = box->text();
    if (box->inherits("DisplayBox") && after != before)
        m_fault = QStringLiteral("typing changed the display box %1 from %2 to %3")
                      .arg(described(box), quoted(before), quoted(after));
    if (auto *number = qobject_cast<NumberBox *>(box)) {
        const int limit = number->typedLength();
        if (limit >= 0 && after.size() > qMax(int(before.size()), limit))
            m_fault = QStringLiteral("typing made %1 %2 characters long, beyond its %3")
                          .arg(described(box))
                          .arg(after.size())
                          .arg(limit);
        for (const QChar c : after) {
            if (!c.isDigit() && c != u'.' && !before.contains(c))
                m_fault = QStringLiteral("the number box %1 took %2 from %3")
                              .arg(described(box), quoted(QString(c)), quoted(text));
        }
    }
}

bool RandomStudent::typeIntoBox(QWidget *window)
{
    QVector<QLineEdit *> boxes;
    for (QLineEdit *box : visibleOf<QLineEdit>(window)) {
        if (box->isEnabled() && !insideDropDown(box) && (!passwordBox(box) || chance(0.3)))
            boxes << box;
    }
    if (boxes.isEmpty())
        return false;
    QLineEdit *box = pick(boxes);
    const QString text = randomText();
    const int clearing = below(100);
    const int backspaces = below(16);
    const int after = below(100);
    QString how = clearing < 35 ? QStringLiteral("after %1 Backspaces").arg(backspaces)
        : clearing < 55         ? QStringLiteral("over the whole text")
                                : QStringLiteral("at the cursor");
    if (after < 30)
        how += QStringLiteral(", then Return");
    else if (after < 40)
        how += QStringLiteral(", then Tab");
    say(QStringLiteral("type %1 into %2 %3").arg(quoted(text), described(box), how));
    reach(window);
    const QPointer<QLineEdit> alive(box);
    const QString original = box->text();
    StudentHands::click(box, somewhereIn(box));
    for (int i = 0; alive && clearing < 35 && i < backspaces; ++i)
        StudentHands::key(box, Qt::Key_Backspace);
    if (alive && clearing >= 35 && clearing < 55)
        StudentHands::key(box, Qt::Key_A, Qt::ControlModifier);
    if (alive && box->inherits("DisplayBox") && box->text() != original && m_fault.isEmpty())
        m_fault = QStringLiteral("clearing changed the display box %1").arg(described(box));
    if (alive)
        typeChecked(box, text);
    if (alive && after < 30)
        StudentHands::key(box, Qt::Key_Return);
    else if (alive && after < 40)
        StudentHands::key(box, Qt::Key_Tab);
    return true;
}

QString RandomStudent::passwordAttempt(const QLineEdit *box)
{
    const QString known = m_watch.passwordFor(box->window());
    const QString password = known.isEmpty() ? m_password : known;
    // The supervisor types the password at the front page and for the
    // results; the heart's Return in an examination is the supervisor's way
    // out, which the student, who tries it, seldom knows.
    const bool wayOut = box->parentWidget() && box->parentWidget()->objectName() == QLatin1String("frm_retpass");
    const int r = below(100);
    if (wayOut && r >= 5)
        return r < 50 ? password.left(1 + below(3)) : randomText();
    if (r < 65)
        return password;
    if (r < 75)
        return QStringLiteral(" %1 ").arg(password.toLower()).left(10);
    if (r < 85)
        return password.left(1 + below(3));
    return randomText();
}

bool RandomStudent::typePassword(QWidget *window)
{
    QVector<QLineEdit *> boxes;
    for (QLineEdit *box : visibleOf<QLineEdit>(window)) {
        if (box->isEnabled() && passwordBox(box))
            boxes << box;
    }
    if (boxes.isEmpty())
        return false;
    QLineEdit *box = pick(boxes);
    const QString attempt = passwordAttempt(box);
    const int submit = below(100);
    auto *gateway = qobject_cast<PasswordGateway *>(box->parentWidget());
    QPushButton *ok = gateway ? gateway->okButton() : nullptr;
    say(QStringLiteral("type the password %1 into %2%3")
            .arg(quoted(attempt), described(box),
                 submit < 55       ? QStringLiteral(" and press Return")
                     : submit < 90 ? QStringLiteral(" and click %1").arg(described(ok))
                                   : QString()));
    reach(window);
    const QPointer<QLineEdit> alive(box);
    StudentHands::click(box, somewhereIn(box));
    if (alive)
        StudentHands::key(box, Qt::Key_A, Qt::ControlModifier);
    if (alive)
        StudentHands::key(box, Qt::Key_Backspace);
    if (alive)
        typeChecked(box, attempt);
    if (!alive)
        return true;
    if (submit < 55) {
        StudentHands::key(box, Qt::Key_Return);
    } else if (submit < 90 && ok && ok->isVisible()) {
        QPoint local;
        if (QWidget *receiver = pressable(window, ok->mapTo(window, ok->rect().center()), &local))
            clickOn(receiver, local, false);
    }
    return true;
}

bool RandomStudent::pressKeys(QWidget *window)
{
    QVector<KeyPress> presses;
    const int count = 1 + below(4);
    for (int i = 0; i < count; ++i) {
        const int r = below(100);
        if (r < 60) {
            const NamedKey &k = PlainKeys[below(int(sizeof(PlainKeys) / sizeof(PlainKeys[0])))];
            presses << KeyPress{k.key, Qt::NoModifier, QString::fromLatin1(k.name)};
        } else if (r < 75) {
            const char letter = char('A' + below(26));
            presses << KeyPress{Qt::Key(letter), Qt::AltModifier, QStringLiteral("Alt+%1").arg(QLatin1Char(letter))};
        } else if (r < 85) {
            const char letters[] = {'A', 'C', 'V', 'X', 'Z'};
            const char letter = letters[below(5)];
            presses << KeyPress{Qt::Key(letter), Qt::ControlModifier,
                                QStringLiteral("Ctrl+%1").arg(QLatin1Char(letter))};
        } else {
            const char c = "az09. "[below(6)];
            presses << KeyPress{Qt::Key(QChar(c).toUpper().unicode()), Qt::NoModifier, QString(QLatin1Char(c))};
        }
    }
    QStringList names;
    for (const KeyPress &p : presses)
        names << p.name;
    QWidget *focus = window->focusWidget();
    say(QStringLiteral("press %1 in %2 (focus on %3)")
            .arg(names.join(QStringLiteral(", ")), window->objectName(), described(focus)));
    reach(window);
    const QPointer<QWidget> alive(window);
    for (const KeyPress &p : presses) {
        if (!alive || !window->isVisible())
            return true;
        QWidget *target = window->focusWidget();
        if (!target || !target->isVisible())
            target = window;
        // The keys that would press Quit end the program on purpose.
        const bool onQuit
            = target->objectName() == QLatin1String("Cmd_quit") && window->objectName() == WindowNames::Selection;
        const bool pressesButton = p.key == Qt::Key_Space || p.key == Qt::Key_Return || p.key == Qt::Key_Enter;
        if ((onQuit && pressesButton)
            || (window->objectName() == WindowNames::Selection && p.key == Qt::Key_Q && p.modifiers == Qt::AltModifier))
            continue;
        if (p.name.size() == 1)
            StudentHands::type(target, p.name);
        else
            StudentHands::key(target, p.key, p.modifiers);
        if (QApplication::activePopupWidget())
            return true;
    }
    return true;
}
