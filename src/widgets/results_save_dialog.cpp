#include "widgets/results_save_dialog.h"

#include "widgets/input_boxes.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QVBoxLayout>

ResultsSaveDialog::ResultsSaveDialog(QWidget *parent, const QString &studentName)
    : QDialog(parent)
    , Txt_StudentName(new EntryBox(QStringLiteral("Txt_StudentName"), NameLength, this))
{
    setObjectName(QStringLiteral("Frm_SavePdf"));
    setWindowTitle(QStringLiteral("Save as PDF"));
    auto *label = new QLabel(QStringLiteral("Student's &name (optional):"), this);
    label->setObjectName(QStringLiteral("Lab_StudentName"));
    nameByLabel(Txt_StudentName, label);
    Txt_StudentName->setText(studentName);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(Txt_StudentName);
    layout->addWidget(buttons);
}

QString ResultsSaveDialog::studentName() const
{
    return Txt_StudentName->text();
}

ResultsSave::Choice ResultsSaveDialog::ask(QWidget *parent, const ResultsSave::Choice &suggestion)
{
    ResultsSaveDialog names(parent, suggestion.studentName);
    if (names.exec() != QDialog::Accepted)
        return {};
    QString fileName = QFileDialog::getSaveFileName(parent, QStringLiteral("Save the results as PDF"),
                                                    suggestion.fileName, QStringLiteral("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return {};
    if (!fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        fileName += QLatin1String(".pdf");
    return {names.studentName(), fileName};
}
