#include "ileum/model/bioassay.h"

#include "core/numbers.h"
#include "core/random_source.h"
#include "ileum/model/concentration.h"
#include "ileum/model/contraction_trace.h"
#include "ileum/model/dose_response.h"
#include "ileum/model/dose_text.h"
#include "ileum/model/effective_dose.h"
#include "ileum/model/ileum_state.h"
#include "ileum/model/tissue_parameters.h"

namespace ileum {

namespace {

// The baseline lies this far above the foot of the paper.
constexpr qint16 BaselineFromFoot = 40;

QString withMcg(const QString &dose)
{
    return dose + QLatin1String(" mcg");
}

} // namespace

RecorderStart Bioassay::startLoad(qint16 paperHeight)
{
    m_matchMode = false;
    Chance::reseedFromClock();
    if (m_practical.Ileum_RecorderReady != 0)
        return RecorderStart::Reset;
    m_practical.Ileum_RecorderReady = 1;
    m_baseline = paperHeight - BaselineFromFoot;
    return RecorderStart::SetUp;
}

void Bioassay::drawTissueParameters()
{
    m_zeroLevel = TissueParameters::drawZeroLevel(m_baseline);
    m_sensitivity = TissueParameters::drawSensitivity();
}

void Bioassay::startMatchingAssay()
{
    m_matchMode = true;
}

StandardAcceptance Bioassay::acceptStandard(const QString &standardText)
{
    StandardAcceptance acceptance;
    const double S = Numbers::leadingNumber(standardText);
    if (standardText.isEmpty() || S == 0.0)
        return acceptance;
    acceptance.accepted = true;
    acceptance.Lab_stan = withMcg(standardText);
    acceptance.Lab_half = withMcg(Numbers::signedText(static_cast<float>(S / 2.0)));
    acceptance.Lab_doub = withMcg(Numbers::signedText(static_cast<float>(2.0 * S)));
    m_matchVolume = TissueParameters::drawMatchVolume();
    return acceptance;
}

void Bioassay::prepareStandard(StandardKind kind, const QString &standardText)
{
    const double S = Numbers::leadingNumber(standardText);
    switch (kind) {
    case StandardKind::Standard:
        m_contractionLabel = QStringLiteral("Std ");
        m_effectiveDose = static_cast<float>(S);
        break;
    case StandardKind::HalfStandard:
        m_contractionLabel = QChar(0x00BD) + QStringLiteral(" Std");
        m_effectiveDose = static_cast<float>(S / 2.0);
        break;
    case StandardKind::DoubleStandard:
        m_contractionLabel = QStringLiteral("2Std");
        m_effectiveDose = static_cast<float>(2.0 * S);
        break;
    }
    m_stdPending = true;
}

InjectionStart Bioassay::startInjection(const QString &doseText, const QString &standardText, bool paperFull)
{
    m_inHand.reset();
    InjectionStart start;
    start.doseText = DoseText::normalised(doseText);
    const double D = Numbers::leadingNumber(start.doseText);
    // A standard's dose was checked when the standard was accepted.
    if (!m_stdPending && D == 0.0) {
        start.check = InjectionCheck::InvalidDose;
        return start;
    }
    if (paperFull) {
        m_stdPending = false;
        start.check = InjectionCheck::PaperFull;
        return start;
    }
    m_inHand = InjectionInHand{D, start.doseText, Numbers::leadingNumber(standardText), m_zeroLevel};
    start.check = InjectionCheck::Ready;
    start.advance = ContractionTrace::PaperStep;
    return start;
}

float Bioassay::effectiveDoseInHand(const InjectionInHand &injection)
{
    if (m_stdPending) {
        m_stdPending = false;
        return EffectiveDoses::standardDose(m_effectiveDose);
    }
    if (m_matchMode) {
        m_contractionLabel = QLatin1Char('u') + injection.doseText;
        return EffectiveDoses::unknownVolume(injection.standard, injection.dose, m_matchVolume);
    }
    m_contractionLabel = injection.doseText;
    return EffectiveDoses::knownDose(injection.dose);
}

Paper::Commands Bioassay::recordInjection(int paperWidth)
{
    if (!m_inHand)
        return {};
    const InjectionInHand injection = *m_inHand;
    m_inHand.reset();
    m_effectiveDose = m_sensitivity * effectiveDoseInHand(injection);
    std::optional<qint16> peak;
    if (!givesOnlyHump(m_matchMode, injection.dose))
        peak = ContractionPeak(m_effectiveDose, injection.dose, injection.zeroLevel, m_baseline);
    return ContractionTrace::injectionTrace(paperWidth, m_baseline, peak, m_contractionLabel);
}

HandIn Bioassay::handIn(const QString &standardText)
{
    HandIn result;
    const double S = Numbers::leadingNumber(standardText);
    if (S == 0.0 || m_matchVolume == 0.0f) {
        result.actualConc = -1.0f;
        result.standardText = QStringLiteral("-1");
    } else {
        result.actualConc = trueConcentration(S, m_matchVolume);
        result.standardText = standardText;
    }
    m_practical.Ileum_ActualConc = result.actualConc;
    return result;
}

} // namespace ileum
