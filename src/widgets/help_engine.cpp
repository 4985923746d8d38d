#include "widgets/help_engine.h"

#include "core/asset_paths.h"
#include "widgets/help_viewer.h"

#include <QFileInfo>
#include <QHash>
#include <QPointer>

namespace HelpEngine {

namespace {

QHash<QString, QPointer<HelpViewer>> &viewers()
{
    static QHash<QString, QPointer<HelpViewer>> open;
    return open;
}

HelpViewer *openViewer(const QString &helpFile, bool *created)
{
    const QString key = pageKey(helpFile);
    QPointer<HelpViewer> &slot = viewers()[key];
    *created = slot.isNull();
    if (*created) {
        const QString shownName = QFileInfo(QString(helpFile).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
        slot = new HelpViewer(shownName, AssetPaths::helpPage(key + QStringLiteral(".html")));
    }
    return slot.data();
}

} // namespace

QString pageKey(const QString &helpFile)
{
    QString name = QFileInfo(QString(helpFile).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    name = name.trimmed().toLower();
    if (name.endsWith(QLatin1String(".hlp")))
        name.chop(4);
    return name;
}

QString topicAnchor(qint32 context)
{
    return QStringLiteral("topic%1").arg(context);
}

void run(QWidget *owner, const QString &helpFile, int command, qint32 context)
{
    Q_UNUSED(owner);
    bool created = false;
    switch (command) {
    case ShowTopic: {
        HelpViewer *v = openViewer(helpFile, &created);
        v->showTopic(topicAnchor(context));
        v->present();
        break;
    }
    case ForceFile: {
        HelpViewer *v = openViewer(helpFile, &created);
        if (created)
            v->showContents();
        v->present();
        break;
    }
    case Quit: {
        const QPointer<HelpViewer> v = viewers().take(pageKey(helpFile));
        if (v)
            v->close();
        break;
    }
    default: break;
    }
}

HelpViewer *viewer(const QString &helpFile)
{
    return viewers().value(pageKey(helpFile)).data();
}

void closeAll()
{
    const auto open = viewers();
    viewers().clear();
    for (const QPointer<HelpViewer> &v : open) {
        if (v)
            v->close();
    }
}

} // namespace HelpEngine
