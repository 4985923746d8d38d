#pragma once

#include "widgets/message_boxes.h"

#include <QList>

// Answers every message box from a script and keeps what was asked. Boxes
// beyond the script get their default button.
class MessageBoxScript
{
public:
    MessageBoxScript();
    ~MessageBoxScript();

    void answerNext(MessageBoxes::Answer answer) { m_answers.append(answer); }
    const QList<MessageBoxes::Request> &asked() const { return m_asked; }
    int count() const { return m_asked.size(); }
    MessageBoxes::Request last() const { return m_asked.isEmpty() ? MessageBoxes::Request() : m_asked.last(); }
    void clear() { m_asked.clear(); }

private:
    QList<MessageBoxes::Answer> m_answers;
    QList<MessageBoxes::Request> m_asked;
};
