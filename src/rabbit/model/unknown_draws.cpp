#include "rabbit/model/unknown_draws.h"

#include "core/random_source.h"

namespace Rab_eye::UnknownDraws {

int nextUnused(QVector<quint8> &used, int drugCount)
{
    QVector<int> unused;
    for (int i = 1; i <= drugCount; ++i) {
        if (used.value(i) == 0)
            unused << i;
    }
    if (unused.isEmpty())
        return 0;
    Chance::reseedFromClock();
    const int chosen = unused.at(Chance::drawInRange(1, int(unused.size())) - 1);
    if (used.size() <= chosen)
        used.resize(chosen + 1);
    used[chosen] = 1;
    return chosen;
}

QString drugClass(const RabDrug &drug)
{
    if (drug.P_size1 > 0)
        return Mydriatic;
    if (drug.P_size2 < 0)
        return Miotic;
    return QString();
}

Exam2Unknown drawExam2(const EyeDrugTable &drugs)
{
    QVector<int> miotics, mydriatics;
    for (int i = 1; i <= drugs.DrugCount(); ++i) {
        const QString c = drugClass(drugs.drug(i));
        if (c == Miotic)
            miotics << i;
        else if (c == Mydriatic)
            mydriatics << i;
    }
    if (miotics.isEmpty() && mydriatics.isEmpty())
        return {};
    Chance::reseedFromClock();
    bool mydriatic = Chance::drawInRange(1, 2) == 2;
    if (mydriatic ? mydriatics.isEmpty() : miotics.isEmpty())
        mydriatic = !mydriatic;
    const QVector<int> &pool = mydriatic ? mydriatics : miotics;
    return {pool.at(Chance::drawInRange(1, int(pool.size())) - 1), mydriatic ? Mydriatic : Miotic};
}

} // namespace Rab_eye::UnknownDraws
