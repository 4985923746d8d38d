#include "core/database/drug_file_layout.h"

const DrugFileLayout &heartDrugLayout()
{
    static const DrugFileLayout layout{QStringLiteral("F_Heart.mdb"),
                                       QStringLiteral("heart_drug"),
                                       {QStringLiteral("Name"), QStringLiteral("key"), QStringLiteral("L_StART"),
                                        QStringLiteral("L_End"), QStringLiteral("Dose"), QStringLiteral("hr_START"),
                                        QStringLiteral("hr_END"), QStringLiteral("tone"),
                                        QStringLiteral("hr_indicator")}};
    return layout;
}

const DrugFileLayout &oesoDrugLayout()
{
    static const DrugFileLayout layout{QStringLiteral("f_oeso.mdb"),
                                       QStringLiteral("Oeso"),
                                       {QStringLiteral("Drug"), QStringLiteral("speed1"), QStringLiteral("speed2"),
                                        QStringLiteral("time1"), QStringLiteral("time2")}};
    return layout;
}

const DrugFileLayout &rabDrugLayout()
{
    static const DrugFileLayout layout{QStringLiteral("Rab_Eye.mdb"),
                                       QStringLiteral("R_Eye"),
                                       {QStringLiteral("D_Name"), QStringLiteral("L_Reflex"),
                                        QStringLiteral("C_Reflex"), QStringLiteral("I_Tension"),
                                        QStringLiteral("P_size1"), QStringLiteral("P_size2")}};
    return layout;
}
