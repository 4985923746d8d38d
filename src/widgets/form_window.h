#pragma once

#include <QWidget>

// A top-level window of the program. Its objectName is the window's name; the
// window registry creates it, runs load() once, and destroys it on unload.
// Keys that reach the window itself are discarded: the program is worked with
// the mouse. A window whose Close was removed refuses the window manager's
// close request; any other window treats it as an unload.
class FormWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FormWindow(const QString &name, QWidget *parent = nullptr);

    // Runs once, right after creation, when the window is first shown or loaded.
    virtual void load() { }
    // Runs once as the window is unloaded, by any means.
    virtual void unloaded() { }

    void setCloseRefused(bool refused) { m_closeRefused = refused; }
    bool closeRefused() const { return m_closeRefused; }

    // Sets the client area size in pixels (the layouts are fixed, for 800 x 600).
    void setClientSize(int width, int height);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_closeRefused = false;
};
