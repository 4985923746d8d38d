#pragma once

#include <QString>

// The names windows are reached by, through the window registry.
namespace WindowNames {

inline const QString Splash = QStringLiteral("Frm_Vivosim");
inline const QString Selection = QStringLiteral("Frm_Selection");
inline const QString Instructions = QStringLiteral("Frm_instruct");

inline const QString HeartFront = QStringLiteral("Frm_Heart_Main");
inline const QString IleumFront = QStringLiteral("Frm_il_main");
inline const QString OesoFront = QStringLiteral("Frm_Oeso_main");
inline const QString RabbitFront = QStringLiteral("Frm_Rab_main");

inline const QString Heart = QStringLiteral("Frm_Heart");
inline const QString HeartTable = QStringLiteral("Frm_Heart_Table");
inline const QString HeartQuestion = QStringLiteral("Frm_Question");
inline const QString Ileum = QStringLiteral("Frm_Ileum");
inline const QString IleumExam = QStringLiteral("Frm_I_Exam");
inline const QString IleumQuestion = QStringLiteral("Frm_Ile_Question");
inline const QString Oesophagus = QStringLiteral("Frm_Oesophagus");
inline const QString OesoTable = QStringLiteral("Frm_Oeso_Table");
inline const QString OesoQuestion = QStringLiteral("Frm_Oeso_Quest");
inline const QString Rabbit = QStringLiteral("Frm_Rabbit");
inline const QString RabbitTable = QStringLiteral("Frm_Rab_Table");

} // namespace WindowNames
