#include "app/screen_report.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ReportVariable = QStringLiteral("VIVOSIM_SCREEN_REPORT");
const QString WarningTitle = QStringLiteral("WARNING - screen resolution NOT supported");

// As the offscreen platform takes a screen: its size in logical pixels and
// the ratio the platform scales by itself (2 for a screen at 200 %).
struct Screen
{
    int width = 800;
    int height = 600;
    int dpr = 1;
};

// What the program, started as a child on a screen the offscreen platform
// poses as, printed.
struct Report
{
    int exitCode = -1;
    QString output;
    QString errors;
    QString factor;
    double ratio = 0;
    QRect screen;
    QRect area;
    int warnings = 0;
    QList<QPair<QString, QRect>> windows;
};

QRect readRect(const QStringList &words, int from)
{
    return QRect(words.value(from).toInt(), words.value(from + 1).toInt(), words.value(from + 2).toInt(),
                 words.value(from + 3).toInt());
}

Report startProgram(const Screen &screen, const QStringList &arguments, const QStringList &environment)
{
    Report report;
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return report;
    file.write(QStringLiteral("{\"windowFrameMargins\": false, \"screens\": [{\"name\": \"S\", \"x\": 0, \"y\": 0, "
                              "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, "
                              "\"dpr\": %3}]}")
                   .arg(screen.width)
                   .arg(screen.height)
                   .arg(screen.dpr)
                   .toUtf8());
    file.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    env.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    env.insert(ReportVariable, QStringLiteral("1"));
    for (const QString &setting : environment)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationFilePath(), arguments);
    if (!program.waitForFinished(90000)) {
        program.kill();
        program.waitForFinished();
        return report;
    }
    report.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    report.output = QString::fromLocal8Bit(program.readAllStandardOutput());
    report.errors = QString::fromLocal8Bit(program.readAllStandardError());
    for (const QString &line : report.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList words = line.split(QLatin1Char(' '));
        const QString &what = words.first();
        if (what == QLatin1String("factor"))
            report.factor = words.value(1);
        else if (what == QLatin1String("ratio"))
            report.ratio = words.value(1).toDouble();
        else if (what == QLatin1String("screen"))
            report.screen = readRect(words, 1);
        else if (what == QLatin1String("area"))
            report.area = readRect(words, 1);
        else if (what == QLatin1String("window"))
            report.windows.append({words.value(1), readRect(words, 2)});
        else if (what == QLatin1String("box") && line.mid(4) == WarningTitle)
            ++report.warnings;
    }
    return report;
}

// The windows the design puts at the screen's corner, and where.
QPoint cornerPlace(const QString &window)
{
    if (window == QLatin1String("Frm_Ileum"))
        return QPoint(5, 5);
    if (window == QLatin1String("Frm_Heart") || window == QLatin1String("Frm_Oesophagus")
        || window == QLatin1String("Frm_Rabbit"))
        return QPoint(0, 0);
    return QPoint(-1, -1);
}

} // namespace

Q_DECLARE_METATYPE(Screen)

// Each row starts the program in a child process on its own screen.
class TestScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void theDesignFillsTheScreen_data();
    void theDesignFillsTheScreen();
    void theUsersChoiceWins_data();
    void theUsersChoiceWins();
    void commandLine_data();
    void commandLine();
};

void TestScreenFit::theDesignFillsTheScreen_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QSize>("logicalScreen");
    QTest::addColumn<double>("ratio");

    QTest::newRow("800 x 600: the design's own screen") << Screen{800, 600, 1} << "1" << QSize(800, 600) << 1.0;
    QTest::newRow("1024 x 768") << Screen{1024, 768, 1} << "1.25" << QSize(819, 614) << 1.25;
    QTest::newRow("1280 x 1024: the width decides") << Screen{1280, 1024, 1} << "1.6" << QSize(800, 640) << 1.6;
    QTest::newRow("1366 x 768") << Screen{1366, 768, 1} << "1.25" << QSize(1093, 614) << 1.25;
    QTest::newRow("1920 x 1080") << Screen{1920, 1080, 1} << "1.8" << QSize(1067, 600) << 1.8;
    QTest::newRow("2560 x 1440") << Screen{2560, 1440, 1} << "2.4" << QSize(1067, 600) << 2.4;
    QTest::newRow("3840 x 2160") << Screen{3840, 2160, 1} << "3.6" << QSize(1067, 600) << 3.6;
    // Fitted in logical pixels: it looks like 1920 x 1080, at twice the
    // device pixels.
    QTest::newRow("3840 x 2160 at 200 %") << Screen{1920, 1080, 2} << "1.8" << QSize(1067, 600) << 3.6;
}

