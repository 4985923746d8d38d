#include "support/seams/run_folder.h"

#include "core/asset_paths.h"

#include <QDir>
#include <QFile>
#include <QString>

namespace {

// The offscreen platform warns that it cannot raise windows or pass size
// hints; those lines say nothing about the program and drown the test logs.
QtMessageHandler defaultHandler = nullptr;

void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    defaultHandler(type, context, message);
}

} // namespace

namespace TestSeams {

void useRunFolder()
{
    // QtTest installs its own message handler as it starts; ours goes in front.
    if (!defaultHandler)
        defaultHandler = qInstallMessageHandler(quietOffscreenWarnings);
    AssetPaths::setFolder(QStringLiteral(VIVOSIM_TEST_RUN_DIR));
}

bool copyPicturesInto(const QString &folder)
{
    const QDir pictures(AssetPaths::picture(QString()));
    if (!QDir(folder).mkpath(QStringLiteral("pictures")))
        return false;
    for (const QString &name : pictures.entryList(QDir::Files)) {
        if (!QFile::copy(pictures.filePath(name), folder + QStringLiteral("/pictures/") + name))
            return false;
    }
    return true;
}

} // namespace TestSeams
