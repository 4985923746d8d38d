#include "rabbit/ui/frm_rab_table.h"

#include "rabbit/model/rabbit_result_tables.h"
#include "widgets/controls.h"
#include "widgets/password_gateway.h"
#include "widgets/results_grid.h"
#include "widgets/results_save.h"
#include "widgets/text_grid.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

using Rab_eye::Mode;

namespace {

constexpr int ClientWidth = 11385 / Twips::PerPixel;
constexpr int ClientHeight = 8610 / Twips::PerPixel;
const QString TableTitle = QStringLiteral("Table 1: Effects of drugs on the rabbit eye");

const char *const Questions[] = {
    "1.  What is the difference between mydriasis induced by adrenergic                   agents and anticholinergic "
    "drugs? ",
    "2.  Name some clinically used mydriatics and miotics?",
    "3.  What are the therapeutic uses of mydriatics?",
    "4.  The stomach wash fluid  taken from a case of poisoning produced pinpoint                pupil  when "
    "instilled into the eye of a rabbit. The intraocular tension was also           found to be decreased.  What is "
    "your probable diognosis?  Justify your answer.",
};

QPushButton *okButton(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    QPushButton *b = Controls::button(parent, name, caption, place);
    Controls::setFont(b, 10, true);
    return b;
}

// A header text broken into lines for its column: a run of three or more
// blanks starts a new line, and a line too wide for the column breaks at
// its last blank that fits.
QString headerLines(const QString &text, const QFontMetrics &metrics, int width)
{
    static const QRegularExpression lineBreak(QStringLiteral(" {3,}"));
    QStringList lines;
    for (const QString &part : text.trimmed().split(lineBreak)) {
        QString line;
        for (const QString &word : part.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

Frm_Rab_Table::Frm_Rab_Table(Rab_eye::RabPractical &practical)
    : FormWindow(WindowNames::RabbitTable)
    , m_practical(practical)
{
    setWindowTitle(QStringLiteral("Vivosim - Rabbit T1.01"));
    // The window's own font, whose letter "A" measures the grid.
    QFont own = font();
    own.setPointSize(7);
    setFont(own);
    setClientSize(ClientWidth, ClientHeight);
    buildGateway();
    buildTable();
    buildQuestions();
}

void Frm_Rab_Table::buildGateway()
{
    PasswordGatewaySetup g;
    g.frameName = QStringLiteral("Frame_Pass");
    g.frameCaption = QStringLiteral(" GateWay For   Supervisor  Mode");
    g.frameGeometry = Twips::rect(3240, 2520, 4815, 2055);
    g.frameFont = {10, true};
    g.labelName = QStringLiteral("Lab_Password");
    g.labelText = QStringLiteral("Password  :");
    g.labelGeometry = QRect(24, 46, 96, 26);
    g.labelFont = {10, false};
    g.entryName = QStringLiteral("Txt_PassW");
    g.mask = QLatin1Char('x');
    g.entryGeometry = QRect(124, 44, 170, 30);
    g.entryFont = {10, false};
    g.okName = QStringLiteral("Cmd_pass");
    g.okCaption = QStringLiteral("&OK");
    g.okGeometry = QRect(110, 90, 100, 34);
    g.okIsDefault = true;
    g.buttonFont = {10, true};
    g.storedPassword = [this] { return m_practical.Rab_Password; };
    g.refusalText = QStringLiteral("Invalid Passord ");
    Frame_Pass = new PasswordGateway(g, this);
    Frame_Pass->hide();
    connect(Frame_Pass, &PasswordGateway::accepted, this, &Frm_Rab_Table::Cmd_pass_accepted);
}

void Frm_Rab_Table::buildTable()
{
    Frametab = Controls::frame(this, QStringLiteral("Frametab"), QString(), Twips::rect(840, 1560, 10335, 5535));
    QLabel *title = Controls::label(Frametab, QStringLiteral("lbltitle"), TableTitle, QRect(10, 16, 669, 28));
    title->setAlignment(Qt::AlignCenter);
    Controls::setFont(title, 12, true);
    Grid_Rab = new TextGrid(QStringLiteral("Grid_Rab"), Frametab);
    Grid_Rab->setGeometry(QRect(10, 54, 669, 266));
    Grid_Rab->setAccessibleName(title->text());
    Grid_Rab->setWordWrap(true);
    QPushButton *ok = okButton(Frametab, QStringLiteral("Cmd_End"), QStringLiteral("&OK"), QRect(290, 326, 110, 34));
    connect(ok, &QPushButton::clicked, this, &Frm_Rab_Table::Cmd_End_Click);
    // Right of OK; the Tutorial's model table goes without it.
    Cmd_SavePdf = ResultsSave::button(Frametab, QRect(420, 326, 140, 34), [this] { return examinationReport(); });
    Controls::setFont(Cmd_SavePdf, 10, true);
    Cmd_SavePdf->hide();
    Frametab->hide();
}

void Frm_Rab_Table::buildQuestions()
{
    Fra_Ques = Controls::frame(this, QStringLiteral("Fra_Ques"), QStringLiteral("Answer the following questions"),
                               Twips::rect(840, 1080, 10455, 6135));
    Controls::setFont(Fra_Ques, 10, true);
    int y = 34;
    int number = 1;
    for (const char *question : Questions) {
        const int height = number == 4 ? 84 : number == 1 ? 48 : 30;
        QLabel *label = Controls::label(Fra_Ques, QStringLiteral("Lab_Q%1").arg(number++),
                                        QString::fromLatin1(question), QRect(20, y, 657, height));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Controls::setFont(label, 10);
        y += height + 14;
    }
    QPushButton *ret
        = okButton(Fra_Ques, QStringLiteral("Cmd_return"), QStringLiteral("&Return"), QRect(200, 340, 120, 40));
    QPushButton *ok = okButton(Fra_Ques, QStringLiteral("Cmd_ok"), QStringLiteral("&OK"), QRect(380, 340, 120, 40));
    connect(ret, &QPushButton::clicked, this, &Frm_Rab_Table::Cmd_return_Click);
    connect(ok, &QPushButton::clicked, this, &Frm_Rab_Table::Cmd_ok_Click);
    Fra_Ques->hide();
}

void Frm_Rab_Table::load()
{
    RemoveCloseMenu(this);
    CentreForm(this);
    if (m_practical.Rab_Mode == Mode::Examination2) {
        Frame_Pass->open();
    } else if (m_practical.Rab_TableState == 1 && m_practical.Rab_Mode == Mode::Tutorial) {
        m_practical.Rab_TableState = 2;
        ShowRabTable();
    } else {
        Fra_Ques->show();
    }
}

void Frm_Rab_Table::Cmd_pass_accepted()
{
    Frame_Pass->hide();
    ShowRabTable();
    Cmd_SavePdf->show();
}

ResultsReport Frm_Rab_Table::examinationReport() const
{
    ResultsReport report;
    report.title = QStringLiteral("Effects of Drugs on the Rabbit Eye");
    report.subtitle = QStringLiteral("Examination Results");
    report.fileStem = QStringLiteral("Rabbit results");
    report.parts = {{QStringLiteral("Examination"), TableTitle, Rab_eye::ResultTables::examTable(m_practical), {}, {}}};
    return report;
}

void Frm_Rab_Table::ShowRabTable()
{
    Frametab->show();
    const ResultsTable table = m_practical.Rab_Mode == Mode::Tutorial ? Rab_eye::ResultTables::modelTable()
                                                                      : Rab_eye::ResultTables::examTable(m_practical);
    ResultsGrid::show(Grid_Rab, table, fontMetrics());
    const QFontMetrics headerFont(Grid_Rab->horizontalHeader()->font());
    for (int column = 0; column < table.columns(); ++column) {
        QTableWidgetItem *header = Grid_Rab->horizontalHeaderItem(column);
        header->setText(headerLines(table.text(0, column), headerFont, Grid_Rab->columnWidth(column) - 8));
    }
}

void Frm_Rab_Table::backToRabbit()
{
    WindowRegistry::show(WindowNames::Rabbit);
    WindowRegistry::unload(objectName());
}

void Frm_Rab_Table::Cmd_End_Click()
{
    if (m_practical.Rab_TableState == 2 && m_practical.Rab_Mode == Mode::Tutorial) {
        m_practical.Rab_TableState = 0;
        backToRabbit();
        return;
    }
    // The front page's load unloads the rabbit window and starts afresh.
    WindowRegistry::show(WindowNames::RabbitFront);
    WindowRegistry::unload(objectName());
}

void Frm_Rab_Table::Cmd_return_Click()
{
    backToRabbit();
}

void Frm_Rab_Table::Cmd_ok_Click()
{
    WindowRegistry::show(WindowNames::RabbitFront);
    WindowRegistry::unload(objectName());
    WindowRegistry::unload(WindowNames::Rabbit);
}
