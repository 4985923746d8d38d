#include "core/results_page_layout.h"

namespace ResultsPageLayout {

namespace {

constexpr double TitlePoints = 14;
constexpr double SubtitlePoints = 12;
constexpr double LinePoints = 11;
constexpr double HeadingPoints = 13;
constexpr double CaptionPoints = 11;
constexpr double FigurePoints = 11;
constexpr double FooterPoints = 9;

// Heights of one line of each kind, twips.
constexpr int TitleHeight = 420;
constexpr int SubtitleHeight = 360;
constexpr int LineHeight = 320;
constexpr int HeadingHeight = 420;
constexpr int CaptionHeight = 340;
constexpr int FigureHeight = 380;
constexpr int FooterHeight = 280;
constexpr int Gap = 240;
// The student's line: its label, then the rule to write the name on; and
// the share of a figure's line its label takes.
constexpr int NameLabelWidth = 2000;
constexpr int NameRuleWidth = 5400;
constexpr double FigureLabelShare = 0.6;

QSize sheet(bool landscape)
{
    return landscape ? QSize(A4LongTwips, A4ShortTwips) : QSize(A4ShortTwips, A4LongTwips);
}

int contentWidth(bool landscape)
{
    return sheet(landscape).width() - 2 * MarginTwips;
}

int twips(double pixels)
{
    return qRound(pixels * TwipsPerPixel);
}

// The table's columns and rows in twips, as the grid sizes them on screen.
struct TableShape
{
    QVector<int> columns;
    int header = 0;
    int row = 0;

    int width() const
    {
        int sum = 0;
        for (int column : columns)
            sum += column;
        return sum;
    }
};

TableShape tableShape(const ResultsTable &table, const Measures &measures)
{
    TableShape shape;
    for (double widthInA : table.columnWidthsInA)
        shape.columns.append(widthInA > 0 ? twips(qRound(widthInA * measures.letterWidth))
                                          : twips(measures.defaultColumnWidth));
    shape.header = table.headerHeightInA > 0 ? twips(qRound(table.headerHeightInA * measures.letterHeight))
                                             : twips(measures.defaultRowHeight);
    shape.row = table.rowHeightInA > 0 ? twips(qRound(table.rowHeightInA * measures.letterHeight))
                                       : twips(measures.defaultRowHeight);
    return shape;
}

// A table wider than the page is narrowed, every column in proportion.
void fitWidth(TableShape &shape, int available)
{
    const int width = shape.width();
    if (width <= available)
        return;
    for (int &column : shape.columns)
        column = column * available / width;
}

class PageWriter
{
public:
    PageWriter(const ResultsReport &report, const Measures &measures)
        : m_report(report)
        , m_measures(measures)
    {
    }

    void writePart(const ResultsReport::Part &part)
    {
        TableShape shape = tableShape(part.table, m_measures);
        const bool landscape = part.table.rows > 0 && shape.width() > contentWidth(false);
        fitWidth(shape, contentWidth(landscape));
        startPage(landscape);
        partHeading(part, false);
        if (part.table.rows > 0)
            writeTable(part, shape);
        for (const ResultsReport::Figure &figure : part.figures)
            writeFigure(part, figure);
        for (const QString &note : part.notes) {
            makeRoom(part, FigureHeight);
            line(Style::Note, note, FigureHeight, FigurePoints);
        }
    }

    QVector<Page> finish()
    {
        // A report without parts still gives its title page.
        if (m_pages.isEmpty())
            startPage(false);
        for (int p = 0; p < m_pages.size(); ++p) {
            Page &page = m_pages[p];
            const QSize size = sheet(page.landscape);
            page.boxes.append({QRect(MarginTwips, size.height() - MarginTwips - FooterHeight,
                                     contentWidth(page.landscape), FooterHeight),
                               QStringLiteral("Page %1 of %2").arg(p + 1).arg(m_pages.size()), Style::Footer,
                               FooterPoints});
        }
        return m_pages;
    }

private:
    void startPage(bool landscape)
    {
        m_pages.append(Page{landscape, {}, {}});
        m_y = MarginTwips;
        line(Style::Title, m_report.title, TitleHeight, TitlePoints);
        if (!m_report.subtitle.isEmpty())
            line(Style::Subtitle, m_report.subtitle, SubtitleHeight, SubtitlePoints);
        line(Style::Line, writtenLine(m_report.written), LineHeight, LinePoints);
        const QString student = studentLine(m_report.studentName);
        if (m_report.studentName.trimmed().isEmpty()) {
            // Room to write the name by hand, on a rule after the label.
            box(QRect(MarginTwips, m_y, NameLabelWidth, LineHeight), student, Style::Line, LinePoints);
            const int ruleY = m_y + LineHeight - 40;
            const int ruleLeft = MarginTwips + NameLabelWidth;
            page().rules.append(QLine(ruleLeft, ruleY, ruleLeft + NameRuleWidth, ruleY));
            m_y += LineHeight;
        } else {
            line(Style::Line, student, LineHeight, LinePoints);
        }
        m_y += Gap;
    }

