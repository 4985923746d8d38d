#include "core/database/drug_rules.h"

#include <algorithm>
#include <cmath>

namespace {

QString rowName(int index, const QString &name)
{
    return QStringLiteral("Row %1 (\"%2\")").arg(index + 1).arg(name);
}

// ---- heart ----

// The beat strokes (L_StART, L_End) the lever knows how to swing for; a
// stroke outside them would leave the lever swinging as for the drug before.
struct LeverPair
{
    int top;
    int bottom;
};
constexpr LeverPair leverPairs[] = {
    {50, 80}, {90, 40}, {80, 44}, {85, 30}, {35, 36}, {80, 60}, {69, 59}, {84, 85}, {80, 49},
};

bool isLeverPair(int top, int bottom)
{
    return std::any_of(std::begin(leverPairs), std::end(leverPairs),
                       [=](const LeverPair &pair) { return pair.top == top && pair.bottom == bottom; });
}

// The keys the interaction rules know, one drug each.
const QStringList &heartKeys()
{
    static const QStringList keys{
        QStringLiteral("Epi"), QStringLiteral("NEpi"), QStringLiteral("Iso"), QStringLiteral("Prop"),
        QStringLiteral("Atr"), QStringLiteral("ACh"),  QStringLiteral("KCl"), QStringLiteral("CaCl"),
    };
    return keys;
}

constexpr int heartDrugCount = 8;

// The basal rate is drawn from 60 to 90 beats/min and shown one beat either
// side of it after each wash-out.
constexpr int lowestBasalRate = 59;
constexpr int highestBasalRate = 91;
// A rate of 0 would read as "never injected" in the results table.
constexpr int lowestRate = 1;
constexpr int highestRate = 255;

void checkNamedRow(const QVector<HeartDrug> &drugs, int number, const QString &name, const QString &key,
                   const QString &why, QStringList &problems)
{
    const int index = number - 1;
    if (index >= drugs.size())
        problems << QStringLiteral("There is no row %1; it must be %2 with the key \"%3\" (%4).")
                        .arg(number)
                        .arg(name, key, why);
    else if (drugs.at(index).Name != name || drugs.at(index).key != key)
        problems << QStringLiteral("%1 has the key \"%2\"; row %3 must be %4 with the key \"%5\" (%6).")
                        .arg(rowName(index, drugs.at(index).Name), drugs.at(index).key)
                        .arg(number)
                        .arg(name, key, why);
}

void checkHeartRow(int index, const HeartDrug &drug, QStringList &problems)
{
    const QString row = rowName(index, drug.Name);
    if (!heartKeys().contains(drug.key))
        problems << QStringLiteral("%1 has the key \"%2\", which no interaction rule knows.").arg(row, drug.key);
    if (!isLeverPair(drug.L_StART, drug.L_End))
        problems << QStringLiteral("%1: the beat stroke L_StART %2, L_End %3 is not one of the lever's nine.")
                        .arg(row)
                        .arg(drug.L_StART)
                        .arg(drug.L_End);
    if (drug.hr_END < drug.hr_START)
        problems << QStringLiteral("%1: hr_END %2 is below hr_START %3.").arg(row).arg(drug.hr_END).arg(drug.hr_START);
    const int largestChange = std::max(drug.hr_START, drug.hr_END);
    if (drug.hr_indicator == u'I' && highestBasalRate + largestChange > highestRate)
        problems << QStringLiteral("%1: an increase of up to %2 beats/min can take the rate above %3.")
                        .arg(row)
                        .arg(largestChange)
                        .arg(highestRate);
    if (drug.hr_indicator == u'D' && lowestBasalRate - largestChange < lowestRate)
        problems << QStringLiteral("%1: a decrease of up to %2 beats/min can take the rate below %3.")
                        .arg(row)
                        .arg(largestChange)
                        .arg(lowestRate);
}

// ---- oesophagus ----

// A range the oesophagus draws whole numbers from: both ends whole numbers
// within the field the drawn value goes into, the lowest first.
void checkOesoRange(const QString &row, const QString &lowName, float low, const QString &highName, float high,
                    int least, int most, QStringList &problems)
{
    for (const auto &[name, value] : {std::pair{lowName, low}, std::pair{highName, high}}) {
        if (value != std::floor(value) || value < least || value > most)
            problems << QStringLiteral("%1: %2 %3 is not a whole number from %4 to %5.")
                            .arg(row, name)
                            .arg(double(value))
                            .arg(least)
                            .arg(most);
    }
    if (low > high)
        problems << QStringLiteral("%1: %2 %3 is above %4 %5.")
                        .arg(row, lowName)
                        .arg(double(low))
                        .arg(highName)
                        .arg(double(high));
}

// A row's seed steps: a step of 0 would leave the seed where it is and its
// timer running.
void checkOesoSteps(int i, const OesoDrug &drug, QStringList &problems)
{
    checkOesoRange(rowName(i, drug.Drug), QStringLiteral("speed1"), drug.speed1, QStringLiteral("speed2"), drug.speed2,
                   1, 255, problems);
}

} // namespace

