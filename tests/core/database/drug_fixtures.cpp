#include "core/database/drug_fixtures.h"

namespace DrugFixtures {

namespace {

QString textLiteral(const QString &text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

QString bracketed(const QString &name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

} // namespace

Row heartRow(const QString &name)
{
    return {{QStringLiteral("Name"), textLiteral(name)},
            {QStringLiteral("key"), QStringLiteral("'Epi'")},
            {QStringLiteral("L_StART"), QStringLiteral("90")},
            {QStringLiteral("L_End"), QStringLiteral("40")},
            {QStringLiteral("Dose"), QStringLiteral("5")},
            {QStringLiteral("hr_START"), QStringLiteral("15")},
            {QStringLiteral("hr_END"), QStringLiteral("25")},
            {QStringLiteral("tone"), QStringLiteral("'N'")},
            {QStringLiteral("hr_indicator"), QStringLiteral("'I'")}};
}

Row oesoRow(const QString &name)
{
    return {{QStringLiteral("Drug"), textLiteral(name)},
            {QStringLiteral("speed1"), QStringLiteral("13")},
            {QStringLiteral("speed2"), QStringLiteral("15")},
            {QStringLiteral("time1"), QStringLiteral("200")},
            {QStringLiteral("time2"), QStringLiteral("230")}};
}

Row rabRow(const QString &name)
{
    return {{QStringLiteral("D_Name"), textLiteral(name)},       {QStringLiteral("L_Reflex"), QStringLiteral("'Y'")},
            {QStringLiteral("C_Reflex"), QStringLiteral("'Y'")}, {QStringLiteral("I_Tension"), QStringLiteral("'N'")},
            {QStringLiteral("P_size1"), QStringLiteral("0")},    {QStringLiteral("P_size2"), QStringLiteral("0")}};
}

Row with(Row row, const Row &changes)
{
    for (auto it = changes.begin(); it != changes.end(); ++it)
        row.insert(it.key(), it.value());
    return row;
}

QString script(const DrugFileLayout &layout, const QList<Row> &rows, const QStringList &fields)
{
    const QStringList columns = fields.isEmpty() ? layout.fields : fields;
    QStringList names;
    for (const QString &field : columns)
        names.append(bracketed(field));
    const QString nameList = names.join(QStringLiteral(", "));
    QString sql = QStringLiteral("CREATE TABLE %1 (%2);\n").arg(bracketed(layout.table), nameList);
    for (const Row &row : rows) {
        QStringList values;
        for (const QString &field : columns)
            values.append(row.value(field, QStringLiteral("NULL")));
        sql += QStringLiteral("INSERT INTO %1 (%2) VALUES (%3);\n")
                   .arg(bracketed(layout.table), nameList, values.join(QStringLiteral(", ")));
    }
    return sql;
}

} // namespace DrugFixtures
