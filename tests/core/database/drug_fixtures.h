#pragma once

#include "core/database/drug_file_layout.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// Small drug databases for tests, written as SQL. Values are SQL literals
// ("'Epi'", "12.5", "NULL") keyed by field; the columns carry no type, so
// every value keeps exactly the type it was written with.
namespace DrugFixtures {

using Row = QMap<QString, QString>;

// A sound row of each file with the given name.
Row heartRow(const QString &name);
Row oesoRow(const QString &name);
Row rabRow(const QString &name);

// The row with some literals replaced.
Row with(Row row, const Row &changes);

// A table named as the layout names it, with the given fields (all of the
// layout's when empty), holding the rows.
QString script(const DrugFileLayout &layout, const QList<Row> &rows, const QStringList &fields = {});

} // namespace DrugFixtures
