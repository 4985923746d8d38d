#pragma once

#include "widgets/form_window.h"

class HelpDialog;
class ImageControl;

// The experiment selection: a picture per experiment, the product help
// buttons, the instructions chooser and Quit.
class Frm_Selection final : public FormWindow
{
    Q_OBJECT

public:
    Frm_Selection();
    void load() override;
    void unloaded() override;

    HelpDialog *helpDialog() const { return CmnD_help; }

private:
    void chooseExperiment(const QString &frontPage);
    void showProductTopic(qint32 topic);
    void openInstructions();
    void quit();

    HelpDialog *CmnD_help;
};
