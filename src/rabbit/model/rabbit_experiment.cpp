#include "rabbit/model/rabbit_experiment.h"

#include "core/random_source.h"
#include "rabbit/model/unknown_draws.h"

namespace Rab_eye {

namespace {

const QString TutorialTask = QStringLiteral(
    "Instill drugs one by one and observe their effects on the rabbit eye. Tabu- late the data and draw conclusions.");
const QString Exam1Task
    = QStringLiteral("Examination 1 : You are given a set of unknown drugs. Test them on the rabbit eye and identify.");
const QString Exam2Task = QStringLiteral("Examination 2 : You are given an unknown drug. Design an experiment to find "
                                         "out whether the drug is an miotic or mydriatic.");
const QString TutorialCaption = QStringLiteral(" Effects of Drugs on the Rabbit Eye - Tutorial Mode ");
const QString ExamCaption = QStringLiteral(" Effects of Drugs on the Rabbit Eye- Examination Mode ");
const QString MeasureStep = QStringLiteral("Measure pupil & Test reflexes");
const QString NewRabbitStep = QStringLiteral("Choose a New rabbit");
const QString UnknownDrug = QStringLiteral("Unknown Drug ");

constexpr int DropperMs = 2600;
constexpr int HalfStepMs = 500;
constexpr int FullStepMs = 550;
constexpr int FirstEyeTimerMs = 400;
constexpr int EyeTimerMs = 100;

constexpr std::array<Eye, 2> BothEyes{Eye::Left, Eye::Right};

bool hasExam2Unknown(const QVector<RabDrug> &rows)
{
    // The last row is saline, never an unknown.
    for (int i = 0; i + 1 < rows.size(); ++i) {
        if (!UnknownDraws::drugClass(rows.at(i)).isEmpty())
            return true;
    }
    return false;
}

} // namespace

RabbitExperiment::RabbitExperiment(RabPractical &practical)
    : m_practical(practical)
{
}

QString RabbitExperiment::startUp(const QVector<RabDrug> &rows)
{
    if (needsDrugs()) {
        QString refusal = EyeDrugTable::refusal(rows);
        if (refusal.isEmpty() && m_practical.Rab_Mode != Mode::Tutorial && !hasExam2Unknown(rows))
            refusal = QStringLiteral("The drug database has no drug that is plainly a miotic or a mydriatic for "
                                     "Examination 2.");
        if (!refusal.isEmpty())
            return refusal;
        LoadEyeDrugs(rows);
        m_RabbitNo = 1;
        m_practical.Rab_Started = 1;
    }
    m_Lbl_step = MeasureStep;
    newRabbitEyes();
    return QString();
}

void RabbitExperiment::LoadEyeDrugs(const QVector<RabDrug> &rows)
{
    m_drugs.fill(rows, m_practical.Rab_Mode);
    m_CurDrug = 1;
    m_listPosition = 0;
    m_Lab_DName = m_drugs.drug(1).D_Name;
    if (m_practical.Rab_Mode == Mode::Tutorial)
        return;
    const int entries = m_drugs.DrugCount() + 2;
    m_UnknownUsed = QVector<quint8>(entries, 0);
    if (m_practical.Rab_Results.size() < entries)
        m_practical.Rab_Results.resize(entries);
    m_UnknownNo = 1;
    m_CurDrug = UnknownDraws::nextUnused(m_UnknownUsed, m_drugs.DrugCount());
    freshUnknown();
}

void RabbitExperiment::freshUnknown()
{
    m_Lab_DName = unknownLabel();
    m_LightSeen = u'N';
    m_SalinePending = false;
    m_SalineInstilled = false;
    m_UnknownInstilled = false;
}

QString RabbitExperiment::unknownLabel() const
{
    // Examination 2 has one unknown of its own.
    const int number = m_practical.Rab_Mode == Mode::Examination2 ? 1 : m_UnknownNo;
    return UnknownDrug + QString::number(number);
}

void RabbitExperiment::newRabbitEyes()
{
    for (Eye e : BothEyes) {
        EyeState &s = eyeOf(e);
        s.Busy = 0;
        s.DrugIdx = 0;
        s.PupilChange = 0;
        s.torchConstricts = false;
        s.ruler = EyeRules::rulerStart(e);
    }
    Chance::reseedFromClock();
    for (Eye e : BothEyes)
        eyeOf(e).tension = EyeRules::newTensionBar(e);
    Chance::reseedFromClock();
    for (Eye e : BothEyes) {
        EyeState &s = eyeOf(e);
        s.base = EyeRules::baseBox(e);
        s.pupil = s.base;
    }
}

void RabbitExperiment::newRabbit()
{
    ++m_RabbitNo;
    for (EyeState &s : m_eyes) {
        // A drug still on its way into the old rabbit's eye stops with it.
        s.instillMs = 0;
        s.dropper = false;
        s.picture = EyePicture::Blank;
        s.reopenDue = true;
        s.drugActing = QStringLiteral("None");
    }
    m_eyeTimerMs = EyeTimerMs;
    m_Lbl_step = MeasureStep;
    newRabbitEyes();
}

bool RabbitExperiment::bothBusy() const
{
    return eye(Eye::Left).Busy && eye(Eye::Right).Busy;
}

void RabbitExperiment::Cmd_Instill()
{
    m_eyeChoiceOpen = true;
    const bool left = eye(Eye::Left).Busy, right = eye(Eye::Right).Busy;
    if (left && right)
        m_Lbl_step = NewRabbitStep;
    else if (right)
        m_Lbl_step = QStringLiteral("Choose left eye to instill");
    else if (left)
        m_Lbl_step = QStringLiteral("Choose right eye to instill");
    else
        m_Lbl_step = QStringLiteral("Choose an eye to instill");
}

void RabbitExperiment::Cmd_Saline()
{
    m_SalinePending = true;
    m_eyeChoiceOpen = true;
}

void RabbitExperiment::Cmd_Can()
{
    m_eyeChoiceOpen = false;
}

void RabbitExperiment::pointerOnInstill()
{
    m_Lbl_step = bothBusy() ? NewRabbitStep : QStringLiteral("Choose a drug to instill");
}

void RabbitExperiment::drugListChanged(int position, const QString &text)
{
    m_listPosition = position;
    m_Lab_DName = text;
}

QString RabbitExperiment::chooseEye(Eye e)
{
    m_eyeChoiceOpen = false;
    const EyeState &s = eye(e);
    if (m_practical.Rab_Mode == Mode::Tutorial) {
        if (s.Busy)
            return bothBusy() ? QStringLiteral("Already drugs are acting on both eyes. Choose a New rabbit")
                              : QStringLiteral("Already a drug is acting. Choose the other eye");
        m_CurDrug = m_listPosition + 1;
        startInstill(e, m_CurDrug, m_drugs.drug(m_CurDrug).D_Name);
        m_Lbl_step = MeasureStep;
        return QString();
    }
    if (m_SalinePending) {
        // Saline stays pending until it really goes into a free eye.
        if (s.Busy)
            return QStringLiteral("Already a drug is acting. Choose a New rabbit");
        m_SalinePending = false;
        m_SalineInstilled = true;
        startInstill(e, m_drugs.salineIndex(), m_drugs.drug(m_drugs.salineIndex()).D_Name);
        return QString();
    }
    if (s.Busy)
        return e == Eye::Left ? QStringLiteral("Already a drug is acting. So choose a New rabbit")
                              : QStringLiteral("Already a drug is acting. Choose a New rabbit");
    m_UnknownInstilled = true;
    startInstill(e, m_CurDrug, unknownLabel());
    return QString();
}

void RabbitExperiment::startInstill(Eye e, int drugIndex, const QString &label)
{
    EyeState &s = eyeOf(e);
    s.Busy = 1;
    s.DrugIdx = static_cast<qint16>(drugIndex);
    s.PupilChange = EyeRules::drawPupilChange(m_drugs.drug(drugIndex));
    s.dropper = true;
    s.instillMs = DropperMs;
    s.drugActing = label;
}

void RabbitExperiment::instillTick(Eye e)
{
    EyeState &s = eyeOf(e);
    switch (s.instillMs) {
    case DropperMs:
        s.dropper = false;
        s.instillMs = HalfStepMs;
        break;
    case HalfStepMs:
        s.pupil = EyeRules::halfStep(s.base, s.PupilChange);
        s.instillMs = FullStepMs;
        break;
    case FullStepMs:
        s.pupil = EyeRules::fullStep(s.base, s.PupilChange);
        s.tension = EyeRules::tensionAfter(e, m_drugs.drug(s.DrugIdx).I_Tension, s.tension);
        s.instillMs = 0;
        break;
    default: break;
    }
}

void RabbitExperiment::eyeTimerTick(Eye e)
{
    EyeState &s = eyeOf(e);
    s.picture = EyePicture::Open;
    s.reopenDue = false;
}

bool RabbitExperiment::New()
{
    if (!view().newEnabled)
        return false;
    newRabbit();
    return true;
}

RabbitExperiment::Leave RabbitExperiment::Next(const QString &answer)
{
    switch (m_practical.Rab_Mode) {
    case Mode::Examination: startExam2(); return Leave::Stay;
    case Mode::Examination2: recordExam2(answer); return Leave::ToResults;
    default: return Leave::ToResults;
    }
}

RabResult RabbitExperiment::effectsSeen() const
{
    const RabDrug &d = m_drugs.drug(m_CurDrug);
    RabResult e;
    e.DrugName = d.D_Name;
    e.SalineInstilled = m_SalineInstilled ? u'Y' : u'N';
    if (m_UnknownInstilled) {
        e.CornealReflex = d.C_Reflex;
        e.Tension = d.I_Tension;
        e.LightReflex = d.L_Reflex == u'B' ? m_LightSeen : d.L_Reflex;
    }
    return e;
}

RabbitExperiment::Leave RabbitExperiment::Identified(const QString &answer)
{
    if (m_practical.Rab_Mode == Mode::Examination2)
        return Next(answer);
    if (m_practical.Rab_Mode != Mode::Examination)
        return Leave::Stay;
    RabResult e = effectsSeen();
    e.Identified = answer;
    m_practical.Rab_Results[m_UnknownNo] = e;
    m_LightSeen = u'N';
    const int next = UnknownDraws::nextUnused(m_UnknownUsed, m_drugs.DrugCount());
    if (next == 0)
        return Next(answer);
    m_CurDrug = next;
    ++m_UnknownNo;
    freshUnknown();
    return Leave::Stay;
}

void RabbitExperiment::startExam2()
{
    m_practical.Rab_Mode = Mode::Examination2;
    const UnknownDraws::Exam2Unknown unknown = UnknownDraws::drawExam2(m_drugs);
    m_CurDrug = unknown.index;
    m_Exam2Class = unknown.drugClass;
    freshUnknown();
    newRabbit();
}

void RabbitExperiment::recordExam2(const QString &answer)
{
    RabExam2Result &r = m_practical.Rab_Exam2Result;
    r.recorded = true;
    r.DrugClass = m_Exam2Class;
    r.result = effectsSeen();
    r.result.Identified = answer;
}

void RabbitExperiment::Table()
{
    m_practical.Rab_TableState = 1;
}

void RabbitExperiment::pickUp(Tool tool)
{
    m_Tool = tool;
    m_overRightView = false;
}

void RabbitExperiment::eyeEntered(Eye e)
{
    EyeState &s = eyeOf(e);
    if (e == Eye::Right)
        m_overRightView = true;
    const RabDrug &d = m_drugs.drug(s.DrugIdx);
    if (m_Tool == Tool::Cotton) {
        if (EyeRules::cornealReflex(d)) {
            s.picture = EyePicture::Blink;
            s.reopenDue = true;
        }
    } else if (m_Tool == Tool::Torch && EyeRules::lightReflex(d, e, s.pupil.width)) {
        m_LightSeen = u'Y';
        s.torchConstricts = true;
    }
}

void RabbitExperiment::eyeLeft(Eye e)
{
    if (m_Tool == Tool::Torch)
        eyeOf(e).torchConstricts = false;
}

void RabbitExperiment::rightViewEntered()
{
    m_overRightView = true;
}

void RabbitExperiment::rightViewLeft()
{
    m_overRightView = false;
}

void RabbitExperiment::carryEnded()
{
    m_overRightView = false;
    for (EyeState &s : m_eyes)
        s.torchConstricts = false;
}

QString RabbitExperiment::carriedPicture() const
{
    const QString tool = m_Tool == Tool::Cotton ? QStringLiteral("cotton") : QStringLiteral("torche");
    return tool + (m_overRightView ? QStringLiteral("1.ico") : QStringLiteral(".ico"));
}

void RabbitExperiment::dragRuler(Eye e, int pointerX)
{
    eyeOf(e).ruler = EyeRules::rulerLeft(e, pointerX);
}

PupilBox RabbitExperiment::shownPupil(Eye e) const
{
    const EyeState &s = eye(e);
    return s.torchConstricts ? EyeRules::constricted(s.pupil) : s.pupil;
}

RabbitView RabbitExperiment::view() const
{
    RabbitView v;
    const Mode mode = m_practical.Rab_Mode;
    v.examination = mode == Mode::Examination || mode == Mode::Examination2;
    v.caption = v.examination ? ExamCaption : TutorialCaption;
    v.LAb_Title = mode == Mode::Examination ? Exam1Task : mode == Mode::Examination2 ? Exam2Task : TutorialTask;
    v.Lbl_step = m_Lbl_step;
    v.Lab_DName = m_Lab_DName;
    v.Lab_Rab_No = QStringLiteral("Rabbit ") + QString::number(m_RabbitNo);
    v.eyeChoiceOpen = m_eyeChoiceOpen;
    v.newEnabled = eye(Eye::Left).instillMs == 0 && eye(Eye::Right).instillMs == 0;
    v.tableEnabled = mode == Mode::Tutorial;
    // Examination 2 ends only at the supervisor's gateway.
    v.returnEnabled = mode != Mode::Examination2;
    v.drugList = m_drugs.rowNames();
    if (mode == Mode::Examination2)
        v.answerList = {UnknownDraws::Miotic, UnknownDraws::Mydriatic};
    else if (mode == Mode::Examination)
        v.answerList = m_drugs.unknownNames();
    return v;
}

} // namespace Rab_eye
