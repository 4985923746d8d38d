#pragma once

#include "rabbit/model/eye_drug_table.h"
#include "rabbit/model/eye_rules.h"
#include "rabbit/model/rabbit_state.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace Rab_eye {

// Which picture an eye's close-up and side views show.
enum class EyePicture { Open, Blink, Blank };

// The tool picked up last (Tool).
enum class Tool : quint8 { None = 0, Torch = 1, Cotton = 2 };

// One eye of the rabbit on the table.
struct EyeState
{
    quint8 Busy = 0;    // 1 once a drug or saline was instilled into this rabbit's eye
    qint16 DrugIdx = 0; // the drug the eye is judged by; 0 none
    qint16 PupilChange = 0;
    PupilBox base;   // BaseH, BaseW, BaseLeft, BaseTop: the new rabbit's pupil
    PupilBox pupil;  // the pupil as the drug has it now
    int tension = 0; // the tension bar's length, twips
    // The instillation's stage, as its timer's interval: 2600 ms the dropper
    // is on the eye, 500 ms to the half step, 550 ms to the full step; 0 none.
    int instillMs = 0;
    bool dropper = false;
    bool torchConstricts = false; // the torch is on the eye and the reflex shows
    EyePicture picture = EyePicture::Open;
    bool reopenDue = false; // the eye timer reopens the eye at its next tick
    QString drugActing = QStringLiteral("None");
    int ruler = 0; // the ruler's left edge in the close-up view, twips
};

// What the rabbit window shows, as plain data it applies to its controls.
struct RabbitView
{
    QString caption;
    QString LAb_Title;
    QString Lbl_step;
    QString Lab_DName;
    QString Lab_Rab_No;
    bool examination = false; // the answer frame, the saline button and its label
    bool eyeChoiceOpen = false;
    bool newEnabled = true;
    bool tableEnabled = true;
    bool returnEnabled = true;
    QStringList drugList;
    QStringList answerList;
};

// The rabbit window's practical: the drug table, the rabbit and its two
// eyes, the instillations, the tools' reactions and the examinations'
// unknowns. Every operation changes the state; the window then shows view()
// and each eye, runs the timers at the intervals the eyes ask for, and shows
// any message an operation returns.
class RabbitExperiment
{
public:
    enum class Leave { Stay, ToResults };

    explicit RabbitExperiment(RabPractical &practical);

    // The drug file is read once per practical, at the window's first start-up.
    bool needsDrugs() const { return m_practical.Rab_Started == 0; }
    // Start-up when the front page shows the window: the drugs (read when
    // needsDrugs()), rabbit 1 and its eyes. A refusal says why the rows
    // cannot run the practical; nothing else has changed then.
    QString startUp(const QVector<RabDrug> &rows);

    // The drug frame and the eye choice.
    void Cmd_Instill();
    void Cmd_Saline();
    void Cmd_Can();
    void pointerOnInstill();
    void drugListChanged(int position, const QString &text);
    // Left Eye / Right Eye: the refusal's message, or empty once instilled.
    QString chooseEye(Eye eye);
    void instillTick(Eye eye);
    void eyeTimerTick(Eye eye);

    // New from its button or the rabbit picture: false while New is disabled.
    bool New();
    Leave Next(const QString &answer);
    Leave Identified(const QString &answer);
    void Table();

    // The tools.
    void pickUp(Tool tool);
    void eyeEntered(Eye eye);
    void eyeLeft(Eye eye);
    void rightViewEntered();
    void rightViewLeft();
    void carryEnded();
    QString carriedPicture() const;
    void dragRuler(Eye eye, int pointerX);

    RabbitView view() const;
    const EyeState &eye(Eye e) const { return m_eyes[int(e)]; }
    // The pupil as drawn: the torch's constriction taken off the drug's pupil.
    PupilBox shownPupil(Eye e) const;
    bool pupilVisible(Eye e) const { return eye(e).picture == EyePicture::Open; }
    // The eye timers' interval: 400 ms until the first New, 100 ms after.
    int eyeTimerMs() const { return m_eyeTimerMs; }

    const EyeDrugTable &drugs() const { return m_drugs; }
    int RabbitNo() const { return m_RabbitNo; }
    int CurDrug() const { return m_CurDrug; }
    int UnknownNo() const { return m_UnknownNo; }
    Tool tool() const { return m_Tool; }
    QChar LightSeen() const { return m_LightSeen; }
    bool salinePending() const { return m_SalinePending; }
    bool salineInstilled() const { return m_SalineInstilled; }
    bool unknownInstilled() const { return m_UnknownInstilled; }

private:
    EyeState &eyeOf(Eye e) { return m_eyes[int(e)]; }
    void LoadEyeDrugs(const QVector<RabDrug> &rows);
    void newRabbitEyes();
    void newRabbit();
    void startInstill(Eye e, int drugIndex, const QString &label);
    bool bothBusy() const;
    QString unknownLabel() const;
    RabResult effectsSeen() const;
    void freshUnknown();
    void startExam2();
    void recordExam2(const QString &answer);

    RabPractical &m_practical;
    EyeDrugTable m_drugs;
    std::array<EyeState, 2> m_eyes;
    int m_RabbitNo = 1;
    int m_eyeTimerMs = 400;
    Tool m_Tool = Tool::None;
    bool m_overRightView = false;
    int m_CurDrug = 1;
    int m_listPosition = 0;
    int m_UnknownNo = 0;
    QVector<quint8> m_UnknownUsed;
    // Saline pressed: the next eye choice instils saline. Instilled: saline
    // really went into an eye while this unknown was current.
    bool m_SalinePending = false;
    bool m_SalineInstilled = false;
    bool m_UnknownInstilled = false;
    QChar m_LightSeen = u'N';
    QString m_Exam2Class;
    QString m_Lab_DName = QStringLiteral("Drugs");
    QString m_Lbl_step;
    bool m_eyeChoiceOpen = false;
};

} // namespace Rab_eye
