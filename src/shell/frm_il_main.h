#pragma once

#include "ileum/model/ileum_state.h"
#include "shell/front_page.h"

// The guinea-pig ileum's front page.
class Frm_il_main final : public FrontPage
{
    Q_OBJECT

public:
    explicit Frm_il_main(ileum::IleumPractical &practical);

protected:
    void resetPractical() override;
    void setMode(ModeChoice choice) override;
    void storePassword(const QString &normalised) override;

private:
    ileum::IleumPractical &m_practical;
};
