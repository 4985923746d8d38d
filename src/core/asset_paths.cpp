#include "core/asset_paths.h"

#include <QCoreApplication>

namespace AssetPaths {

namespace {
QString & override()
{
    static QString folder;
    return folder;
}
} // namespace

QString folder()
{
    return override().isEmpty() ? QCoreApplication::applicationDirPath() : override();
}

void setFolder(const QString &f)
{
    override() = f;
}

QString file(const QString &name)
{
    return folder() + QLatin1Char('/') + name;
}

QString picture(const QString &name)
{
    return file(QStringLiteral("pictures/") + name);
}

QString helpPage(const QString &name)
{
    return file(QStringLiteral("help/") + name);
}

} // namespace AssetPaths