QStringList heartDrugProblems(const QVector<HeartDrug> &drugs)
{
    QStringList problems;
    if (drugs.size() != heartDrugCount)
        problems << QStringLiteral("There are %1 rows; the heart practical numbers its drugs 1 to %2.")
                        .arg(drugs.size())
                        .arg(heartDrugCount);
    for (const QString &key : heartKeys()) {
        const auto count
            = std::count_if(drugs.begin(), drugs.end(), [&](const HeartDrug &drug) { return drug.key == key; });
        if (count == 0)
            problems << QStringLiteral("No row has the key \"%1\".").arg(key);
        else if (count > 1)
            problems << QStringLiteral("The key \"%1\" is on %2 rows.").arg(key).arg(count);
    }
    const QString exam3 = QStringLiteral("Examination 3 compares the unknown with it");
    checkNamedRow(drugs, 1, QStringLiteral("Epinephrine"), QStringLiteral("Epi"), exam3, problems);
    checkNamedRow(drugs, 6, QStringLiteral("Acetylcholine"), QStringLiteral("ACh"), exam3, problems);
    for (int i = 0; i < drugs.size(); ++i)
        checkHeartRow(i, drugs.at(i), problems);
    return problems;
}

QStringList oesoDrugProblems(const QVector<OesoDrug> &drugs)
{
    QStringList problems;
    if (drugs.size() < 2)
        problems << QStringLiteral("There are %1 rows; the examination needs the Ringer row and at least one drug.")
                        .arg(drugs.size());
    const QString baseline = QStringLiteral("Ringer");
    if (!drugs.isEmpty() && drugs.first().Drug != baseline)
        problems << QStringLiteral("The first row is \"%1\"; it must be \"%2\", the baseline solution.")
                        .arg(drugs.first().Drug, baseline);
    for (const QString &name :
         {QStringLiteral("Acetylcholine"), QStringLiteral("Atropine"), QStringLiteral("Physostigmine")}) {
        const bool found
            = std::any_of(drugs.begin(), drugs.end(), [&](const OesoDrug &drug) { return drug.Drug == name; });
        if (!found)
            problems << QStringLiteral("No row is named exactly \"%1\"; the interaction rules need it.").arg(name);
    }
    for (int i = 0; i < drugs.size(); ++i) {
        const OesoDrug &drug = drugs.at(i);
        checkOesoSteps(i, drug, problems);
        checkOesoRange(rowName(i, drug.Drug), QStringLiteral("time1"), drug.time1, QStringLiteral("time2"), drug.time2,
                       1, 65535, problems);
    }
    return problems;
}

QStringList oesoStepProblems(const QVector<OesoDrug> &drugs)
{
    QStringList problems;
    for (int i = 0; i < drugs.size(); ++i)
        checkOesoSteps(i, drugs.at(i), problems);
    return problems;
}

QStringList rabDrugProblems(const QVector<RabDrug> &drugs)
{
    // The smallest baseline pupil box is 498 twips high; the torch takes 75
    // twips off it, so a change below -84 units (5 twips each) closes it.
    constexpr int smallestChange = -84;
    QStringList problems;
    if (drugs.size() < 2)
        problems << QStringLiteral("There are %1 rows; Examination 1 needs at least one drug and the saline control.")
                        .arg(drugs.size());
    const QString control = QStringLiteral("Saline");
    if (!drugs.isEmpty() && drugs.last().D_Name != control)
        problems << QStringLiteral("The last row is \"%1\"; it must be \"%2\", the control never given as an unknown.")
                        .arg(drugs.last().D_Name, control);
    for (int i = 0; i < drugs.size(); ++i) {
        const RabDrug &drug = drugs.at(i);
        const QString row = rowName(i, drug.D_Name);
        if (drug.P_size1 > drug.P_size2)
            problems
                << QStringLiteral("%1: P_size1 %2 is above P_size2 %3.").arg(row).arg(drug.P_size1).arg(drug.P_size2);
        for (const auto &[name, value] :
             {std::pair{QStringLiteral("P_size1"), drug.P_size1}, std::pair{QStringLiteral("P_size2"), drug.P_size2}}) {
            if (value < smallestChange)
                problems << QStringLiteral("%1: %2 %3 is below %4; the torch would close the pupil.")
                                .arg(row, name)
                                .arg(value)
                                .arg(smallestChange);
        }
    }
    return problems;
}

QString drugFileRefusal(const QString &fileName, const QStringList &problems)
{
    if (problems.isEmpty())
        return QString();
    return QStringLiteral("The drug database \"%1\" cannot be used for this practical:\n%2")
        .arg(fileName, problems.join(QLatin1Char('\n')));
}
