// Loaded into the installed program with
//   QT_PLUGIN_PATH=<build>/plugins QT_QPA_GENERIC_PLUGINS=selectionprobe:<picture.png>
// it waits for the experiment selection window, saves a picture of it, prints
// the program's folder and the window's title, and ends the program with
// status 0. If the window has not come within the time allowed it lists the
// windows that are shown and ends the program with status 3.
#include <QApplication>
#include <QElapsedTimer>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

constexpr int PollMs = 100;
constexpr qint64 AllowedMs = 30000;
const QString SelectionWindow = QStringLiteral("Frm_Selection");

class SelectionWatch : public QObject
{
public:
    explicit SelectionWatch(const QString &picturePath)
        : m_picturePath(picturePath)
    {
        m_started.start();
        connect(&m_poll, &QTimer::timeout, this, &SelectionWatch::look);
        m_poll.start(PollMs);
    }

private:
    void look()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == SelectionWindow && window->isVisible()) {
                report(window);
                return;
            }
        }
        if (m_started.elapsed() > AllowedMs)
            giveUp();
    }

    void report(QWidget *window)
    {
        m_poll.stop();
        const bool saved = window->grab().save(m_picturePath);
        std::printf("program folder: %s\n", qPrintable(QCoreApplication::applicationDirPath()));
        std::printf("shown: %s \"%s\"\n", qPrintable(SelectionWindow), qPrintable(window->windowTitle()));
        if (!saved)
            std::printf("the picture %s could not be saved\n", qPrintable(m_picturePath));
        std::fflush(stdout);
        QCoreApplication::exit(saved ? 0 : 3);
    }

    void giveUp()
    {
        m_poll.stop();
        std::printf("%s was not shown within %lld ms; shown windows:", qPrintable(SelectionWindow), AllowedMs);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                std::printf(" %s", qPrintable(window->objectName()));
        }
        std::printf("\n");
        std::fflush(stdout);
        QCoreApplication::exit(3);
    }

    QString m_picturePath;
    QTimer m_poll;
    QElapsedTimer m_started;
};

} // namespace

class SelectionProbe : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "selection_probe.json")

public:
    // The text after the plugin's name is the picture file to save.
    QObject *create(const QString &, const QString &picturePath) override { return new SelectionWatch(picturePath); }
};

#include "selection_probe.moc"
