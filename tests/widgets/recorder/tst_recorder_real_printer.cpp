// Prints a recording through a real default printer: a cups-pdf queue on a
// cupsd of the test's own (its own configuration, spool and socket, so no
// other program's printers are touched). cups-pdf writes the pages as a PDF
// file into the folder its configuration names, by default ~/PDF.
#include "support/windows/message_box_script.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/recorder/pdf_pages.h"
#include "widgets/recorder/recording_print.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const QString Cupsd = QStringLiteral("/usr/sbin/cupsd");
const QString CupsPdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString CupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString CupsPdfConf = QStringLiteral("/etc/cups/cups-pdf.conf");
const QString Queue = QStringLiteral("VivosimPDF");

bool writeFile(const QString &name, const QString &text)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// Runs a CUPS command against our cupsd (CUPS_SERVER is in the environment);
// the exit code, 0 for success.
int cupsCommand(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        return -1;
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The folder cups-pdf writes into for this user: its "Out" setting with
// ${HOME} and ${USER} filled in.
QString cupsPdfOutputFolder()
{
    const passwd *user = getpwuid(geteuid());
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(CupsPdfConf);
    if (conf.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!conf.atEnd()) {
            const QString line = QString::fromUtf8(conf.readLine()).trimmed();
            if (line.startsWith(QLatin1String("Out ")))
                out = line.mid(4).trimmed();
        }
    }
    out.replace(QLatin1String("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
    out.replace(QLatin1String("${USER}"), QString::fromLocal8Bit(user->pw_name));
    return out;
}

// The PDF files in the folder with the times they were last written.
QHash<QString, QDateTime> pdfFilesIn(const QString &folder)
{
    QHash<QString, QDateTime> files;
    for (const QFileInfo &file : QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        files.insert(file.fileName(), file.lastModified());
    return files;
}

} // namespace

class TestRecorderRealPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void queueIsTheDefaultPrinter();
    void printButtonPrintsOnTheDefaultPrinter();
    void stoppedPrinterIsReported();

private:
    bool schedulerRunning();
    // The one PDF file cups-pdf wrote since the snapshot, once it is
    // complete; empty until then. (Job numbers start again with each cupsd,
    // so the file may carry the name of an older one.)
    QString finishedNewPdf() const;

    QTemporaryDir m_folder;
    QProcess m_cupsd;
    QString m_outputFolder;
    bool m_outputFolderExisted = false;
    QHash<QString, QDateTime> m_pdfsBefore;
    QStringList m_pdfsMade;
};

void TestRecorderRealPrinter::initTestCase()
{
    if (geteuid() != 0)
        QSKIP("Needs root: the test runs a cupsd of its own, and cups-pdf runs only as root.");
    if (!QFileInfo::exists(Cupsd))
        QSKIP("No /usr/sbin/cupsd: install the Debian package cups.");
    if (!QFileInfo::exists(CupsPdfBackend) || !QFileInfo::exists(CupsPdfPpd))
        QSKIP("No cups-pdf backend or PPD: install the Debian package printer-driver-cups-pdf.");

    QVERIFY(m_folder.isValid());
    const QString root = m_folder.path();
    for (const char *sub : {"conf", "spool", "cache", "state", "log", "tmp"})
        QVERIFY(QDir(root).mkpath(QString::fromLatin1(sub)));
    // The filters run as an unprivileged user and must reach the spool.
    QFile::setPermissions(root,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                              | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(root + QStringLiteral("/tmp"), QFileDevice::Permissions(0x7777));
    const QString socket = root + QStringLiteral("/cups.sock");
    QVERIFY(writeFile(root + QStringLiteral("/conf/cupsd.conf"),
                      QStringLiteral("LogLevel info\nListen %1\nBrowsing Off\nWebInterface No\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                                     "</Policy>\n")
                          .arg(socket)));
    QVERIFY(writeFile(root + QStringLiteral("/conf/cups-files.conf"),
                      QStringLiteral("SystemGroup root\nServerRoot %1/conf\nRequestRoot %1/spool\n"
                                     "CacheDir %1/cache\nStateDir %1/state\nTempDir %1/tmp\n"
                                     "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                     "PageLog %1/log/page_log\nPrintcap %1/printcap\n")
                          .arg(root)));

    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    m_cupsd.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Should the test be killed, its cupsd goes with it.
    m_cupsd.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.start(Cupsd,
                  {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/conf/cupsd.conf"),
                   QStringLiteral("-s"), root + QStringLiteral("/conf/cups-files.conf")});
    QVERIFY2(m_cupsd.waitForStarted(10000), qPrintable(m_cupsd.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(schedulerRunning(), 30000);

    QByteArray output;
    QVERIFY2(cupsCommand(QStringLiteral("lpadmin"),
                         {QStringLiteral("-p"), Queue, QStringLiteral("-E"), QStringLiteral("-v"),
                          QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), CupsPdfPpd},
                         &output)
                 == 0,
             output.constData());
    QVERIFY2(cupsCommand(QStringLiteral("lpadmin"), {QStringLiteral("-d"), Queue}, &output) == 0, output.constData());

    m_outputFolder = cupsPdfOutputFolder();
    m_outputFolderExisted = QFileInfo::exists(m_outputFolder);
}

void TestRecorderRealPrinter::cleanupTestCase()
{
    for (const QString &name : std::as_const(m_pdfsMade))
        QFile::remove(QDir(m_outputFolder).filePath(name));
    if (!m_outputFolder.isEmpty() && !m_outputFolderExisted)
        QDir().rmdir(m_outputFolder);
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
    qunsetenv("CUPS_SERVER");
}

void TestRecorderRealPrinter::init()
{
    // The real default printer, as the program looks it up.
    RecordingPrint::setPrinterLookup({});
    // A PDF file dialog would mean the printer was not found: fail, not block.
    RecordingPrint::setPdfFileChooser([](QWidget *, const QString &) {
        qWarning("the file dialog was asked for");
        return QString();
    });
}

void TestRecorderRealPrinter::cleanup()
{
    RecordingPrint::setPdfFileChooser({});
}

bool TestRecorderRealPrinter::schedulerRunning()
{
    QByteArray output;
    return cupsCommand(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &output) == 0
        && output.contains("scheduler is running");
}

QString TestRecorderRealPrinter::finishedNewPdf() const
{
    QStringList written;
    const QHash<QString, QDateTime> now = pdfFilesIn(m_outputFolder);
    for (auto file = now.cbegin(); file != now.cend(); ++file) {
        const auto before = m_pdfsBefore.constFind(file.key());
        if (before == m_pdfsBefore.cend() || before.value() < file.value())
            written.append(file.key());
    }
    if (written.size() != 1)
        return QString();
    QFile file(QDir(m_outputFolder).filePath(written.first()));
    if (!file.open(QIODevice::ReadOnly) || !file.readAll().trimmed().endsWith("%%EOF"))
        return QString();
    return file.fileName();
}

void TestRecorderRealPrinter::queueIsTheDefaultPrinter()
{
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), Queue);
}

void TestRecorderRealPrinter::printButtonPrintsOnTheDefaultPrinter()
{
    QWidget window;
    auto *recorder = new ChartRecorder(RecorderConfig::heart(), &window);
    recorder->RecorderSetUp();
    // 2300 pixels: two pages.
    while (recorder->bookkeeping().paperWidth() < 2300) {
        recorder->AdvancePaper(1);
        const int x = recorder->bookkeeping().paperWidth() - 10;
        recorder->paper()->drawLine(QPoint(x, 50 + x % 4), QPoint(x, 80 + x % 4));
    }
    m_pdfsBefore = pdfFilesIn(m_outputFolder);
    MessageBoxScript boxes;
    boxes.answerNext(MessageBoxes::Answer::Yes);
    recorder->printButton()->click();
    QCOMPARE(boxes.count(), 1);

    QTRY_VERIFY_WITH_TIMEOUT(!finishedNewPdf().isEmpty(), 40000);
    const QString pdf = finishedNewPdf();
    m_pdfsMade.append(QFileInfo(pdf).fileName());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(pdfPageCount(file.readAll()), 2);
}

void TestRecorderRealPrinter::stoppedPrinterIsReported()
{
    QByteArray output;
    QVERIFY2(cupsCommand(QStringLiteral("cupsdisable"), {Queue}, &output) == 0, output.constData());
    QWidget window;
    auto *recorder = new ChartRecorder(RecorderConfig::ileum(), &window);
    recorder->RecorderSetUp();
    MessageBoxScript boxes;
    boxes.answerNext(MessageBoxes::Answer::Yes);
    recorder->printButton()->click();
    QCOMPARE(cupsCommand(QStringLiteral("cupsenable"), {Queue}), 0);
    QCOMPARE(boxes.count(), 2);
    QVERIFY(boxes.last().text.startsWith(QLatin1String("The recording was not printed.")));
    QVERIFY(boxes.last().text.contains(Queue));
}

QTEST_MAIN(TestRecorderRealPrinter)
#include "tst_recorder_real_printer.moc"
