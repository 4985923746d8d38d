#include "support/seams/fake_clock.h"
#include "support/windows/message_box_script.h"
#include "support/windows/results_pdf_check.h"
#include "widgets/input_boxes.h"
#include "widgets/results_pdf.h"
#include "widgets/results_save.h"
#include "widgets/results_save_dialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace ResultsPdfCheck;

namespace {

// A results table of the given column widths (letters "A"), one data row.
ResultsTable table(const QVector<double> &widths, const QStringList &header, const QStringList &row)
{
    ResultsTable t;
    t.rows = 2;
    t.columnWidthsInA = widths;
    t.headerHeightInA = 2;
    t.rowHeightInA = 2;
    t.cells = {header, row};
    return t;
}

// Two parts: a narrow table with the answers under it, and a wide one.
ResultsReport twoExaminations()
{
    ResultsReport report;
    report.title = QStringLiteral("Frog Heart");
    report.subtitle = QStringLiteral("Examination Results");
    report.fileStem = QStringLiteral("Heart results");
    report.parts = {
        {QStringLiteral("Examination 1"),
         QStringLiteral("Table: narrow"),
         table({10, 18}, {QStringLiteral(" Serial No."), QStringLiteral(" Drug Given ")},
               {QStringLiteral("1       "), QStringLiteral("Propranolol")}),
         {{QStringLiteral("Drug Identified by the Student"), QStringLiteral("Atropine")}},
         {}},
        {QStringLiteral("Examination 2"),
         QStringLiteral("Table: wide"),
         table({60, 60}, {QStringLiteral("Left"), QStringLiteral("Right")},
               {QStringLiteral("Histamine"), QStringLiteral("83")}),
         {},
         {QStringLiteral("Warning !! Experiment not conducted Properly")}},
    };
    return report;
}

QStringList filesIn(const QTemporaryDir &folder)
{
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class TestResultsPdf : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_window.reset(); }
    void buttonSavesTheReport();
    void studentsName_data();
    void studentsName();
    void sheetsTakeTheirPartsOrientation();
    void givingUpWritesNothing();
    void unwritableFileIsReportedAndAskedAgain_data();
    void unwritableFileIsReportedAndAskedAgain();
    void saveDialogNamesItsBox();

private:
    QPushButton *saveButton();

    FakeClock m_clock;
    MessageBoxScript m_boxes;
    std::unique_ptr<QWidget> m_window;
    int m_reports = 0;
};

void TestResultsPdf::init()
{
    m_boxes.clear();
    m_reports = 0;
    m_clock.setDate(QDate(2024, 3, 14));
    m_clock.setSeconds(10 * 3600 + 5 * 60 + 30);
    m_window = std::make_unique<QWidget>();
    m_window->resize(400, 300);
}

QPushButton *TestResultsPdf::saveButton()
{
    return ResultsSave::button(m_window.get(), QRect(10, 10, 140, 34), [this] {
        ++m_reports;
        return twoExaminations();
    });
}

void TestResultsPdf::buttonSavesTheReport()
{
    if (!popplerAvailable())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("results.pdf"));
    SaveScript saves;
    saves.answerNext(file);
    QPushButton *button = saveButton();
    QCOMPARE(button->objectName(), QStringLiteral("Cmd_SavePdf"));
    QCOMPARE(button->text(), QStringLiteral("Save as PDF\u2026"));
    button->click();

    QCOMPARE(m_reports, 1);
    QCOMPARE(saves.suggestions().size(), 1);
    QCOMPARE(saves.suggestions().first().fileName,
             QDir::home().filePath(QStringLiteral("Heart results 2024-03-14 10.05.pdf")));
    QCOMPARE(m_boxes.count(), 0);
    QCOMPARE(filesIn(folder), QStringList{QStringLiteral("results.pdf")});
    const QString text = pdfText(file);
    QVERIFY2(text.contains(QLatin1String("Frog Heart")), qPrintable(text));
    QVERIFY(text.contains(QLatin1String("Examination Results")));
    QVERIFY(text.contains(QLatin1String("Date and time: 14 March 2024, 10:05")));
    QVERIFY(text.contains(QLatin1String("Student's name:")));
    QVERIFY(text.contains(QLatin1String("Examination 1")));
    QVERIFY(text.contains(QLatin1String("Table: narrow")));
    QVERIFY(hasRow(text, {QStringLiteral(" Serial No."), QStringLiteral(" Drug Given ")}));
    QVERIFY(hasRow(text, {QStringLiteral("1       "), QStringLiteral("Propranolol")}));
    QVERIFY(hasRow(text, {QStringLiteral("Drug Identified by the Student"), QStringLiteral("Atropine")}));
    QVERIFY(hasRow(text, {QStringLiteral("Histamine"), QStringLiteral("83")}));
    QVERIFY(text.contains(QLatin1String("Warning !! Experiment not conducted Properly")));
    QVERIFY(text.contains(QLatin1String("Page 2 of 2")));
}

