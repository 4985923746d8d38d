#include "app/display_scale.h"
#include "app/random_student.h"
#include "app/student_log.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>

namespace {

// The seeds every test run plays, each for StepsPerSeed actions.
const quint32 Seeds[] = {1, 2, 3, 5, 8, 13, 21, 34};
constexpr int StepsPerSeed = 2500;
// A seed of one's own runs this long unless told otherwise.
constexpr int StepsForOneSeed = 20000;

} // namespace

// VIVOSIM_STUDENT_SEED plays that seed alone, VIVOSIM_STUDENT_STEPS sets how
// many actions each seed is played for, VIVOSIM_STUDENT_TRACE prints every
// action as it is done.
class TestRandomStudent : public QObject
{
    Q_OBJECT

private slots:
    void keepsEveryRule_data();
    void keepsEveryRule();
};

void TestRandomStudent::keepsEveryRule_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    bool stepsGiven = false;
    const int steps = qEnvironmentVariableIntValue("VIVOSIM_STUDENT_STEPS", &stepsGiven);
    const QByteArray chosen = qgetenv("VIVOSIM_STUDENT_SEED");
    if (!chosen.isEmpty()) {
        bool seedGiven = false;
        const quint32 seed = chosen.trimmed().toUInt(&seedGiven);
        QTest::addRow("seed %s", chosen.constData())
            << seed << (seedGiven ? (stepsGiven ? steps : StepsForOneSeed) : -1);
        return;
    }
    for (const quint32 seed : Seeds)
        QTest::addRow("seed %u", seed) << seed << (stepsGiven ? steps : StepsPerSeed);
}

void TestRandomStudent::keepsEveryRule()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    QVERIFY2(steps > 0,
             "VIVOSIM_STUDENT_SEED must be a whole number from 0 to 4294967295, "
             "VIVOSIM_STUDENT_STEPS a positive number of actions");
    StudentLog log;
    RandomStudent student(seed, log);
    QElapsedTimer took;
    took.start();
    const QString broken = student.run(steps, qEnvironmentVariableIsSet("VIVOSIM_STUDENT_TRACE"));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    qInfo("seed %u on a %d x %d screen at %g device pixels a pixel, %d actions in %.1f s: %.0f simulated minutes, "
          "%d timer timeouts; examination results seen: %s; windows seen: %s",
          seed, screen.width(), screen.height(), QGuiApplication::primaryScreen()->devicePixelRatio(), steps,
          double(took.elapsed()) / 1000.0, double(student.simulatedMs()) / 60000.0, student.timeouts(),
          qPrintable(student.resultsSeen()), qPrintable(student.windowsSeen().join(QStringLiteral(", "))));
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

int main(int argc, char *argv[])
{
    // A run of one's own may take longer than the test library's five
    // minutes for a test function; ctest's limit still holds.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")
        && (qEnvironmentVariableIsSet("VIVOSIM_STUDENT_SEED") || qEnvironmentVariableIsSet("VIVOSIM_STUDENT_STEPS")))
        qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    // The program's own scale for the screen, as main chooses it.
    DisplayScale::chooseBeforeStart(argc, argv, std::nullopt);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestRandomStudent test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_random_student.moc"
