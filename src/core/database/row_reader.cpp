#include "core/database/row_reader.h"

#include "core/numbers.h"

#include <QLocale>

#include <cfloat>
#include <cmath>

RowReader::RowReader(const DatabaseTable &table, int row)
    : m_table(table)
    , m_row(row)
{
}

QString RowReader::where(const QString &field) const
{
    // Rows are counted from 1, as a supervisor looking into the file counts them.
    return QStringLiteral("in field \"%1\" of row %2 of table \"%3\"").arg(field).arg(m_row + 1).arg(m_table.table());
}

bool RowReader::fetch(const QString &field, QVariant &value)
{
    if (failed())
        return false;
    value = m_table.value(m_row, field);
    if (value.isNull()) {
        m_error = m_table.problem(QStringLiteral("has no value %1.").arg(where(field)));
        return false;
    }
    return true;
}

QString RowReader::text(const QString &field)
{
    QVariant value;
    return fetch(field, value) ? value.toString() : QString();
}

QString RowReader::trimmedText(const QString &field)
{
    return text(field).trimmed();
}

bool RowReader::number(const QString &field, double &x)
{
    QVariant value;
    if (!fetch(field, value))
        return false;
    bool ok = false;
    if (value.typeId() == QMetaType::QString)
        x = QLocale::c().toDouble(value.toString().trimmed(), &ok);
    else if (value.typeId() != QMetaType::QByteArray)
        x = value.toDouble(&ok);
    if (!ok || !std::isfinite(x)) {
        m_error = m_table.problem(
            QStringLiteral("holds \"%1\" %2, which is not a number.").arg(value.toString(), where(field)));
        return false;
    }
    return true;
}

long long RowReader::whole(const QString &field, long long lowest, long long highest)
{
    double x = 0.0;
    if (!number(field, x))
        return 0;
    // The range is tested before rounding so that no huge value is ever
    // converted to a whole number.
    const bool inRange = x >= double(lowest) - 0.5 && x <= double(highest) + 0.5;
    const long long rounded = inRange ? Numbers::roundHalfEven(x) : 0;
    if (!inRange || rounded < lowest || rounded > highest) {
        m_error = m_table.problem(QStringLiteral("holds %1 %2, outside %3 to %4.")
                                      .arg(QLocale::c().toString(x, 'g', 15), where(field))
                                      .arg(lowest)
                                      .arg(highest));
        return 0;
    }
    return rounded;
}

quint8 RowReader::byte(const QString &field)
{
    return quint8(whole(field, 0, 255));
}

qint16 RowReader::whole16(const QString &field)
{
    return qint16(whole(field, -32768, 32767));
}

float RowReader::single(const QString &field)
{
    double x = 0.0;
    if (!number(field, x))
        return 0.0f;
    if (std::fabs(x) > double(FLT_MAX)) {
        m_error = m_table.problem(QStringLiteral("holds %1 %2, outside the range of a single-precision number.")
                                      .arg(QLocale::c().toString(x, 'g', 15), where(field)));
        return 0.0f;
    }
    return float(x);
}

QChar codeOf(const QString &text)
{
    return text.isEmpty() ? QChar(u' ') : text.front();
}

QString fixedText(const QString &text, int width)
{
    QString held = text.left(width);
    while (held.endsWith(u' '))
        held.chop(1);
    return held;
}
