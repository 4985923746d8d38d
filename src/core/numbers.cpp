#include "core/numbers.h"

#include <cmath>
#include <cstdio>

namespace Numbers {

int intFloor(double x)
{
    return static_cast<int>(std::floor(x));
}

long long roundHalfEven(double x)
{
    // The default floating-point rounding mode is to nearest, ties to even.
    return static_cast<long long>(std::nearbyint(x));
}

double leadingNumber(const QString &text)
{
    const QString s = text.trimmed();
    int i = 0;
    const int n = s.size();
    QString number;
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        number += s[i++];
    bool digits = false;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
        number += s[i++];
        digits = true;
    }
    if (i < n && s[i] == u'.') {
        number += s[i++];
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
            number += s[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    // An exponent counts only when at least one digit follows it.
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        int j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            exponent += s[j++];
        bool expDigits = false;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) {
            exponent += s[j++];
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString singleText(float value)
{
    if (value == 0.0f)
        return QStringLiteral("0");
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    QString text = QString::fromLatin1(buffer);
    // %G writes two exponent digits at least ("1E+07"), as wanted.
    return text;
}

QString signedText(float value)
{
    QString text = singleText(value);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return value < 0.0f ? text : QLatin1Char(' ') + text;
}

} // namespace Numbers
