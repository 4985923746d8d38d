#pragma once

#include "shell/front_page.h"

// The guinea-pig ileum's front page.
class Frm_il_main final : public FrontPage
{
    Q_OBJECT

public:
    Frm_il_main();

protected:
    void resetPractical() override;
    quint8 &mode() override;
    void storePassword(const QString &normalised) override;
};
