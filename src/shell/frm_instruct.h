#pragma once

#include "widgets/form_window.h"

class HelpDialog;

// The instructions chooser: opens an experiment's instructions; Return (or
// closing it) brings the selection window back.
class Frm_instruct final : public FormWindow
{
    Q_OBJECT

public:
    Frm_instruct();
    void load() override;
    void unloaded() override;

    HelpDialog *helpDialog() const { return CmnD_instruct; }

private:
    void openInstructions(const QString &helpFile);

    HelpDialog *CmnD_instruct;
};
