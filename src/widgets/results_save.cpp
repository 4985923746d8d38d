#include "widgets/results_save.h"

#include "core/clock.h"
#include "widgets/controls.h"
#include "widgets/message_boxes.h"
#include "widgets/results_pdf.h"
#include "widgets/results_save_dialog.h"

#include <QDir>
#include <QPushButton>

namespace ResultsSave {

namespace {

Chooser &chooser()
{
    static Chooser c;
    return c;
}

Choice choose(QWidget *parent, const Choice &suggestion)
{
    return chooser() ? chooser()(parent, suggestion) : ResultsSaveDialog::ask(parent, suggestion);
}

} // namespace

void setChooser(Chooser c)
{
    chooser() = std::move(c);
}

QString suggestedFileName(const ResultsReport &report)
{
    const QString name
        = report.fileStem + report.written.toString(QStringLiteral(" yyyy-MM-dd HH.mm")) + QLatin1String(".pdf");
    return QDir::home().filePath(name);
}

void save(QWidget *window, ResultsReport report)
{
    report.written = Clock::current().now();
    const ResultsPageLayout::Measures measures = ResultsPdf::measuresOf(window);
    Choice choice{QString(), suggestedFileName(report)};
    for (;;) {
        choice = choose(window, choice);
        if (choice.fileName.isEmpty())
            return;
        report.studentName = choice.studentName.trimmed();
        QString failure;
        if (ResultsPdf::write(report, measures, choice.fileName, &failure))
            return;
        MessageBoxes::inform(window,
                             QStringLiteral("The results were not saved: the file %1 could not be written (%2). "
                                            "Choose another folder or name.")
                                 .arg(QDir::toNativeSeparators(choice.fileName), failure),
                             QStringLiteral("Save as PDF"), MessageBoxes::Icon::Exclamation);
    }
}

QPushButton *button(QWidget *parent, const QRect &place, std::function<ResultsReport()> report)
{
    QPushButton *b = Controls::button(parent, QStringLiteral("Cmd_SavePdf"), QStringLiteral("Save as PDF\u2026"), place,
                                      QStringLiteral("Keep these results as a PDF file"));
    QObject::connect(b, &QPushButton::clicked, b, [b, report = std::move(report)] { save(b->window(), report()); });
    return b;
}

} // namespace ResultsSave
