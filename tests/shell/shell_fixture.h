#pragma once

#include "shell/practicals.h"
#include "support/seams/fake_clock.h"
#include "support/seams/run_folder.h"
#include "support/seams/scripted_random.h"
#include "support/windows/message_box_script.h"
#include "support/windows/test_windows.h"
#include "support/windows/window_probe.h"
#include "widgets/form_window.h"

#include <QPushButton>
#include <QTest>

// A stand-in for an experiment window, so the front pages have somewhere to go.
class StubExperimentWindow final : public FormWindow
{
    Q_OBJECT

public:
    explicit StubExperimentWindow(const QString &name)
        : FormWindow(name)
    {
        setClientSize(200, 100);
    }
};

// An experiment window whose practical cannot start (its drug file is
// broken): its load unloads it again.
class RefusingExperimentWindow final : public FormWindow
{
    Q_OBJECT

public:
    explicit RefusingExperimentWindow(const QString &name)
        : FormWindow(name)
    {
    }
    void load() override;
};

namespace ShellFixture {

// Defines the shell's windows on fresh practicals, points file look-ups at
// the run folder, and ends the program when the last window is unloaded.
void setUp();
// The practicals the windows work on, owned by the fixture as the program
// owns them.
Practicals &practicals();
// Shows an experiment's front page and clicks past its logo panel, as a
// student must before choosing a mode.
FormWindow *showFrontPage(const QString &name);
// On the front page of the ileum, the oesophagus or the rabbit (they share
// their buttons' names): Tutorial, or Examination with the supervisor's
// password typed in the gateway.
void chooseTutorial(const QString &frontPage);
void chooseExamination(const QString &frontPage, const QString &password);
// Defines a stand-in window under each name.
void defineStubs(const QStringList &names);

} // namespace ShellFixture
