#include "test_seams.h"

#include "asset_paths.h"
#include "help_engine.h"
#include "program_end.h"
#include "window_registry.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// The offscreen platform warns that it cannot raise windows or pass size
// hints; those lines say nothing about the program and drown the test logs.
QtMessageHandler defaultHandler = nullptr;

void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    defaultHandler(type, context, message);
}


} // namespace

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

FakeClock::FakeClock()
{
    Clock::setCurrent(this);
}

FakeClock::~FakeClock()
{
    Clock::setCurrent(nullptr);
}

void FakeClock::pause(int milliseconds)
{
    m_pauses.append(milliseconds);
    m_seconds += milliseconds / 1000.0;
}

ScriptedRandom::ScriptedRandom(QVector<float> values)
    : m_values(std::move(values))
{
    Chance::setSource(this);
}

ScriptedRandom::~ScriptedRandom()
{
    Chance::setSource(nullptr);
}

float ScriptedRandom::next()
{
    if (m_values.isEmpty())
        return 0.0f;
    const float value = m_values.at(qMin(m_next, int(m_values.size()) - 1));
    ++m_next;
    return value;
}

namespace TestWindows {

void useRunFolder()
{
    // QtTest installs its own message handler as it starts; ours goes in front.
    if (!defaultHandler)
        defaultHandler = qInstallMessageHandler(quietOffscreenWarnings);
    AssetPaths::setFolder(QStringLiteral(VIVOSIM_TEST_RUN_DIR));
}

void unloadEverything()
{
    WindowRegistry::unloadAll();
    HelpEngine::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ProgramEnd::resetForTest();
}

} // namespace TestWindows
