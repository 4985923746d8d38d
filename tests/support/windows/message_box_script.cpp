#include "support/windows/message_box_script.h"

MessageBoxScript::MessageBoxScript()
{
    MessageBoxes::setHandler([this](const MessageBoxes::Request &request) {
        m_asked.append(request);
        return m_answers.isEmpty() ? request.defaultAnswer : m_answers.takeFirst();
    });
}

MessageBoxScript::~MessageBoxScript()
{
    MessageBoxes::setHandler({});
}
