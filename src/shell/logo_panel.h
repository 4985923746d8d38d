#pragma once

#include <QFrame>

// The panel covering a front page while it introduces the experiment; it
// reports clicks and double-clicks so the page can dismiss it.
class LogoPanel final : public QFrame
{
    Q_OBJECT

public:
    LogoPanel(const QString &name, QWidget *parent);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
