#include "core/results_page_layout.h"

#include <QTest>

using namespace ResultsPageLayout;

namespace {

// A window font whose letter "A" is 8 x 16 pixels: one "A" wide is 120 twips.
Measures measures()
{
    Measures m;
    m.letterWidth = 8;
    m.letterHeight = 16;
    m.defaultColumnWidth = 100;
    m.defaultRowHeight = 30;
    m.cellPoints = 9;
    return m;
}

// A table of the given column widths (letters "A") and data rows, every
// cell naming its row and column.
ResultsTable table(const QVector<double> &widths, int dataRows)
{
    ResultsTable t;
    t.rows = dataRows + 1;
    t.columnWidthsInA = widths;
    t.headerHeightInA = 2;
    t.rowHeightInA = 2;
    QStringList header;
    for (int c = 0; c < widths.size(); ++c)
        header << QStringLiteral("Head %1").arg(c);
    t.cells << header;
    for (int r = 1; r <= dataRows; ++r) {
        QStringList row;
        for (int c = 0; c < widths.size(); ++c)
            row << QStringLiteral("r%1c%2").arg(r).arg(c);
        t.cells << row;
    }
    return t;
}

ResultsReport report(const QVector<ResultsReport::Part> &parts, const QString &student = QString())
{
    ResultsReport r;
    r.title = QStringLiteral("Results");
    r.subtitle = QStringLiteral("Examination Results");
    r.written = QDateTime(QDate(2024, 3, 14), QTime(10, 5, 30));
    r.studentName = student;
    r.parts = parts;
    return r;
}

QVector<Box> boxesOf(const Page &page, Style style)
{
    QVector<Box> found;
    for (const Box &box : page.boxes) {
        if (box.style == style)
            found.append(box);
    }
    return found;
}

int count(const QVector<Page> &pages, const QString &text)
{
    int n = 0;
    for (const Page &page : pages) {
        for (const Box &box : page.boxes)
            n += box.text == text ? 1 : 0;
    }
    return n;
}

QSize sheetOf(const Page &page)
{
    return page.landscape ? QSize(A4LongTwips, A4ShortTwips) : QSize(A4ShortTwips, A4LongTwips);
}

} // namespace

class TestResultsPageLayout : public QObject
{
    Q_OBJECT

private slots:
    void orientation_data();
    void orientation();
    void partsStartTheirOwnPages();
    void longTableGoesOnWithItsHeader();
    void everyPageCarriesTheRecordsHead();
    void studentsLine_data();
    void studentsLine();
    void figuresAndNotesFollowTheTable();
};

void TestResultsPageLayout::orientation_data()
{
    QTest::addColumn<QVector<double>>("widths");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("tableWidth"); // twips on the page
    // The portrait page holds 11906 - 2 x 1134 = 9638 twips, landscape 14570.
    QTest::newRow("75 letters: 9000 twips, portrait") << QVector<double>{10, 18, 18, 19, 10} << false << 9000;
    QTest::newRow("80 letters: 9600 twips, portrait") << QVector<double>{40, 40} << false << 9600;
    QTest::newRow("81 letters: 9720 twips, landscape") << QVector<double>{41, 40} << true << 9720;
    QTest::newRow("a default column counts its 100 pixels") << QVector<double>{0, 70} << true << 9900;
    QTest::newRow("200 letters: narrowed to the landscape page") << QVector<double>{100, 100} << true << 14570;
}

void TestResultsPageLayout::orientation()
{
    QFETCH(QVector<double>, widths);
    QFETCH(bool, landscape);
    QFETCH(int, tableWidth);
    const QVector<Page> pages
        = ResultsPageLayout::pages(report({{QString(), QString(), table(widths, 2), {}, {}}}), measures());
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first().landscape, landscape);
    const QVector<Box> header = boxesOf(pages.first(), Style::HeaderCell);
    QCOMPARE(header.size(), widths.size());
    const int left = header.first().rect.left();
    const int right = header.last().rect.right() + 1;
    QVERIFY(qAbs((right - left) - tableWidth) <= widths.size());
    // Centred between the margins, and inside them.
    const int sheetWidth = sheetOf(pages.first()).width();
    QVERIFY(left >= MarginTwips);
    QVERIFY(right <= sheetWidth - MarginTwips);
    QVERIFY(qAbs((left - MarginTwips) - (sheetWidth - MarginTwips - right)) <= widths.size());
}

void TestResultsPageLayout::partsStartTheirOwnPages()
{
    const ResultsReport r = report({
        {QStringLiteral("Examination 1"), QString(), table({10, 10}, 3), {}, {}},
        {QStringLiteral("Examination 2"), QString(), table({50, 50}, 3), {}, {}},
        {QStringLiteral("Examination 3"), QString(), table({10, 10}, 3), {}, {}},
    });
    const QVector<Page> pages = ResultsPageLayout::pages(r, measures());
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages.at(0).landscape, false);
    QCOMPARE(pages.at(1).landscape, true);
    QCOMPARE(pages.at(2).landscape, false);
    for (int p = 0; p < 3; ++p) {
        QCOMPARE(boxesOf(pages.at(p), Style::Heading).size(), 1);
        QCOMPARE(boxesOf(pages.at(p), Style::Heading).first().text, QStringLiteral("Examination %1").arg(p + 1));
        QCOMPARE(boxesOf(pages.at(p), Style::Footer).first().text, QStringLiteral("Page %1 of 3").arg(p + 1));
    }
}

