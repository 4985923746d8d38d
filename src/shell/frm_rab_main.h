#pragma once

#include "rabbit/model/rabbit_state.h"
#include "shell/front_page.h"

// The rabbit eye's front page.
class Frm_Rab_main final : public FrontPage
{
    Q_OBJECT

public:
    explicit Frm_Rab_main(Rab_eye::RabPractical &practical);

protected:
    void resetPractical() override;
    void setMode(ModeChoice choice) override;
    void storePassword(const QString &normalised) override;

private:
    Rab_eye::RabPractical &m_practical;
};