void TestScreenFit::theDesignFillsTheScreen()
{
    QFETCH(Screen, screen);
    QFETCH(QString, factor);
    QFETCH(QSize, logicalScreen);
    QFETCH(double, ratio);
    const Report report = startProgram(screen, {}, {});
    QVERIFY2(report.exitCode == 0, qPrintable(report.errors));

    QCOMPARE(report.factor, factor);
    QCOMPARE(report.ratio, ratio);
    QCOMPARE(report.screen, QRect(QPoint(0, 0), logicalScreen));
    const QRect centred(QPoint((logicalScreen.width() - 800) / 2, (logicalScreen.height() - 600) / 2), QSize(800, 600));
    QCOMPARE(report.area, centred);
    QCOMPARE(report.warnings, 0);

    QStringList shown;
    for (const auto &[name, place] : report.windows) {
        shown.append(name);
        QVERIFY2(report.screen.contains(place), qPrintable(name + QStringLiteral(" lies beyond the screen")));
        const QPoint corner = cornerPlace(name);
        if (corner.x() >= 0) {
            QCOMPARE(place.topLeft(), report.area.topLeft() + corner);
        } else {
            const QPoint offCentre = place.center() - report.area.center();
            QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
                     qPrintable(name + QStringLiteral(" is not centred on the design area")));
        }
    }
    const QStringList everyWindow{
        "Frm_Vivosim",      "Frm_Selection", "Frm_instruct",    "Frm_Heart_Main",   "Frm_Heart",      "help:heart.hlp",
        "Frm_Heart_Table",  "Frm_Question",  "Frm_il_main",     "Frm_Ileum",        "help:ileum.hlp", "Frm_I_Exam",
        "Frm_Ile_Question", "Frm_Oeso_main", "Frm_Oesophagus",  "help:oesopha.hlp", "Frm_Oeso_Table", "Frm_Oeso_Quest",
        "Frm_Rab_main",     "Frm_Rabbit",    "help:rabbit.hlp", "Frm_Rab_Table"};
    QCOMPARE(shown, everyWindow);
}

void TestScreenFit::theUsersChoiceWins_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QSize>("logicalScreen");
    QTest::addColumn<int>("warnings");

    const Screen fullHd{1920, 1080, 1};
    QTest::newRow("--scale 1: the design's own size")
        << fullHd << QStringList{"--scale", "1"} << QStringList{} << "1" << QSize(1920, 1080) << 0;
    QTest::newRow("QT_SCALE_FACTOR") << fullHd << QStringList{} << QStringList{"QT_SCALE_FACTOR=1.5"} << "1.5"
                                     << QSize(1280, 720) << 0;
    QTest::newRow("QT_SCREEN_SCALE_FACTORS")
        << fullHd << QStringList{} << QStringList{"QT_SCREEN_SCALE_FACTORS=1.5"} << "1" << QSize(1280, 720) << 0;
    QTest::newRow("an empty QT_SCALE_FACTOR is no choice")
        << fullHd << QStringList{} << QStringList{"QT_SCALE_FACTOR="} << "1.8" << QSize(1067, 600) << 0;
    // Qt takes its own options; -reverse is not -r -e -v (--version) ...
    QTest::newRow("Qt's own options beside --scale")
        << fullHd << QStringList{"-reverse", "--scale", "1.25"} << QStringList{} << "1.25" << QSize(1536, 864) << 0;
    QTest::newRow("--scale wins over QT_SCALE_FACTOR")
        << fullHd << QStringList{"--scale=1.25"} << QStringList{"QT_SCALE_FACTOR=3"} << "1.25" << QSize(1536, 864) << 0;
    // The design cannot be shown whole: every front page warns.
    QTest::newRow("--scale too large for the screen")
        << Screen{1024, 768, 1} << QStringList{"--scale", "2"} << QStringList{} << "2" << QSize(512, 384) << 4;
    QTest::newRow("a screen below 800 x 600")
        << Screen{640, 480, 1} << QStringList{} << QStringList{} << "1" << QSize(640, 480) << 4;
}

void TestScreenFit::theUsersChoiceWins()
{
    QFETCH(Screen, screen);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QString, factor);
    QFETCH(QSize, logicalScreen);
    QFETCH(int, warnings);
    const Report report = startProgram(screen, arguments, environment);
    QVERIFY2(report.exitCode == 0, qPrintable(report.errors));
    QCOMPARE(report.factor, factor);
    QCOMPARE(report.screen.size(), logicalScreen);
    QCOMPARE(report.warnings, warnings);
}

void TestScreenFit::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errors");

    QTest::newRow("--help") << QStringList{"--help"} << 0 << "--scale <factor>"
                            << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "Vivosim 1.0"
                               << "";
    QTest::newRow("--help-all") << QStringList{"--help-all"} << 0 << "--scale <factor>"
                                << "";
    QTest::newRow("a scale that is no number") << QStringList{"--scale", "big"} << 1 << ""
                                               << "the scale must be a number from 0.5 to 8, not 'big'";
    QTest::newRow("a scale out of range") << QStringList{"--scale", "0.1"} << 1 << ""
                                          << "not '0.1'";
    QTest::newRow("an option nobody knows") << QStringList{"--bigger"} << 1 << ""
                                            << "Unknown option 'bigger'";
}

void TestScreenFit::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    const Report report = startProgram(Screen{}, arguments, {});
    QCOMPARE(report.exitCode, exitCode);
    QVERIFY2(report.output.contains(output), qPrintable(report.output));
    QVERIFY2(report.errors.contains(errors), qPrintable(report.errors));
    // Ended before any window: nothing was reported.
    QVERIFY(report.windows.isEmpty());
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("VIVOSIM_SCREEN_REPORT"))
        return ScreenReport::run(argc, argv);
    QCoreApplication app(argc, argv);
    TestScreenFit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screen_fit.moc"
