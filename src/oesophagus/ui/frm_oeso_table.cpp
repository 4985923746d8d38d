#include "oesophagus/ui/frm_oeso_table.h"

#include "oesophagus/model/oeso_result_tables.h"
#include "widgets/controls.h"
#include "widgets/input_boxes.h"
#include "widgets/password_gateway.h"
#include "widgets/results_grid.h"
#include "widgets/results_save.h"
#include "widgets/text_grid.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 740;
constexpr int ClientHeight = 470;
const QString TableTitle = QStringLiteral("Table : Time (in sec) taken for movement of seeds ");

PasswordGatewaySetup supervisorGateway(const Mod_Oeso::OesoPractical &practical)
{
    PasswordGatewaySetup g;
    g.frameName = QStringLiteral("Frame_Pass");
    g.frameCaption = QStringLiteral(" GateWay For Supervisor  Mode");
    g.frameGeometry = QRect(200, 140, 340, 180);
    g.frameFont = {10, true};
    g.labelName = QStringLiteral("Lab_Password");
    g.labelText = QStringLiteral("Password  :");
    g.labelGeometry = QRect(24, 56, 100, 26);
    g.labelFont = {10, false};
    g.entryName = QStringLiteral("Txt_PassW");
    g.mask = QLatin1Char(' ');
    g.entryGeometry = QRect(126, 54, 180, 30);
    g.entryFont = {10, false};
    g.okName = QStringLiteral("Cmd_ok");
    g.okCaption = QStringLiteral("&Ok");
    g.okGeometry = QRect(110, 116, 120, 40);
    g.okIsDefault = true;
    g.buttonFont = {10, true};
    g.storedPassword = [&practical] { return practical.Oeso_Password; };
    g.refusalText = QStringLiteral("Invalid Passord. ");
    return g;
}

} // namespace

Frm_Oeso_Table::Frm_Oeso_Table(Mod_Oeso::OesoPractical &practical)
    : FormWindow(WindowNames::OesoTable)
    , m_practical(practical)
    , Frame_Grid(Controls::frame(this, QStringLiteral("Frame_Grid"), QString(), QRect(10, 8, 720, 454)))
    , Grid_oeso(new TextGrid(QStringLiteral("Grid_oeso"), Frame_Grid))
    , Frame_Pass(new PasswordGateway(supervisorGateway(practical), this))
{
    setWindowTitle(QStringLiteral("Vivosim - Oesophagus T1.00"));
    setClientSize(ClientWidth, ClientHeight);

    QLabel *model = Controls::label(Frame_Grid, QStringLiteral("Lab_ModelTable"), QStringLiteral("Model Table"),
                                    QRect(10, 12, 700, 26));
    model->setAlignment(Qt::AlignCenter);
    Controls::setFont(model, 12, true);
    QLabel *title = Controls::label(Frame_Grid, QStringLiteral("Lab_TableTitle"), TableTitle, QRect(10, 42, 700, 24));
    title->setAlignment(Qt::AlignCenter);
    Controls::setFont(title, 10, true);
    Grid_oeso->setGeometry(10, 72, 700, 310);
    Grid_oeso->setAccessibleName(title->text().trimmed());
    QPushButton *ok
        = Controls::button(Frame_Grid, QStringLiteral("Cmd_End"), QStringLiteral("&Ok"), QRect(300, 396, 120, 40));
    Controls::setFont(ok, 10, true);
    connect(ok, &QPushButton::clicked, this, &Frm_Oeso_Table::Cmd_End_Click);
    // Right of Ok; the model table of the Tutorial goes without it.
    Cmd_SavePdf = ResultsSave::button(Frame_Grid, QRect(440, 396, 140, 40), [this] { return examinationReport(); });
    Controls::setFont(Cmd_SavePdf, 10, true);
    Cmd_SavePdf->hide();
    Frame_Grid->hide();
    Frame_Pass->hide();
    connect(Frame_Pass, &PasswordGateway::accepted, this, &Frm_Oeso_Table::FillOesoResults);
}

void Frm_Oeso_Table::load()
{
    RemoveCloseMenu(this);
    CentreForm(this);
    if (m_practical.Oeso_Mode == Mod_Oeso::Mode::Tutorial) {
        ResultsGrid::show(Grid_oeso, Mod_Oeso::ResultTables::modelTable(), fontMetrics());
        Frame_Grid->show();
        return;
    }
    Frame_Pass->open();
}

void Frm_Oeso_Table::FillOesoResults()
{
    Frame_Grid->show();
    ResultsGrid::show(Grid_oeso, Mod_Oeso::ResultTables::examinationTable(m_practical.Oeso_Results), fontMetrics());
    Frame_Pass->hide();
    Cmd_SavePdf->show();
}

ResultsReport Frm_Oeso_Table::examinationReport() const
{
    ResultsReport report;
    report.title = QStringLiteral("Effect of Drugs on the Ciliary Motility of Frog Oesophagus");
    report.subtitle = QStringLiteral("Examination Results");
    report.fileStem = QStringLiteral("Oesophagus results");
    report.parts = {{QStringLiteral("Examination"),
                     TableTitle.trimmed(),
                     Mod_Oeso::ResultTables::examinationTable(m_practical.Oeso_Results),
                     {},
                     {}}};
    return report;
}

void Frm_Oeso_Table::Cmd_End_Click()
{
    // Either way another window shows before this one goes.
    if (m_practical.Oeso_Mode == Mod_Oeso::Mode::Examination)
        WindowRegistry::show(WindowNames::OesoFront);
    else
        WindowRegistry::show(WindowNames::Oesophagus);
    WindowRegistry::unload(objectName());
}
