#pragma once

#include "oesophagus/model/oesophagus_state.h"
#include "shell/front_page.h"

// The frog oesophagus's front page.
class Frm_Oeso_main final : public FrontPage
{
    Q_OBJECT

public:
    explicit Frm_Oeso_main(Mod_Oeso::OesoPractical &practical);

protected:
    void resetPractical() override;
    void setMode(ModeChoice choice) override;
    void storePassword(const QString &normalised) override;

private:
    Mod_Oeso::OesoPractical &m_practical;
};
