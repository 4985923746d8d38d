#pragma once

#include <QByteArray>
#include <QRegularExpression>

// The number of page objects in an uncompressed-structure PDF ("/Type /Page",
// not the "/Pages" tree); both Qt and cups-pdf write their pages that way.
inline int pdfPageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int count = 0;
    auto matches = page.globalMatch(QString::fromLatin1(pdf));
    while (matches.hasNext()) {
        matches.next();
        ++count;
    }
    return count;
}
