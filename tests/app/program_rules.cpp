#include "app/program_rules.h"

#include "app/student_sight.h"
#include "core/recorder/paper_bookkeeping.h"
#include "shell/practicals.h"
#include "widgets/form_window.h"
#include "widgets/help_engine.h"
#include "widgets/help_viewer.h"
#include "widgets/program_end.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/tool_carrier.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace ProgramRules {

namespace {

// Every help file a window of the program opens.
const char *const HelpFiles[] = {"vivosim", "heart.hlp", "ileum.hlp", "oesopha.hlp", "rabbit.hlp"};

bool knownHelpWindow(const QWidget *window)
{
    for (const QWidget *open : helpWindows()) {
        if (open == window)
            return true;
    }
    return false;
}

QList<FormWindow *> loadedWindows()
{
    QList<FormWindow *> windows;
    const QStringList loaded = WindowRegistry::loadedNames();
    for (const QString &name : loaded) {
        if (FormWindow *window = WindowRegistry::find(name))
            windows << window;
    }
    return windows;
}

} // namespace

QString windows()
{
    if (ProgramEnd::hasEnded())
        return QStringLiteral("the program has ended");
    if (QWidget *modal = QApplication::activeModalWidget())
        return QStringLiteral("a modal window %1 (%2) is open")
            .arg(modal->objectName(), modal->metaObject()->className());
    bool oneShown = false;
    const QStringList loaded = WindowRegistry::loadedNames();
    for (const QString &name : loaded) {
        const FormWindow *window = WindowRegistry::find(name);
        if (!window || window->objectName() != name)
            return QStringLiteral("the registry lists %1 as loaded without its window").arg(name);
        oneShown = oneShown || window->isVisible();
    }
    if (!oneShown)
        return QStringLiteral("no window of the program is shown (loaded: %1)")
            .arg(WindowRegistry::loadedNames().join(QStringLiteral(", ")));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QHash<QString, int> instances;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && !top->isMinimized() && !screen.contains(top->frameGeometry()))
            return QStringLiteral("the window %1 (%2) lies at %3,%4 %5 x %6, beyond the screen")
                .arg(top->objectName(), top->windowTitle())
                .arg(top->frameGeometry().x())
                .arg(top->frameGeometry().y())
                .arg(top->frameGeometry().width())
                .arg(top->frameGeometry().height());
        if (auto *window = qobject_cast<FormWindow *>(top)) {
            const int count = ++instances[window->objectName()];
            if (count > 1)
                return QStringLiteral("%1 instances of the window %2 exist").arg(count).arg(window->objectName());
            if (WindowRegistry::find(window->objectName()) != window)
                return QStringLiteral("a window %1 that the registry does not know is %2")
                    .arg(window->objectName(),
                         window->isVisible() ? QStringLiteral("shown") : QStringLiteral("still alive"));
            continue;
        }
        if (!top->isVisible())
            continue;
        if (auto *help = qobject_cast<HelpViewer *>(top)) {
            if (!knownHelpWindow(top))
                return QStringLiteral("a help window \"%1\" the help engine does not know is shown")
                    .arg(top->windowTitle());
            // Every help page is in the run folder: one not found is a wrong name.
            if (!help->pageFound())
                return QStringLiteral("the help window \"%1\" found no page").arg(top->windowTitle());
            continue;
        }
        const Qt::WindowType type = top->windowType();
        const QWidget *owner = top->parentWidget() ? top->parentWidget()->window() : nullptr;
        if ((type == Qt::Popup || type == Qt::ToolTip) && owner && owner->isVisible())
            continue;
        return QStringLiteral("an unexpected window %1 (%2, \"%3\") is shown")
            .arg(top->objectName(), top->metaObject()->className(), top->windowTitle());
    }
    return QString();
}