void TestResultsPageLayout::longTableGoesOnWithItsHeader()
{
    // Rows of 2 x 16 pixels, 480 twips: a portrait page holds about 25 of them.
    const QVector<Page> pages = ResultsPageLayout::pages(
        report({{QStringLiteral("Examination"), QString(), table({10, 10, 10}, 60), {}, {}}}), measures());
    QCOMPARE(pages.size(), 3);
    for (const Page &page : pages) {
        QCOMPARE(count({page}, QStringLiteral("Head 0")), 1);
        for (const Box &box : page.boxes)
            QVERIFY2(box.rect.bottom() < sheetOf(page).height() - MarginTwips, qPrintable(box.text));
    }
    QCOMPARE(boxesOf(pages.at(1), Style::Heading).first().text, QStringLiteral("Examination (continued)"));
    // Every data row once, in order.
    int previousTop = -1;
    int previousPage = 0;
    for (int row = 1; row <= 60; ++row) {
        const QString text = QStringLiteral("r%1c2").arg(row);
        QCOMPARE(count(pages, text), 1);
        for (int p = 0; p < pages.size(); ++p) {
            for (const Box &box : pages.at(p).boxes) {
                if (box.text != text)
                    continue;
                QVERIFY(p > previousPage || box.rect.top() > previousTop);
                previousPage = p;
                previousTop = box.rect.top();
            }
        }
    }
}

void TestResultsPageLayout::everyPageCarriesTheRecordsHead()
{
    const QVector<Page> pages = ResultsPageLayout::pages(
        report({{QString(), QString(), table({10}, 60), {}, {}}}, QStringLiteral("A. Student")), measures());
    QVERIFY(pages.size() > 1);
    for (const Page &page : pages) {
        const QVector<Box> lines = boxesOf(page, Style::Line);
        QCOMPARE(boxesOf(page, Style::Title).first().text, QStringLiteral("Results"));
        QCOMPARE(boxesOf(page, Style::Subtitle).first().text, QStringLiteral("Examination Results"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).text, QStringLiteral("Date and time: 14 March 2024, 10:05"));
        QCOMPARE(lines.at(1).text, QStringLiteral("Student's name: A. Student"));
    }
}

void TestResultsPageLayout::studentsLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("rule");
    QTest::newRow("no name: a rule to write on") << QString() << "Student's name: " << true;
    QTest::newRow("blanks only: a rule to write on") << "   "
                                                     << "Student's name: " << true;
    QTest::newRow("a name, trimmed") << "  Ann Lee "
                                     << "Student's name: Ann Lee" << false;
}

void TestResultsPageLayout::studentsLine()
{
    QFETCH(QString, typed);
    QFETCH(QString, line);
    QFETCH(bool, rule);
    const QVector<Page> pages = ResultsPageLayout::pages(report({}, typed), measures());
    QCOMPARE(pages.size(), 1);
    QCOMPARE(boxesOf(pages.first(), Style::Line).at(1).text, line);
    QCOMPARE(pages.first().rules.size(), rule ? 1 : 0);
    if (rule) {
        const QLine drawn = pages.first().rules.first();
        QVERIFY(drawn.x1() >= boxesOf(pages.first(), Style::Line).at(1).rect.right());
        QVERIFY(drawn.x2() < A4ShortTwips - MarginTwips);
    }
}

void TestResultsPageLayout::figuresAndNotesFollowTheTable()
{
    ResultsReport::Part part;
    part.heading = QStringLiteral("Scores");
    part.table = table({10}, 1);
    part.figures = {{QStringLiteral("Error Ratio :"), QStringLiteral("20")}};
    part.notes = {QStringLiteral("Warning")};
    const Page page = ResultsPageLayout::pages(report({part}), measures()).first();
    const Box lastCell = boxesOf(page, Style::Cell).last();
    const Box label = boxesOf(page, Style::FigureLabel).first();
    const Box value = boxesOf(page, Style::FigureValue).first();
    const Box note = boxesOf(page, Style::Note).first();
    QCOMPARE(label.text, QStringLiteral("Error Ratio :"));
    QCOMPARE(value.text, QStringLiteral("20"));
    QVERIFY(label.rect.top() > lastCell.rect.bottom());
    QCOMPARE(value.rect.top(), label.rect.top());
    QVERIFY(value.rect.left() > label.rect.right());
    QVERIFY(note.rect.top() > value.rect.bottom());
}

QTEST_APPLESS_MAIN(TestResultsPageLayout)
#include "tst_results_page_layout.moc"
