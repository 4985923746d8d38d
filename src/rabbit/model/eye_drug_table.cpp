#include "rabbit/model/eye_drug_table.h"

#include "core/database/drug_file_layout.h"
#include "core/database/drug_rules.h"

namespace Rab_eye {

namespace {

RabDrug baselineEntry()
{
    RabDrug eye;
    eye.L_Reflex = u'Y';
    eye.C_Reflex = u'Y';
    eye.I_Tension = u'N';
    return eye;
}

} // namespace

EyeDrugTable::EyeDrugTable()
    : Drugs{baselineEntry(), RabDrug()}
{
}

QString EyeDrugTable::refusal(const QVector<RabDrug> &rows)
{
    return drugFileRefusal(rabDrugLayout().fileName, rabDrugProblems(rows));
}

void EyeDrugTable::fill(const QVector<RabDrug> &rows, Mode mode)
{
    Drugs = QVector<RabDrug>{baselineEntry()} + rows + QVector<RabDrug>{RabDrug()};
    m_rows = int(rows.size());
    m_drugCount = mode == Mode::Tutorial ? m_rows : m_rows - 1;
}

const RabDrug &EyeDrugTable::drug(int index) const
{
    static const RabDrug none;
    return index >= 0 && index < Drugs.size() ? Drugs.at(index) : none;
}

QStringList EyeDrugTable::rowNames() const
{
    QStringList names;
    for (int i = 1; i <= m_rows; ++i)
        names << Drugs.at(i).D_Name;
    return names;
}

QStringList EyeDrugTable::unknownNames() const
{
    QStringList names;
    for (int i = 1; i <= m_drugCount; ++i)
        names << Drugs.at(i).D_Name;
    return names;
}

} // namespace Rab_eye
