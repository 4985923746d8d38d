#include "widgets/picture_files.h"

#include "core/asset_paths.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace PictureFiles {

QString doubleSizeName(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    const QString stem = suffix.isEmpty() ? fileName : fileName.left(fileName.size() - suffix.size() - 1);
    return suffix.isEmpty() ? stem + QStringLiteral("@2x") : stem + QStringLiteral("@2x.") + suffix;
}

QPixmap load(const QString &fileName, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QPixmap sharp(AssetPaths::file(doubleSizeName(fileName)));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(AssetPaths::file(fileName));
}

QPixmap load(const QString &fileName)
{
    return load(fileName, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

} // namespace PictureFiles
