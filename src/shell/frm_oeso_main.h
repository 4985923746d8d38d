#pragma once

#include "shell/front_page.h"

// The frog oesophagus's front page.
class Frm_Oeso_main final : public FrontPage
{
    Q_OBJECT

public:
    Frm_Oeso_main();

protected:
    void resetPractical() override;
    quint8 &mode() override;
    void storePassword(const QString &normalised) override;
};
