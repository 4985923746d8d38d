#include "app/random_student.h"

#include "app/program_rules.h"
#include "app/program_windows.h"
#include "app/student_hands.h"
#include "app/student_sight.h"
#include "shell/practicals.h"
#include "shell/shell_fixture.h"
#include "widgets/form_window.h"
#include "widgets/picture_drag.h"
#include "widgets/recorder/recording_print.h"
#include "widgets/results_save.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QApplication>
#include <QPrinterInfo>

namespace {

// The clock's seconds since midnight as the run starts: any moment of the
// day, so that the program's reseeds differ from seed to seed.
double startOfDay(quint32 seed)
{
    std::mt19937 engine(seed ^ 0x9e3779b9u);
    return double(engine() % 86400000u) / 1000.0;
}

QString answerName(MessageBoxes::Answer answer)
{
    switch (answer) {
    case MessageBoxes::Answer::Ok: return QStringLiteral("OK");
    case MessageBoxes::Answer::Cancel: return QStringLiteral("Cancel");
    case MessageBoxes::Answer::Yes: return QStringLiteral("Yes");
    case MessageBoxes::Answer::No: return QStringLiteral("No");
    }
    return QString();
}

RandomStudent *listening = nullptr;
QtMessageHandler earlierHandler = nullptr;

} // namespace

void RandomStudent::heardFromQt(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (listening && type != QtDebugMsg && type != QtInfoMsg && !listening->warned(message))
        return;
    earlierHandler(type, context, message);
}

bool RandomStudent::warned(const QString &message)
{
    // The offscreen platform's notes say nothing about the program; a PDF
    // that cannot be written is refused by the printer, which the program
    // tells the student.
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return true;
    if (m_unwritablePdf && message.startsWith(QLatin1String("QPainter::begin(): Returned false")))
        return false;
    m_log.note(QStringLiteral("Qt warned %1").arg(StudentSight::quoted(message)));
    if (m_fault.isEmpty())
        m_fault = QStringLiteral("Qt warned: %1").arg(message);
    return true;
}

RandomStudent::RandomStudent(quint32 seed, StudentLog &log)
    : m_log(log)
    , m_seed(seed)
    , m_rng(seed)
    , m_chance(seed)
    , m_time(m_clock, startOfDay(seed))
    , m_watch(ShellFixture::practicals())
{
    // The program as main starts it: every window defined on fresh
    // practicals, the end of the program when the last window goes.
    ShellFixture::setUp();
    ProgramWindows::define(ShellFixture::practicals());

    MessageBoxes::setHandler([this](const MessageBoxes::Request &request) { return answerBox(request); });
    // No printer is set up; the PDF file dialog is answered here.
    RecordingPrint::setPrinterLookup([] { return QPrinterInfo(); });
    RecordingPrint::setPdfFileChooser(
        [this](QWidget *, const QString &) { return choosePdfFile(QStringLiteral("recording.pdf")); });
    // The supervisor's save step: a name typed or not, then the file dialog.
    ResultsSave::setChooser([this](QWidget *, const ResultsSave::Choice &) {
        const QString name = below(2) == 0 ? QString() : m_password;
        return ResultsSave::Choice{name, choosePdfFile(QStringLiteral("results.pdf"))};
    });
    PictureDrag::setStarter(
        [this](QWidget *source, const QString &what, const QPixmap &) { pictureDragged(source, what); });
    StudentHands::setBetweenEvents([this] { settle(); });
    listening = this;
    earlierHandler = qInstallMessageHandler(&RandomStudent::heardFromQt);

    const QString letters = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnpqrstuvwxyz23456789");
    const int length = 4 + below(7);
    for (int i = 0; i < length; ++i)
        m_password += letters.at(below(int(letters.size())));
}

RandomStudent::~RandomStudent()
{
    qInstallMessageHandler(earlierHandler);
    listening = nullptr;
    StudentHands::setBetweenEvents({});
    PictureDrag::setStarter({});
    ResultsSave::setChooser({});
    RecordingPrint::setPdfFileChooser({});
    RecordingPrint::setPrinterLookup({});
    MessageBoxes::setHandler({});
    TestWindows::unloadEverything();
}

