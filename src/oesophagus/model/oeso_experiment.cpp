#include "oesophagus/model/oeso_experiment.h"

#include "core/database/drug_file_layout.h"
#include "core/database/drug_rules.h"
#include "core/random_source.h"

namespace Mod_Oeso {

namespace {

const QString TutorialCaption
    = QStringLiteral("Effect of Drugs on the Ciliary Motility of Frog Oesophagus  - Tutorial Mode ");
const QString ExaminationCaption
    = QStringLiteral("Effect of Drugs on the Ciliary Motility of Frog Oesophagus  - Examination Mode ");
const QString StartClock = QStringLiteral("&Start Clock");
const QString StopClock = QStringLiteral("&Stop Clock");
const QString PickASeed = QStringLiteral("Pick a seed");

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

} // namespace

QStringList OesoExperiment::drugNames() const
{
    QStringList names;
    for (const OesoDrug &drug : m_OesoDrugs)
        names << drug.Drug;
    return names;
}

QString OesoExperiment::refusal(const QVector<OesoDrug> &rows)
{
    return drugFileRefusal(oesoDrugLayout().fileName, oesoStepProblems(rows));
}

bool OesoExperiment::initialise(const QVector<OesoDrug> &drugs)
{
    Chance::reseedFromClock();
    m_FrogBias = drawFrogBias();
    m_CurrentDrug = QStringLiteral("None");
    m_LastDrug = QStringLiteral("None");
    ++m_FrogNo;
    m_seed = drawStartTopFirst();
    m_view.Shape_Seed = false;
    m_view.drughistory.clear();
    m_view.frogno = QStringLiteral("Frog no. : %1").arg(m_FrogNo);

    m_stopwatch.reset();
    m_view.Cmd_Instill = true;
    m_view.Lab_DrugGiven.clear();

    const bool readsDrugs = needsDrugs();
    if (readsDrugs) {
        m_practical.Oeso_Started = 1;
        m_OesoDrugs = drugs;
    }
    m_selected = 0;
    m_view.Lab_Texttube = m_OesoDrugs.at(0).Drug;

    bool canRun = true;
    if (examination()) {
        m_view.caption = ExaminationCaption;
        canRun = Examination::start(m_exam, m_practical.Oeso_Results, m_OesoDrugs);
        m_view.Frame_Drug_Select = true;
        m_view.Frame_Drug = false;
        m_view.Cmd_New = false;
        m_view.Cmd_Table = false;
        m_view.Lab_drug = false;
    } else {
        m_view.caption = TutorialCaption;
        m_view.Frame_Drug = true;
        m_view.Frame_Drug_Select = false;
        m_view.Cmd_New = true;
        m_view.Cmd_Next = true;
        m_view.Lab_drug = true;
    }
    m_view.Timer_Clock = false;
    m_view.Timer_Oeso = false;
    m_view.Cmd_StartClock = StartClock;

    Instill();
    m_baselineSpeed = m_Speed;
    m_baselineInterval = m_interval;
    // A start refused leaves nothing behind in the practical.
    if (!canRun && readsDrugs)
        m_practical.Oeso_Started = 0;
    return canRun;
}

void OesoExperiment::selectDrug(int row)
{
    if (row < 0 || row >= m_OesoDrugs.size())
        return;
    m_selected = row;
    m_view.Lab_Texttube = m_OesoDrugs.at(row).Drug;
}

void OesoExperiment::Instill()
{
    if (travelling())
        return;
    m_view.Image_filler = true;
    m_LastDrug = withoutTrailingBlanks(m_CurrentDrug);
    m_CurrentDrug = withoutTrailingBlanks(m_OesoDrugs.at(m_selected).Drug);
    m_interval = instillationInterval(m_OesoDrugs, m_selected, {m_LastDrug, m_CurrentDrug});
    m_Speed = TutorialBaseStep + m_FrogBias;
    m_view.Lab_DrugGiven = m_view.Lab_Texttube;
    m_view.lastdrugname_lbl = m_LastDrug;
    m_view.drughistory << m_CurrentDrug;
    m_view.lbl_stephelp = PickASeed;
}

void OesoExperiment::pickSeed()
{
    if (!travelling())
        m_view.lbl_stephelp = QStringLiteral("Drag && Place it on the oesophagus");
}

void OesoExperiment::dropOnOesophagus()
{
    // A seed already on its way keeps its place, its reading and the series
    // buttons' states: a second drop does nothing.
    if (travelling())
        return;
    m_view.lbl_stephelp = QStringLiteral("Start the clock at the starting point");
    m_view.Shape_Seed = true;
    if (examination()) {
        m_MonitorSeconds = 0;
        m_view.Timer_Monitor_Clock = true;
        m_SavedRingerEnabled = m_view.Cmd_Ringer;
        m_SavedUnknownEnabled = m_view.Cmd_Exam_Unknow;
        m_view.Cmd_Ringer = false;
        m_view.Cmd_Exam_Unknow = false;
        m_view.Cmd_DrgIdentified = false;
    }
    m_view.Timer_Oeso = true;
    m_view.Timer_Oeso_Interval = m_interval;
    m_view.Cmd_Instill = false;
}

void OesoExperiment::dropElsewhere()
{
    if (!travelling())
        m_view.lbl_stephelp = PickASeed;
}

void OesoExperiment::seedTick()
{
    if (!travelling() || advanceSeed(m_seed, m_Speed))
        return;
    m_view.Shape_Seed = false;
    m_seed = drawStartLeftFirst();
    m_view.Cmd_Instill = true;
    m_view.Timer_Oeso = false;
    m_view.lbl_stephelp = QStringLiteral("Choose a drug && instill");
    if (examination()) {
        m_view.Timer_Monitor_Clock = false;
        Examination::recordReading(m_exam, m_practical.Oeso_Results, m_MonitorSeconds);
        m_view.Cmd_Ringer = m_SavedRingerEnabled;
        m_view.Cmd_Exam_Unknow = m_SavedUnknownEnabled;
        m_view.Cmd_DrgIdentified = true;
    }
}

void OesoExperiment::startStopClock()
{
    if (m_view.Timer_Clock) {
        if (travelling())
            m_view.lbl_stephelp = QStringLiteral("Note the time");
        m_view.Timer_Clock = false;
        m_view.Cmd_StartClock = StartClock;
        return;
    }
    m_view.Timer_Clock = true;
    m_stopwatch.reset();
    m_view.Cmd_StartClock = StopClock;
    if (travelling())
        m_view.lbl_stephelp = QStringLiteral("Stop the clock at the end point");
}

void OesoExperiment::resetClock()
{
    m_stopwatch.reset();
    if (m_view.Cmd_StartClock == StartClock && travelling())
        m_view.lbl_stephelp = QStringLiteral("wait");
}

void OesoExperiment::clockTick()
{
    if (m_view.Timer_Clock)
        m_stopwatch.tick();
}

void OesoExperiment::Ringer()
{
    const SeriesTiming timing = Examination::ringerSeries(m_exam, m_OesoDrugs);
    m_Speed = timing.Speed;
    m_interval = timing.interval;
    m_view.Cmd_Ringer = false;
}

void OesoExperiment::UnknownDrug()
{
    const SeriesTiming timing = Examination::unknownSeries(m_exam, m_OesoDrugs);
    m_Speed = timing.Speed;
    m_interval = timing.interval;
    m_view.Cmd_Ringer = false;
    m_view.Cmd_Exam_Unknow = false;
}

bool OesoExperiment::Identified(const QString &answer)
{
    if (Examination::identify(m_exam, m_practical.Oeso_Results, m_OesoDrugs, answer))
        return true;
    // The next unknown starts as the first did: a seed dropped before a
    // series is chosen times the Ringer record with the frog's baseline.
    m_Speed = m_baselineSpeed;
    m_interval = m_baselineInterval;
    m_view.Cmd_Ringer = true;
    m_view.Cmd_Exam_Unknow = true;
    return false;
}

} // namespace Mod_Oeso
