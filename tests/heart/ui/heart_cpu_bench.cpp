// Prints what the heart Tutorial costs the processor while it simply runs, one
// "name value unit" line each: the process's CPU seconds over wall seconds,
// as a share of one core, for 10 s at rest and for the 7.6 s an injection of
// epinephrine acts (its lever ticks every few milliseconds). The windows run
// on their own timers and the real clock; nothing but the window is shown.
// The same figures follow at 1.8 times the design's size (a 1920 x 1080
// screen), their names ending in "_at_1.8x": the bench runs itself again with
// QT_SCALE_FACTOR=1.8.
#include "heart/ui/heart_window_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <ctime>

namespace {

// The share of one core the process used while the event loop ran for ms.
double cpuPercentOver(int ms)
{
    QElapsedTimer wall;
    const std::clock_t cpuStart = std::clock();
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    return 100.0 * cpuSeconds / (wall.nsecsElapsed() / 1.0e9);
}

void report(const QString &name, double value, const char *unit)
{
    QTextStream(stdout) << name << ' ' << QString::number(value, 'f', 1) << ' ' << unit << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Run again by itself with a scale as its argument.
    const QByteArray scale = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (!scale.isEmpty())
        qputenv("QT_SCALE_FACTOR", scale);
    QApplication app(argc, argv);
    const QString suffix = scale.isEmpty() ? QString() : QStringLiteral("_at_%1x").arg(QString::fromLatin1(scale));

    HeartWindowFixture::setUp();
    Frm_Heart *window = HeartWindowFixture::startTutorial();
    if (!window) {
        QTextStream(stderr) << "The heart Tutorial did not open.\n";
        return 1;
    }
    // Past the first wash-out, so that Inject is enabled, then a moment for
    // the first paints.
    HeartWindowFixture::settle(window);
    cpuPercentOver(500);
    report(QStringLiteral("heart_tutorial_rest_cpu") + suffix, cpuPercentOver(10000), "%");

    // Epinephrine is the first drug of the Tutorial's list.
    HeartWindowFixture::inject(window, 0);
    report(QStringLiteral("heart_tutorial_epinephrine_cpu") + suffix, cpuPercentOver(7600), "%");
    if (!scale.isEmpty())
        return 0;
    // A screen that holds the design at 1.8 times its size, as a 1920 x 1080
    // one does, so that no screen warning stops the run.
    QTemporaryDir folder;
    const QString screen = folder.filePath(QStringLiteral("screen.json"));
    QFile config(screen);
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(R"({"windowFrameMargins": false, "screens": [{"name": "S", "x": 0, "y": 0, "width": 1440, )"
                 R"("height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    QProcess again;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + screen);
    again.setProcessEnvironment(environment);
    again.setProcessChannelMode(QProcess::ForwardedChannels);
    again.start(QCoreApplication::applicationFilePath(), {QStringLiteral("1.8")});
    again.waitForFinished(-1);
    return again.exitCode();
}
