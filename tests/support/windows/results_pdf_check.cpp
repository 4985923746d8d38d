#include "support/windows/results_pdf_check.h"

#include "widgets/text_grid.h"

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWidget>

namespace ResultsPdfCheck {

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

SaveScript::SaveScript()
{
    ResultsSave::setChooser([this](QWidget *, const ResultsSave::Choice &suggestion) {
        m_suggestions.append(suggestion);
        return m_answers.isEmpty() ? ResultsSave::Choice() : m_answers.takeFirst();
    });
}

SaveScript::~SaveScript()
{
    ResultsSave::setChooser({});
}

void SaveScript::answerNext(const QString &fileName, const QString &studentName)
{
    m_answers.append({studentName, fileName});
}

bool saveOffered(const QWidget *window)
{
    const auto *button = window->findChild<QPushButton *>(QStringLiteral("Cmd_SavePdf"));
    return button && button->isVisible();
}

bool popplerAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

QString pdfText(const QString &fileName)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), fileName, QStringLiteral("-")});
}

QList<QSizeF> pdfPageSizes(const QString &fileName)
{
    static const QRegularExpression size(QStringLiteral("^Page\\s+\\d+ size:\\s+([0-9.]+) x ([0-9.]+) pts"),
                                         QRegularExpression::MultilineOption);
    const QString info
        = run(QStringLiteral("pdfinfo"),
              {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("999"), fileName});
    QList<QSizeF> sizes;
    auto pages = size.globalMatch(info);
    while (pages.hasNext()) {
        const auto page = pages.next();
        sizes.append(QSizeF(page.captured(1).toDouble(), page.captured(2).toDouble()));
    }
    return sizes;
}

QStringList gridRow(const TextGrid *grid, int row)
{
    QStringList texts;
    for (int column = 0; column < grid->columns(); ++column)
        texts.append(grid->text(row, column));
    return texts;
}

bool hasRow(const QString &text, const QStringList &cells)
{
    QStringList parts;
    for (const QString &cell : cells) {
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        const QStringList words = cell.split(blanks, Qt::SkipEmptyParts);
        for (const QString &word : words)
            parts.append(QRegularExpression::escape(word));
    }
    if (parts.isEmpty())
        return true;
    const QRegularExpression row(QStringLiteral("(^|\\s)") + parts.join(QStringLiteral("\\s+"))
                                 + QStringLiteral("(\\s|$)"));
    return row.match(text).hasMatch();
}

QStringList missingRows(const QString &text, const TextGrid *grid)
{
    QStringList missing;
    for (int row = 0; row < grid->rows(); ++row) {
        const QStringList cells = gridRow(grid, row);
        if (!hasRow(text, cells))
            missing.append(cells.join(QLatin1Char('|')));
    }
    return missing;
}

} // namespace ResultsPdfCheck
