#pragma once

#include "core/recorder/paper_commands.h"
#include "ileum/model/ileum_state.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

#include <optional>

// The ileum experiment window's own variables and rules, without widgets:
// the hidden parameters of the strip, the phase of the practical, and the
// injection routine, which answers with what to draw on the recorder.
namespace ileum {

enum class StandardKind { Standard, HalfStandard, DoubleStandard };

// What a load does with the window's recorder.
enum class RecorderStart { SetUp, Reset };

struct StandardAcceptance
{
    // False: show Messages::InvalidStandardDose and put the focus back in the
    // box; nothing else changes.
    bool accepted = false;
    // The captions beside the Standard, Half Standard and Double Standard
    // buttons: "0.4 mcg", " .2 mcg", " .8 mcg".
    QString Lab_stan;
    QString Lab_half;
    QString Lab_doub;
};

enum class InjectionCheck {
    InvalidDose, // show Messages::InvalidInjectionDose, focus in the dose box, stop
    PaperFull,   // ask the recorder's paper-full question; Yes reloads the window; stop
    Ready,       // advance the paper, then recordInjection
};

struct InjectionStart
{
    // The dose box's text written back in its plain form, in every case.
    QString doseText;
    InjectionCheck check = InjectionCheck::InvalidDose;
    // Ready: the pixels to advance the paper by before recordInjection.
    qint16 advance = 0;
};

struct HandIn
{
    // Also stored in the practical's Ileum_ActualConc: S / m µg/ml, or -1 without a standard.
    float actualConc = -1.0f;
    // The standard-dose box afterwards: "-1" when there was no standard.
    QString standardText;
};

class Bioassay
{
public:
    explicit Bioassay(IleumPractical &practical)
        : m_practical(practical)
    {
    }

    // Window load (also New, and Yes to the paper-full question), in two
    // halves around the recorder's set-up or reset, which reseeds chance too:
    // first back to the dose-response phase with chance reseeded from the
    // clock. The practical's first load fixes the baseline 40 pixels above the
    // paper's foot and asks for the recorder to be set up; every later load
    // asks for it to be reset.
    RecorderStart startLoad(qint16 paperHeight);
    // Then, with the recorder ready, new ZeroLevel and then Sensitivity.
    void drawTissueParameters();

    // `Cmd_MatchAssay`: the matching assay runs for the rest of this load.
    void startMatchingAssay();

    // `Cmd_stddose` with the text of `Txt_stddose`: an accepted dose draws a
    // new MatchVolume.
    StandardAcceptance acceptStandard(const QString &standardText);

    // `Cmd_Std`, `Cmd_HalfStd`, `Cmd_DoubleStd`, before they run the
    // injection: the label, the pending flag and the starting dose S, S / 2
    // or 2 S from the text of `Txt_stddose`.
    void prepareStandard(StandardKind kind, const QString &standardText);

    // The injection (`Cmd_inject`, the standard buttons and `Cmd_unknown`),
    // once the syringe has been shown, the ruler placed and the paper put
    // back at its live position: checks the dose box and the paper.
    InjectionStart startInjection(const QString &doseText, const QString &standardText, bool paperFull);
    // After a Ready start and the paper's advance, with the paper's new width:
    // works out the effective dose, the label and the peak, and returns what
    // to draw, in order. Without a Ready start it returns nothing.
    Paper::Commands recordInjection(int paperWidth);

    // Examination Next: the true concentration handed in for scoring.
    HandIn handIn(const QString &standardText);

    float Sensitivity() const { return m_sensitivity; }
    float MatchVolume() const { return m_matchVolume; }
    qint16 Baseline() const { return m_baseline; }
    qint16 ZeroLevel() const { return m_zeroLevel; }
    float EffectiveDose() const { return m_effectiveDose; }
    QString ContractionLabel() const { return m_contractionLabel; }
    bool StdPending() const { return m_stdPending; }
    bool MatchMode() const { return m_matchMode; }

private:
    // What startInjection read for the injection in hand.
    struct InjectionInHand
    {
        double dose;      // D, the dose box's value
        QString doseText; // its plain text
        double standard;  // S, the standard-dose box's value
        qint16 zeroLevel; // z as it stood when the injection began
    };

    float effectiveDoseInHand(const InjectionInHand &injection);

    IleumPractical &m_practical;
    float m_sensitivity = 0.0f;
    float m_matchVolume = 0.0f;
    qint16 m_baseline = 0;
    qint16 m_zeroLevel = 0;
    float m_effectiveDose = 0.0f;
    QString m_contractionLabel;
    bool m_stdPending = false;
    bool m_matchMode = false;
    std::optional<InjectionInHand> m_inHand;
};

} // namespace ileum
