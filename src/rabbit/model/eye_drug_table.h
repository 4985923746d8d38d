#pragma once

#include "core/database/rab_drugs.h"
#include "rabbit/model/rabbit_state.h"

#include <QStringList>
#include <QVector>

namespace Rab_eye {

// The drugs of one practical, as the rabbit window keeps them: entry 0 is
// the eye without drug (both reflexes present, tension normal), entries 1 to
// n the file's rows in order, and one empty entry after them. In the
// examinations the last row is the saline control and is not counted among
// the drugs given as unknowns.
class EyeDrugTable
{
public:
    EyeDrugTable();

    // Why the rows cannot run a practical, in one message; empty when they can.
    static QString refusal(const QVector<RabDrug> &rows);

    void fill(const QVector<RabDrug> &rows, Mode mode);

    // DrugCount: the rows in Tutorial, the unknowns in the examinations.
    int DrugCount() const { return m_drugCount; }
    // The entry at index; an index outside the table gives the empty entry.
    const RabDrug &drug(int index) const;
    // The saline control, the last row (examinations).
    int salineIndex() const { return m_drugCount + 1; }
    // Every row's name, for the drug list.
    QStringList rowNames() const;
    // The unknowns' names, entries 1 to DrugCount, for the answer list.
    QStringList unknownNames() const;

private:
    QVector<RabDrug> Drugs;
    int m_drugCount = 0;
    int m_rows = 0;
};

} // namespace Rab_eye
