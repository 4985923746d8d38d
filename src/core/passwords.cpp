#include "core/passwords.h"

namespace Passwords {

QString normalised(const QString &entry)
{
    return entry.trimmed().toUpper().left(MaxLength);
}

QString fixedField(const QString &text)
{
    return text.left(MaxLength).leftJustified(MaxLength, QLatin1Char(' '));
}

bool longEnough(const QString &stored)
{
    return stored.trimmed().size() >= MinLength;
}

bool matches(const QString &stored, const QString &entry)
{
    return stored.trimmed() == normalised(entry);
}

} // namespace Passwords
