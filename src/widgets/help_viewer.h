#pragma once

#include <QWidget>

class QTextBrowser;

// A help window showing one of our HTML help pages. A page that cannot be
// found is reported inside the window, naming the help file asked for.
class HelpViewer final : public QWidget
{
    Q_OBJECT

public:
    HelpViewer(const QString &helpFileName, const QString &pagePath);

    void showContents();
    void showTopic(const QString &anchor);
    void present();

    bool pageFound() const { return m_found; }
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
    bool m_found = false;
};
