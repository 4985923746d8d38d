#pragma once

#include "core/database/heart_drugs.h"
#include "heart/model/heart_state.h"

#include <QStringList>

#include <array>

namespace Heart {

// The heart window's drug table `HeartDrugs` and the names it offers in the
// drug list `Combo_Drug` and the identification list `Lst_Drugs`.
//
// Entry 0 is the rest entry, in force whenever no drug acts. Entries 1 to n
// are the stage's drugs in the file's order; in Examinations 2 and 3 the entry
// after them is the unknown. List position p is entry p + 1.
class HeartDrugTable
{
public:
    // The rest entry, ten drugs and the unknown: a stage with ten drugs still
    // has room for Examination 2's unknown.
    static constexpr int Size = MaxDrugs + 2;
    static constexpr quint8 RestTop = 50;
    static constexpr quint8 RestBottom = 80;

    HeartDrugTable();

    // Fills the table for the practical's Heart_Mode from the rows the window read: every row
    // of the file (at most ten are used), or in Examination 3 the two rows
    // the file gives that examination (its first and sixth).
    void LoadHeartDrugs(HeartPractical &practical, const QVector<HeartDrug> &rows);

    // Appends the unknown, a copy of entry source given in millilitres, as
    // "Unknown drug"; returns the copy's name.
    QString appendUnknown(int source);

    // Entry 0 back to the rest levels.
    void restoreRestEntry();

    const HeartDrug &entry(int index) const { return HeartDrugs.at(index); }
    // The entry of list position p; no selection (-1) is the rest entry.
    const HeartDrug &atPosition(int p) const { return HeartDrugs.at(p + 1); }
    QString listText(int p) const { return Combo_Drug.value(p); }

    std::array<HeartDrug, Size> HeartDrugs;
    quint8 HeartListCount = 0;
    QStringList Combo_Drug;
    QStringList Lst_Drugs; // Examinations 1 and 2 only
};

} // namespace Heart
