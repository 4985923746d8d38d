#pragma once

#include "heart/model/heart_state.h"
#include "shell/front_page.h"

// The frog heart's front page. Its gateway sets the Examination mode as soon
// as Examination is chosen and takes it back on Cancel.
class Frm_Heart_Main final : public FrontPage
{
    Q_OBJECT

public:
    explicit Frm_Heart_Main(Heart::HeartPractical &practical);

protected:
    void resetPractical() override;
    void setMode(ModeChoice choice) override;
    void storePassword(const QString &normalised) override;
    void openGateway() override;
    void passwordRefused() override;
    void gatewayCancelled() override;
    void modeChosen() override;

private:
    Heart::HeartPractical &m_practical;
};