int RandomStudent::below(int n)
{
    return n <= 1 ? 0 : int(m_rng() % quint32(n));
}

bool RandomStudent::chance(double p)
{
    return double(m_rng()) / 4294967296.0 < p;
}

QPoint RandomStudent::somewhereIn(const QWidget *widget)
{
    return QPoint(below(widget->width()), below(widget->height()));
}

void RandomStudent::say(const QString &action)
{
    m_log.record(m_step, action);
}

void RandomStudent::settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString RandomStudent::run(int steps, bool trace)
{
    m_log.begin(m_seed, steps, trace);
    m_step = 0;
    say(QStringLiteral("start the program at its splash; the password is \"%1\"").arg(m_password));
    WindowRegistry::show(WindowNames::Splash);
    settle();
    for (m_step = 0; m_step <= steps; ++m_step) {
        if (m_step > 0) {
            act();
            settle();
            // A moment passes before the next action.
            const int r = below(100);
            const int pauseMs = r < 5 ? 0 : r < 85 ? 30 + below(370) : 400 + below(1600);
            m_time.advance(pauseMs);
            settle();
        }
        m_time.notice();
        m_watch.look();
        for (const QWidget *window : reachableWindows()) {
            if (!m_windowsSeen.contains(window->objectName()) && !window->inherits("HelpViewer"))
                m_windowsSeen << window->objectName();
        }
        const QString broken = brokenRule();
        if (!broken.isEmpty())
            return QStringLiteral("%1\n%2").arg(broken, m_log.report());
    }
    return QString();
}

QString RandomStudent::brokenRule()
{
    if (!m_fault.isEmpty())
        return m_fault;
    const QString rule = ProgramRules::all(ShellFixture::practicals());
    return rule.isEmpty() ? m_watch.broken() : rule;
}

QVector<QWidget *> RandomStudent::reachableWindows() const
{
    QVector<QWidget *> windows;
    const QStringList loaded = WindowRegistry::loadedNames();
    for (const QString &name : loaded) {
        FormWindow *window = WindowRegistry::find(name);
        if (window && window->isVisible() && !window->isMinimized())
            windows << window;
    }
    for (QWidget *help : ProgramRules::helpWindows()) {
        if (help->isVisible() && !help->isMinimized())
            windows << help;
    }
    return windows;
}

QWidget *RandomStudent::chooseWindow(const QVector<QWidget *> &windows)
{
    // Mostly the window last opened, which lies on top.
    QVector<QWidget *> own;
    for (QWidget *w : windows) {
        if (qobject_cast<FormWindow *>(w))
            own << w;
    }
    if (!own.isEmpty() && chance(0.7))
        return own.last();
    return pick(windows);
}

void RandomStudent::reach(QWidget *window)
{
    StudentHands::activate(window);
}

void RandomStudent::act()
{
    if (QWidget *popup = QApplication::activePopupWidget()) {
        answerOpenList(popup);
        return;
    }
    static const Choice choices[] = {
        {30, &RandomStudent::clickControl},     {8, &RandomStudent::clickAnywhere},
        {4, &RandomStudent::clickTwice},        {3, &RandomStudent::doubleClickSomething},
        {2, &RandomStudent::keepClicking},      {6, &RandomStudent::chooseFromDropDown},
        {10, &RandomStudent::typeIntoBox},      {8, &RandomStudent::typePassword},
        {6, &RandomStudent::pressKeys},         {5, &RandomStudent::dragWithMouse},
        {4, &RandomStudent::dragInFromOutside}, {4, &RandomStudent::moveScrollBar},
        {5, &RandomStudent::movePointerAbout},  {1, &RandomStudent::closeWindow},
        {1, &RandomStudent::minimiseOrRestore}, {6, &RandomStudent::waitAndWatch},
        {2, &RandomStudent::lookAtTheScreen},
    };
    int total = 0;
    for (const Choice &c : choices)
        total += c.weight;
    const QVector<QWidget *> windows = reachableWindows();
    if (windows.isEmpty()) {
        // Every window is minimised: the student brings one back.
        minimiseOrRestore(nullptr);
        return;
    }
    for (int attempt = 0; attempt < 10; ++attempt) {
        QWidget *window = chooseWindow(windows);
        // A password box on show draws the student's attention.
        if (chance(0.2) && typePassword(window))
            return;
        int r = below(total);
        const Choice *choice = choices;
        while (r >= choice->weight) {
            r -= choice->weight;
            ++choice;
        }
        if ((this->*(choice->act))(window))
            return;
    }
    waitAndWatch(nullptr);
}

