#pragma once

#include "widgets/form_window.h"

#include <QList>
#include <QStringList>

class HelpDialog;
class ImageControl;
class LogoPanel;
class PasswordGateway;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

// What tells one experiment's front page from another's.
struct FrontPageSetup
{
    enum class LoadStep { InitHelp, ScreenCheck, DestroyWindows, RemoveCloseAndCentre, ResetState };

    QString windowName;
    QString caption;
    QString productLabel;
    QString version;
    QString subtitle;
    QString banner;
    QString decorPicture;
    QString decorToolTip;
    QString logoPanelName;
    bool panelDismissedByDoubleClick = false;
    QString tutorialButton, examButton, exitButton, instructButton;
    QString passwordFrame, passwordEntry, okButton, cancelButton;
    QString passwordFrameCaption;
    QChar mask;
    // Examination empties what was typed before (all but the heart page).
    bool clearEntryOnExamination = true;
    QString shortPasswordMessage;
    QString helpFile;
    QString helpDialogName;
    QString experimentWindow;
    QStringList windowsDestroyed;
    QList<LoadStep> loadOrder;
    bool quitHelpOnUnload = false;

    // The button and gateway names the ileum, oesophagus and rabbit pages share.
    void useSharedControlNames();
};

// An experiment's front page: the logo panel for ten seconds, then the choice
// of Tutorial, Examination (through the password gateway), Instruction and
// Exit. Each experiment's page supplies its texts and its practical state.
class FrontPage : public FormWindow
{
    Q_OBJECT

public:
    static constexpr int LogoPanelMs = 10000;

    explicit FrontPage(const FrontPageSetup &setup);
    void load() override;
    void unloaded() override;

    QTimer *timer() const { return Timer1; }

protected:
    virtual void resetPractical() = 0;
    // The choice the page's buttons make, in the page's own terms; each
    // practical stores it as its own mode.
    enum class ModeChoice { None, Tutorial, Examination };
    virtual void setMode(ModeChoice choice) = 0;
    // The practical's own value for a choice: its None and Tutorial, and the
    // mode its examination starts in.
    template <class Mode> static Mode modeFor(ModeChoice choice, Mode examination)
    {
        switch (choice) {
        case ModeChoice::Tutorial: return Mode::Tutorial;
        case ModeChoice::Examination: return examination;
        case ModeChoice::None: break;
        }
        return Mode::None;
    }
    virtual void storePassword(const QString &normalised) = 0;

    // The gateway's steps; the heart page words some of them its own way.
    // Opening hides the mode frame; a refused password leaves the gateway
    // open with the focus in its entry; Cancel shows the mode frame again.
    virtual void openGateway();
    virtual void passwordRefused() { }
    virtual void gatewayCancelled();
    // Called as Tutorial or Examination is chosen.
    virtual void modeChosen() { }

private:
    void Timer1_Timer();

    void buildLogoPanel();
    void buildChoices();
    void buildGateway();
    void hideLogoPanel();
    void tutorialClicked();
    void examinationClicked();
    void passwordAccepted();
    void instructionClicked();
    void exitClicked();
    // False, with a word to the student, while the experiment is not part of
    // the program yet.
    bool experimentAvailable();
    void enterExperiment();

    FrontPageSetup m_setup;
    LogoPanel *m_logoPanel = nullptr;
    QGroupBox *m_modeFrame = nullptr;
    PasswordGateway *m_gateway = nullptr;
    HelpDialog *m_help = nullptr;
    QTimer *Timer1 = nullptr;
};
