#include "app/student_log.h"

#include <QStringList>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

StudentLog *dying = nullptr;
bool written = false;
const int FatalSignals[] = {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL};
struct sigaction previous[sizeof(FatalSignals) / sizeof(FatalSignals[0])];

void writeAll(const char *text, int length)
{
    while (length > 0) {
        const ssize_t done = ::write(STDERR_FILENO, text, size_t(length));
        if (done <= 0)
            return;
        text += done;
        length -= int(done);
    }
}

} // namespace

StudentLog::StudentLog()
{
    dying = this;
#if defined(__SANITIZE_ADDRESS__)
    // An AddressSanitizer or UndefinedBehaviorSanitizer report ends here.
    __sanitizer_set_death_callback(&StudentLog::dieReport);
#endif
    // A failed assertion or qFatal aborts; without the sanitizers a wild
    // pointer ends in a signal. The previous handler (the test library's, or
    // the sanitizers' own) runs after the report.
    for (size_t i = 0; i < sizeof(FatalSignals) / sizeof(FatalSignals[0]); ++i) {
#if defined(__SANITIZE_ADDRESS__)
        if (FatalSignals[i] != SIGABRT)
            continue;
#endif
        struct sigaction action = {};
        action.sa_handler = &StudentLog::fatalSignal;
        sigemptyset(&action.sa_mask);
        sigaction(FatalSignals[i], &action, &previous[i]);
    }
}

StudentLog::~StudentLog()
{
    for (size_t i = 0; i < sizeof(FatalSignals) / sizeof(FatalSignals[0]); ++i) {
#if defined(__SANITIZE_ADDRESS__)
        if (FatalSignals[i] != SIGABRT)
            continue;
#endif
        sigaction(FatalSignals[i], &previous[i], nullptr);
    }
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(nullptr);
#endif
    dying = nullptr;
}

void StudentLog::begin(quint32 seed, int steps, bool trace)
{
    m_seed = seed;
    m_steps = steps;
    m_trace = trace;
    m_step = 0;
    m_next = 0;
    m_count = 0;
    writeHeader();
}

void StudentLog::writeHeader()
{
    m_header = Entry();
    append(m_header,
           QStringLiteral("Random student: seed %1, %2 actions, failed at step %3; the last actions:\n")
               .arg(m_seed)
               .arg(m_steps)
               .arg(m_step)
               .toUtf8());
}

void StudentLog::append(Entry &entry, const QByteArray &bytes)
{
    const int room = EntryBytes - 1 - entry.length;
    const int length = qMin(room, int(bytes.size()));
    std::memcpy(entry.text.data() + entry.length, bytes.constData(), size_t(length));
    entry.length += length;
    entry.text[size_t(entry.length)] = '\0';
}

void StudentLog::record(int step, const QString &action)
{
    // Straight to the standard error: the test library would stop printing
    // after its first two thousand messages.
    if (m_trace && m_count > 0)
        std::fprintf(stderr, "%s\n", m_entries[size_t((m_next + Kept - 1) % Kept)].text.data());
    m_step = step;
    writeHeader();
    Entry &entry = m_entries[size_t(m_next)];
    entry = Entry();
    append(entry, QStringLiteral("  %1: %2").arg(step).arg(action).toUtf8());
    m_next = (m_next + 1) % Kept;
    m_count = qMin(m_count + 1, Kept);
}

void StudentLog::note(const QString &happening)
{
    if (m_count == 0)
        return;
    Entry &entry = m_entries[size_t((m_next + Kept - 1) % Kept)];
    append(entry, QStringLiteral("; %1").arg(happening).toUtf8());
}

QString StudentLog::report() const
{
    QStringList lines{QString::fromUtf8(m_header.text.data(), m_header.length).trimmed()};
    for (int i = 0; i < m_count; ++i) {
        const Entry &entry = m_entries[size_t((m_next + Kept - m_count + i) % Kept)];
        lines << QString::fromUtf8(entry.text.data(), entry.length);
    }
    return lines.join(QLatin1Char('\n'));
}

void StudentLog::writeOnDeath() const
{
    writeAll("\n", 1);
    writeAll(m_header.text.data(), m_header.length);
    for (int i = 0; i < m_count; ++i) {
        const Entry &entry = m_entries[size_t((m_next + Kept - m_count + i) % Kept)];
        writeAll(entry.text.data(), entry.length);
        writeAll("\n", 1);
    }
}

void StudentLog::dieReport()
{
    if (dying && !written) {
        written = true;
        dying->writeOnDeath();
    }
}

void StudentLog::fatalSignal(int signal)
{
    dieReport();
    for (size_t i = 0; i < sizeof(FatalSignals) / sizeof(FatalSignals[0]); ++i) {
        if (FatalSignals[i] == signal)
            sigaction(signal, &previous[i], nullptr);
    }
    // A raised signal comes back at once; a fault comes back as the faulting
    // instruction runs again, to the handler put back.
    if (signal == SIGABRT)
        raise(signal);
}
