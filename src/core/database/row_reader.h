#pragma once

#include "core/database/database_table.h"

#include <QChar>
#include <QString>

// Converts the fields of one row as the practicals need them. The first
// value that cannot be converted becomes the error; every later read then
// gives an empty text or 0, so a reader can take all its fields in a row and
// look at failed() once.
class RowReader
{
public:
    RowReader(const DatabaseTable &table, int row);

    QString text(const QString &field);        // the text as stored
    QString trimmedText(const QString &field); // without leading and trailing blanks
    quint8 byte(const QString &field);         // nearest whole number (halves to even), 0..255
    qint16 whole16(const QString &field);      // the same, -32768..32767
    float single(const QString &field);        // single precision

    bool failed() const { return m_error.isError(); }
    const DatabaseError &error() const { return m_error; }

private:
    bool fetch(const QString &field, QVariant &value);
    bool number(const QString &field, double &x);
    long long whole(const QString &field, long long lowest, long long highest);
    QString where(const QString &field) const;

    const DatabaseTable &m_table;
    int m_row;
    DatabaseError m_error;
};

// A one-character code: the first character of the text, a blank for an
// empty text.
QChar codeOf(const QString &text);

// The text as a fixed field of width characters holds it: cut to width, and
// without the blanks such a field pads with.
QString fixedText(const QString &text, int width);

// Converts the given rows in that order with convert(RowReader &), stopping
// at the first value that cannot be converted.
template <typename Drug, typename Convert>
DrugReading<Drug> convertRows(const DatabaseTable &table, const QVector<int> &rows, Convert convert)
{
    DrugReading<Drug> reading;
    if (!table.ok()) {
        reading.error = table.error();
        return reading;
    }
    for (int row : rows) {
        RowReader reader(table, row);
        const Drug drug = convert(reader);
        if (reader.failed()) {
            reading.drugs.clear();
            reading.error = reader.error();
            return reading;
        }
        reading.drugs.append(drug);
    }
    return reading;
}