QString recorders()
{
    for (FormWindow *window : loadedWindows()) {
        for (const ChartRecorder *recorder : window->findChildren<ChartRecorder *>()) {
            const PaperBookkeeping &book = recorder->bookkeeping();
            const QString name = window->objectName();
            const int width = book.paperWidth();
            if (width < book.PaperStartWidth() || width > PaperBookkeeping::MaxPaperWidth)
                return QStringLiteral("the paper of %1 is %2 pixels wide, outside %3 to %4")
                    .arg(name)
                    .arg(width)
                    .arg(book.PaperStartWidth())
                    .arg(PaperBookkeeping::MaxPaperWidth);
            const PaperWidget *paper = recorder->paper();
            if (paper->width() != width || paper->x() != book.paperLeft() || paper->image().width() != width)
                return QStringLiteral("the paper of %1 shows %2 pixels wide at %3 (its drawing %4 wide), its "
                                      "bookkeeping says %5 wide at %6")
                    .arg(name)
                    .arg(paper->width())
                    .arg(paper->x())
                    .arg(paper->image().width())
                    .arg(width)
                    .arg(book.paperLeft());
            if (book.paperLeft() > 0)
                return QStringLiteral("the paper of %1 starts %2 pixels inside the viewport")
                    .arg(name)
                    .arg(book.paperLeft());
            const QScrollBar *bar = recorder->scrollBar();
            if (book.scrollMin() < 0 || bar->maximum() != 0 || bar->minimum() != -book.scrollMin()
                || bar->value() != -book.scrollValue() || bar->value() < bar->minimum() || bar->value() > 0)
                return QStringLiteral("the scroll bar of %1 shows %2..%3 at %4, its bookkeeping %5..0 at %6")
                    .arg(name)
                    .arg(bar->minimum())
                    .arg(bar->maximum())
                    .arg(bar->value())
                    .arg(-book.scrollMin())
                    .arg(-book.scrollValue());
            const QPushButton *stop = recorder->stopButton();
            const QPushButton *resume = recorder->continueButton();
            if (!stop || !resume)
                continue;
            if (stop->isEnabled() == resume->isEnabled())
                return QStringLiteral("the recorder of %1 has Stop and Continue both %2")
                    .arg(name, stop->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
            const auto *beat = window->findChild<QTimer *>(QStringLiteral("Timer_Heart"));
            if (resume->isEnabled() && beat && beat->isActive())
                return QStringLiteral("the recorder of %1 is stopped while its heart beats on").arg(name);
        }
    }
    return QString();
}

QString modes(const Practicals &practicals)
{
    struct Practical
    {
        const char *name;
        int mode;
        int highest;
        QStringList windows;
    };
    const Practical all[] = {
        {"Heart_Mode",
         int(practicals.heart.Heart_Mode),
         int(Heart::Mode::Exam3),
         {WindowNames::Heart, WindowNames::HeartTable, WindowNames::HeartQuestion}},
        {"Ileum_Mode",
         int(practicals.ileum.Ileum_Mode),
         int(ileum::Mode::Examination),
         {WindowNames::Ileum, WindowNames::IleumExam, WindowNames::IleumQuestion}},
        {"Oeso_Mode",
         int(practicals.oesophagus.Oeso_Mode),
         int(Mod_Oeso::Mode::Examination),
         {WindowNames::Oesophagus, WindowNames::OesoTable, WindowNames::OesoQuestion}},
        {"Rab_Mode",
         int(practicals.rabbit.Rab_Mode),
         int(Rab_eye::Mode::Examination2),
         {WindowNames::Rabbit, WindowNames::RabbitTable}},
    };
    for (const Practical &p : all) {
        if (p.mode < 0 || p.mode > p.highest)
            return QStringLiteral("%1 is %2, not one of its values").arg(QLatin1String(p.name)).arg(p.mode);
        if (p.mode != 0)
            continue;
        for (const QString &name : p.windows) {
            if (WindowRegistry::find(name))
                return QStringLiteral("%1 is loaded while %2 is 0").arg(name, QLatin1String(p.name));
        }
    }
    return QString();
}

QString textBoxes()
{
    for (FormWindow *window : loadedWindows()) {
        for (const QLineEdit *box : window->findChildren<QLineEdit *>()) {
            if (box->text().size() > box->maxLength())
                return QStringLiteral("%1 holds %2 characters, more than its limit %3")
                    .arg(StudentSight::described(box))
                    .arg(box->text().size())
                    .arg(box->maxLength());
        }
    }
    return QString();
}

QString pointer()
{
    bool carried = false;
    for (FormWindow *window : loadedWindows()) {
        for (const ToolCarrier *carrier : window->findChildren<ToolCarrier *>()) {
            if (!carrier->carrying())
                continue;
            if (!window->isVisible())
                return QStringLiteral("a tool is still carried in the hidden window %1").arg(window->objectName());
            carried = true;
        }
    }
    if (!carried && QApplication::overrideCursor())
        return QStringLiteral("the pointer stays hidden (shape %1) with no tool carried")
            .arg(int(QApplication::overrideCursor()->shape()));
    return QString();
}

QList<QWidget *> helpWindows()
{
    QList<QWidget *> open;
    for (const char *file : HelpFiles) {
        QWidget *viewer = HelpEngine::viewer(QString::fromLatin1(file));
        if (viewer && !open.contains(viewer))
            open << viewer;
    }
    return open;
}

QString all(const Practicals &practicals)
{
    for (const QString &broken : {windows(), recorders(), modes(practicals), textBoxes(), pointer()}) {
        if (!broken.isEmpty())
            return broken;
    }
    return QString();
}

} // namespace ProgramRules
