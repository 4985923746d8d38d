#pragma once

#include "core/database/heart_drugs.h"
#include "core/database/oeso_drugs.h"
#include "core/database/rab_drugs.h"

#include <QStringList>
#include <QVector>

// The rules the rows of each drug file must meet for its practical to run as
// taught. Each function gives one sentence per broken rule, naming the row
// (counted from 1); none when the rows are sound. The build refuses a file
// that breaks one, so a wrong row fails the build and never a class.

// Eight rows holding the keys "Epi", "NEpi", "Iso", "Prop", "Atr", "ACh",
// "KCl" and "CaCl" once each; row 1 Epinephrine ("Epi") and row 6
// Acetylcholine ("ACh"); every beat stroke (L_StART, L_End) one of the
// lever's nine; hr_END not below hr_START; every rate an increase or a
// decrease can reach within 1..255 beats/min.
QStringList heartDrugProblems(const QVector<HeartDrug> &drugs);

// At least two rows; row 1 "Ringer"; rows named exactly "Acetylcholine",
// "Atropine" and "Physostigmine"; steps whole numbers in 1..255 and
// intervals whole numbers in 1..65535, each range lowest first.
QStringList oesoDrugProblems(const QVector<OesoDrug> &drugs);
// Of those, the rule on the steps alone, which the program also applies to a
// file put in place of the one the build made: a seed with a step of 0 would
// never arrive.
QStringList oesoStepProblems(const QVector<OesoDrug> &drugs);

// What a practical tells the student when the drug file beside the program
// breaks its rules: the file's name and each sentence; empty when none.
QString drugFileRefusal(const QString &fileName, const QStringList &problems);

// At least two rows; the last row "Saline"; P_size1 not above P_size2 and no
// change below -84 (the torch would close the smallest pupil).
QStringList rabDrugProblems(const QVector<RabDrug> &drugs);
