#include "widgets/help_viewer.h"

#include "widgets/window_utils.h"

#include <QFile>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(const QString &helpFileName, const QString &pagePath)
    : QWidget(nullptr, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vivosim Help - %1").arg(helpFileName));
    resize(560, 480);
    m_browser->setObjectName(QStringLiteral("HelpText"));
    m_browser->setAccessibleName(QStringLiteral("Help text"));
    m_browser->setOpenExternalLinks(false);
    m_browser->setOpenLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);

    if (QFile::exists(pagePath)) {
        m_found = true;
        m_browser->setSource(QUrl::fromLocalFile(pagePath));
        setWindowTitle(QStringLiteral("Vivosim Help - %1")
                           .arg(m_browser->documentTitle().isEmpty() ? helpFileName : m_browser->documentTitle()));
    } else {
        m_browser->setHtml(QStringLiteral("<h2>Help not available</h2>"
                                          "<p>The help file \"%1\" could not be found beside the program.</p>"
                                          "<p>The practical carries on; ask your supervisor to reinstall Vivosim "
                                          "if you need its instructions.</p>")
                               .arg(helpFileName.toHtmlEscaped()));
    }
}

void HelpViewer::showContents()
{
    m_browser->verticalScrollBar()->setValue(0);
}

void HelpViewer::showTopic(const QString &anchor)
{
    if (m_found)
        m_browser->scrollToAnchor(anchor);
}

void HelpViewer::present()
{
    if (!isVisible())
        CentreForm(this);
    show();
    raise();
    activateWindow();
}
