#pragma once

#include "core/results_report.h"
#include "heart/model/heart_state.h"
#include "widgets/form_window.h"

class DisplayBox;
class QLabel;
class QPushButton;
class TextGrid;

// The heart's results table: the model table in the Tutorial; at the end of
// Examination 3 the supervisor's pages of the three examinations' results,
// which end at the front page, and which the supervisor may save as a PDF.
class Frm_Heart_Table final : public FormWindow
{
    Q_OBJECT

public:
    // Which table is shown: TablePage's values.
    static constexpr quint8 Exam1Page = 1;
    static constexpr quint8 Exam2Page = 0;
    static constexpr quint8 Exam3Page = 8;

    explicit Frm_Heart_Table(Heart::HeartPractical &practical);
    void load() override;
    quint8 TablePage() const { return m_TablePage; }

protected:
    // The title bar's Close leaves the table as its own button finally does.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Cmd_Ret_Click();

    Heart::HeartPractical &m_practical;
    void showExam2Table();
    void showExam3Table();
    void showAnswers(const QString &given, const QString &identified);
    void leave();
    // The three examinations' tables and answers, for the supervisor's PDF.
    ResultsReport examinationReport() const;

    quint8 m_TablePage = Exam1Page;
    QLabel *examno;
    TextGrid *MsGrid_Table;
    TextGrid *MsGrid_Table1_R;
    QLabel *Lab_UnKnown_drug;
    DisplayBox *Txt_unknowndrug;
    QLabel *Lab_Drug_Identified;
    DisplayBox *Txt_drug_Identified;
    QPushButton *Cmd_Ret;
    QPushButton *Cmd_SavePdf;
};
