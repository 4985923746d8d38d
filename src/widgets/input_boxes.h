#pragma once

#include <QLineEdit>

class QLabel;

// A box the student types a number into: digits, the point and backspace only.
// Pasting and dropping are off, so nothing else can get in.
class NumberBox final : public QLineEdit
{
    Q_OBJECT

public:
    NumberBox(const QString &name, QWidget *parent);

    // How many characters the student may type. Unlike the line edit's own
    // maximum length it never cuts what the program writes (a dose button may
    // put " 12.8" into a box whose typing stops at four characters).
    void setTypedLength(int characters) { m_typedLength = characters; }
    int typedLength() const { return m_typedLength; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_typedLength = -1;
};

// A box the program writes into and the student only reads: every key is
// discarded.
class DisplayBox final : public QLineEdit
{
    Q_OBJECT

public:
    DisplayBox(const QString &name, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A text entry with a length limit and, for passwords, a masking character
// of our choosing ("x" or a blank) instead of the platform's bullet.
class EntryBox final : public QLineEdit
{
    Q_OBJECT

public:
    EntryBox(const QString &name, int maxLength, QWidget *parent);
    void setMaskCharacter(QChar mask);
    QChar maskCharacter() const { return m_mask; }

private:
    QChar m_mask;
};

// Names a box by its label for screen readers, and lets the label's
// accelerator reach the box.
void nameByLabel(QWidget *box, QLabel *label);