    void partHeading(const ResultsReport::Part &part, bool continued)
    {
        const QString more = continued ? QStringLiteral(" (continued)") : QString();
        if (!part.heading.isEmpty())
            line(Style::Heading, part.heading + more, HeadingHeight, HeadingPoints);
        else if (continued)
            line(Style::Heading, more.trimmed(), HeadingHeight, HeadingPoints);
        if (!part.caption.isEmpty())
            line(Style::Caption, part.caption, CaptionHeight, CaptionPoints);
        m_y += Gap / 2;
    }

    // Goes on to a new page, in the part's orientation, when the next
    // height does not fit.
    bool makeRoom(const ResultsReport::Part &part, int height)
    {
        if (m_y + height <= bottom())
            return false;
        startPage(page().landscape);
        partHeading(part, true);
        return true;
    }

    void writeTable(const ResultsReport::Part &part, const TableShape &shape)
    {
        const ResultsTable &table = part.table;
        const int left = MarginTwips + (contentWidth(page().landscape) - shape.width()) / 2;
        tableRow(table, shape, 0, left, shape.header, Style::HeaderCell);
        for (int row = 1; row < table.rows; ++row) {
            if (makeRoom(part, shape.row))
                tableRow(table, shape, 0, left, shape.header, Style::HeaderCell);
            tableRow(table, shape, row, left, shape.row, Style::Cell);
        }
        m_y += Gap;
    }

    void tableRow(const ResultsTable &table, const TableShape &shape, int row, int left, int height, Style style)
    {
        int x = left;
        for (int column = 0; column < shape.columns.size(); ++column) {
            box(QRect(x, m_y, shape.columns.at(column), height), table.text(row, column), style, m_measures.cellPoints);
            x += shape.columns.at(column);
        }
        m_y += height;
    }

    void writeFigure(const ResultsReport::Part &part, const ResultsReport::Figure &figure)
    {
        makeRoom(part, FigureHeight);
        const int width = contentWidth(page().landscape);
        const int labelWidth = int(width * FigureLabelShare);
        box(QRect(MarginTwips, m_y, labelWidth, FigureHeight), figure.label, Style::FigureLabel, FigurePoints);
        box(QRect(MarginTwips + labelWidth, m_y, width - labelWidth, FigureHeight), figure.value, Style::FigureValue,
            FigurePoints);
        m_y += FigureHeight;
    }

    void line(Style style, const QString &text, int height, double points)
    {
        box(QRect(MarginTwips, m_y, contentWidth(page().landscape), height), text, style, points);
        m_y += height;
    }

    void box(const QRect &rect, const QString &text, Style style, double points)
    {
        page().boxes.append({rect, text, style, points});
    }

    Page &page() { return m_pages.last(); }
    int bottom() const { return sheet(m_pages.last().landscape).height() - MarginTwips - FooterHeight; }

    const ResultsReport &m_report;
    const Measures &m_measures;
    QVector<Page> m_pages;
    int m_y = 0;
};

} // namespace

QString writtenLine(const QDateTime &written)
{
    return QStringLiteral("Date and time: ") + written.toString(QStringLiteral("d MMMM yyyy, HH:mm"));
}

QString studentLine(const QString &studentName)
{
    return QStringLiteral("Student's name: ") + studentName.trimmed();
}

QVector<Page> pages(const ResultsReport &report, const Measures &measures)
{
    PageWriter writer(report, measures);
    for (const ResultsReport::Part &part : report.parts)
        writer.writePart(part);
    return writer.finish();
}

} // namespace ResultsPageLayout