void TestResultsPdf::studentsName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");
    QTest::newRow("a name") << " Ann Lee  "
                            << "Student's name: Ann Lee";
    QTest::newRow("none: the line stays to write on") << ""
                                                      << "Student's name:";
}

void TestResultsPdf::studentsName()
{
    QFETCH(QString, typed);
    QFETCH(QString, line);
    if (!popplerAvailable())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("results.pdf"));
    SaveScript saves;
    saves.answerNext(file, typed);
    saveButton()->click();
    const QStringList lines = pdfText(file).split(QLatin1Char('\n'));
    QStringList studentLines;
    for (const QString &l : lines) {
        if (l.contains(QLatin1String("Student's name")))
            studentLines.append(l.trimmed());
    }
    // One to a page.
    QCOMPARE(studentLines, QStringList({line, line}));
}

void TestResultsPdf::sheetsTakeTheirPartsOrientation()
{
    if (!popplerAvailable())
        QSKIP("pdfinfo (poppler-utils) is not installed");
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("results.pdf"));
    SaveScript saves;
    saves.answerNext(file);
    saveButton()->click();
    const QList<QSizeF> sizes = pdfPageSizes(file);
    QCOMPARE(sizes.size(), 2);
    // A4 is 595 x 842 points: the narrow table upright, the wide one across.
    QCOMPARE(qRound(sizes.at(0).width()), 595);
    QCOMPARE(qRound(sizes.at(0).height()), 842);
    QCOMPARE(qRound(sizes.at(1).width()), 842);
    QCOMPARE(qRound(sizes.at(1).height()), 595);
}

void TestResultsPdf::givingUpWritesNothing()
{
    QTemporaryDir folder;
    SaveScript saves; // gives up at once
    saveButton()->click();
    QCOMPARE(saves.suggestions().size(), 1);
    QCOMPARE(m_boxes.count(), 0);
    QVERIFY(filesIn(folder).isEmpty());
}

void TestResultsPdf::unwritableFileIsReportedAndAskedAgain_data()
{
    QTest::addColumn<QString>("place"); // %1: the test's folder
    QTest::newRow("a folder that does not exist") << "%1/no such folder/results.pdf";
    // Opens, then refuses every byte: the device stays as it was.
    QTest::newRow("a full device") << "/dev/full";
}

void TestResultsPdf::unwritableFileIsReportedAndAskedAgain()
{
    QFETCH(QString, place);
    QTemporaryDir folder;
    const QString unwritable = place.arg(folder.path());
    if (!place.contains(QLatin1String("%1")) && !QFile::exists(unwritable))
        QSKIP("no full device on this system");
    const QString writable = folder.filePath(QStringLiteral("results.pdf"));
    SaveScript saves;
    saves.answerNext(unwritable, QStringLiteral("Ann Lee"));
    saves.answerNext(writable, QStringLiteral("Ann Lee"));
    saveButton()->click();

    QCOMPARE(m_boxes.count(), 1);
    const MessageBoxes::Request report = m_boxes.last();
    QVERIFY2(report.text.contains(QDir::toNativeSeparators(unwritable)), qPrintable(report.text));
    QVERIFY(report.text.contains(QLatin1String("could not be written")));
    QCOMPARE(report.title, QStringLiteral("Save as PDF"));
    QCOMPARE(report.icon, MessageBoxes::Icon::Exclamation);
    // The step comes back with what was chosen, and the second file is saved.
    QCOMPARE(saves.suggestions().size(), 2);
    QCOMPARE(saves.suggestions().at(1).fileName, unwritable);
    QCOMPARE(saves.suggestions().at(1).studentName, QStringLiteral("Ann Lee"));
    // Nothing but the saved file: no part of the failed one, no temporary file.
    QCOMPARE(filesIn(folder), QStringList{QStringLiteral("results.pdf")});
    QCOMPARE(QFile::exists(unwritable), !place.contains(QLatin1String("%1")));
    QFile saved(writable);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith("%PDF-"));
}

void TestResultsPdf::saveDialogNamesItsBox()
{
    ResultsSaveDialog dialog(m_window.get(), QStringLiteral("Ann Lee"));
    auto *box = dialog.findChild<EntryBox *>(QStringLiteral("Txt_StudentName"));
    QVERIFY(box);
    QCOMPARE(box->text(), QStringLiteral("Ann Lee"));
    QCOMPARE(box->accessibleName(), QStringLiteral("Student's name (optional)"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Lab_StudentName"))->buddy(), box);
    QCOMPARE(box->maxLength(), ResultsSaveDialog::NameLength);
}

QTEST_MAIN(TestResultsPdf)
#include "tst_results_pdf.moc"
