#pragma once

#include <QString>

// The supervisor's password as every gateway stores it: trimmed, upper-cased,
// at most ten characters; the heart and the rabbit keep it in a fixed field of
// ten characters padded with blanks.
namespace Passwords {

constexpr int MaxLength = 10;
constexpr int MinLength = 4;

QString normalised(const QString &entry);
QString fixedField(const QString &text);
// At least four characters once trimmed.
bool longEnough(const QString &stored);
// Stored passwords compare equal in either form once trimmed.
bool matches(const QString &stored, const QString &entry);

} // namespace Passwords
