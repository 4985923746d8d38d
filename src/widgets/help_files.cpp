#include "widgets/help_files.h"

#include "core/asset_paths.h"
#include "widgets/help_engine.h"

#include <QPointer>
#include <QWidget>

namespace {
QPointer<QWidget> helpOwner;
QString appHelpFile;
} // namespace

namespace HelpFiles {

QString applicationHelpPath(const QString &folder)
{
    const QString name = QStringLiteral("Vivosim.HLP");
    return folder.trimmed().endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString applicationHelpFile()
{
    return appHelpFile;
}

} // namespace HelpFiles

void InitHelpFile(QWidget *window)
{
    helpOwner = window;
    appHelpFile = HelpFiles::applicationHelpPath(AssetPaths::folder());
}

void QuitHelp()
{
    HelpEngine::run(helpOwner.data(), appHelpFile, HelpEngine::Quit, 0);
}

HelpDialog::HelpDialog(const QString &name, const QString &helpFile, int helpCommand, QWidget *owner)
    : QObject(owner)
    , m_owner(owner)
    , m_file(helpFile)
    , m_command(helpCommand)
{
    setObjectName(name);
}

void HelpDialog::showHelp()
{
    HelpEngine::run(m_owner, m_file, m_command, m_context);
}
