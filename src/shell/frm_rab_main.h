#pragma once

#include "shell/front_page.h"

// The rabbit eye's front page.
class Frm_Rab_main final : public FrontPage
{
    Q_OBJECT

public:
    Frm_Rab_main();

protected:
    void resetPractical() override;
    quint8 &mode() override;
    void storePassword(const QString &normalised) override;
};