bool RandomStudent::closeWindow(QWidget *window)
{
    // Closing the selection window when it is the last one ends the program
    // on purpose.
    if (window->objectName() == WindowNames::Selection && WindowRegistry::loadedNames().size() == 1)
        return false;
    say(QStringLiteral("close %1 by its title bar").arg(window->objectName()));
    window->close();
    return true;
}

bool RandomStudent::minimiseOrRestore(QWidget *window)
{
    QVector<QWidget *> minimised;
    const QStringList loaded = WindowRegistry::loadedNames();
    for (const QString &name : loaded) {
        FormWindow *w = WindowRegistry::find(name);
        if (w && w->isVisible() && w->isMinimized())
            minimised << w;
    }
    if (!minimised.isEmpty() && (!window || chance(0.6))) {
        QWidget *back = pick(minimised);
        say(QStringLiteral("restore %1 from the task bar").arg(back->objectName()));
        back->showNormal();
        return true;
    }
    if (!window)
        return false;
    say(QStringLiteral("minimise %1").arg(window->objectName()));
    window->showMinimized();
    return true;
}

bool RandomStudent::waitAndWatch(QWidget *)
{
    // Mostly the seconds a beat, a wash-out, a seed's travel or an
    // instillation stage takes; now and then long enough to fill a paper.
    const int r = below(1000);
    const int ms = r < 650 ? 1000 + below(7000)
        : r < 950          ? 8000 + below(22000)
        : r < 997          ? 30000 + below(60000)
                           : 300000 + below(1500000);
    say(QStringLiteral("wait %1 s and watch").arg(ms / 1000.0, 0, 'f', 1));
    m_time.advance(ms);
    return true;
}

bool RandomStudent::lookAtTheScreen(QWidget *window)
{
    say(QStringLiteral("look at %1").arg(window->objectName()));
    window->grab();
    return true;
}

MessageBoxes::Answer RandomStudent::answerBox(const MessageBoxes::Request &request)
{
    using MessageBoxes::Answer;
    QVector<Answer> offered;
    switch (request.buttons) {
    case MessageBoxes::Buttons::Ok: offered = {Answer::Ok}; break;
    case MessageBoxes::Buttons::OkCancel: offered = {Answer::Ok, Answer::Cancel}; break;
    case MessageBoxes::Buttons::YesNo: offered = {Answer::Yes, Answer::No}; break;
    case MessageBoxes::Buttons::YesNoCancel: offered = {Answer::Yes, Answer::No, Answer::Cancel}; break;
    }
    Answer answer = chance(0.2) ? request.defaultAnswer : pick(offered);
    // No to the screen warning ends the program on purpose.
    if (request.title.contains(QLatin1String("screen resolution")))
        answer = Answer::Yes;
    // The student reads the box for a moment; the timers run on meanwhile.
    const int readingMs = chance(0.3) ? 0 : 200 + below(3000);
    m_log.note(QStringLiteral("box %1 answered %2 after %3 s")
                   .arg(StudentSight::quoted(request.text), answerName(answer))
                   .arg(readingMs / 1000.0, 0, 'f', 1));
    m_time.advance(readingMs);
    return answer;
}

QString RandomStudent::choosePdfFile(const QString &fileName)
{
    const int r = below(100);
    const QString chosen = r < 80 ? QString() : r < 90 ? QStringLiteral("no such folder/") + fileName : fileName;
    m_unwritablePdf = r >= 80 && r < 90;
    m_log.note(chosen.isEmpty() ? QStringLiteral("the PDF file dialog cancelled")
                                : QStringLiteral("the PDF saved as %1").arg(chosen));
    return chosen.isEmpty() || !m_pdfFolder.isValid() ? QString() : m_pdfFolder.filePath(chosen);
}
