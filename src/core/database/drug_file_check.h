#pragma once

#include <QString>
#include <QStringList>

// Everything wrong with a drug file as it ships beside the program: its name
// is one of the three databases', it reads without error, its table has
// exactly the practical's fields in their order, and its rows meet the rules
// of drug_rules.h. Empty when the file is sound.
QStringList shippedFileProblems(const QString &path);
