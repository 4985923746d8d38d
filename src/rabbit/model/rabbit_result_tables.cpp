#include "rabbit/model/rabbit_result_tables.h"

namespace Rab_eye::ResultTables {

namespace {

const QVector<double> ModelWidths{13, 12, 17, 13, 13, 12};
constexpr double HeaderHeight = 4;
constexpr double RowHeight = 2;
const QString NotTested = QStringLiteral(" Not Tested ");

QStringList resultRow(const QString &first, const QString &drug, const RabResult &e)
{
    return {first,
            drug,
            tensionText(e.Tension),
            reflexText(e.LightReflex),
            reflexText(e.CornealReflex),
            salineText(e.SalineInstilled),
            identifiedText(e.Identified)};
}

} // namespace

QString tensionText(QChar code)
{
    switch (code.unicode()) {
    case u'D': return QStringLiteral(" Decreased ");
    case u'I': return QStringLiteral(" Increased ");
    case u'H': return NotTested;
    // Any other code leaves the tension as it was.
    default: return QStringLiteral(" Normal ");
    }
}

QString reflexText(QChar code)
{
    if (code == u'Y')
        return QStringLiteral(" Yes ");
    if (code == u'H')
        return NotTested;
    // A reflex is present only for "Y"; a "B" drug records what the torch showed.
    return QStringLiteral(" No ");
}

QString salineText(QChar code)
{
    return code == u'Y' ? QStringLiteral(" Yes ") : QStringLiteral(" No ");
}

QString identifiedText(const QString &answer)
{
    return answer.trimmed().isEmpty() ? QStringLiteral(" Not Identified ") : answer;
}

ResultsTable modelTable()
{
    ResultsTable t;
    t.rows = 6;
    t.columnWidthsInA = ModelWidths;
    t.headerHeightInA = HeaderHeight;
    t.cells = {
        {QStringLiteral("Rabbit No.      (Rt eye / Lt eye)"), QStringLiteral("Drug / Saline"),
         QStringLiteral("Intraocular Tension      Before  |  After"), QStringLiteral("Light Reflex Before  | After"),
         QStringLiteral("Corneal Reflex Before  | After"), QStringLiteral("Pupil Size     Before | After ")},
        {QStringLiteral("    1 (RE)"), QStringLiteral(" Saline ")},
        {QStringLiteral("    1 (LE)"), QStringLiteral(" Epinephrine ")},
        {QStringLiteral("    2 (RE)")},
        {QStringLiteral("    2 (LE)")},
    };
    return t;
}

ResultsTable examTable(const RabPractical &practical)
{
    ResultsTable t;
    const int unknowns = qMax(0, int(practical.Rab_Results.size()) - 2);
    const bool exam2 = practical.Rab_Exam2Result.recorded;
    t.rows = unknowns + 1 + (exam2 ? 1 : 0);
    t.columnWidthsInA = ModelWidths + QVector<double>{15};
    t.headerHeightInA = HeaderHeight;
    t.rowHeightInA = RowHeight;
    t.cells << QStringList{QStringLiteral(" Rabbit No."),          QStringLiteral(" Unknown Drug  "),
                           QStringLiteral(" Intraocular Tension"), QStringLiteral("  Light Reflex "),
                           QStringLiteral(" Corneal Reflex"),      QStringLiteral("  Saline Instilled "),
                           QStringLiteral(" Drug Identified")};
    for (int i = 1; i <= unknowns; ++i) {
        const RabResult &e = practical.Rab_Results.at(i);
        t.cells << resultRow(QStringLiteral("          ") + QString::number(i), e.DrugName, e);
    }
    if (exam2) {
        const RabExam2Result &r = practical.Rab_Exam2Result;
        const QString drug = r.result.DrugName + QStringLiteral("\n(") + r.DrugClass + QLatin1Char(')');
        t.cells << resultRow(QStringLiteral(" Exam. 2"), drug, r.result);
    }
    return t;
}

} // namespace Rab_eye::ResultTables
