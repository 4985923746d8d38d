#pragma once

#include "core/database/oeso_drugs.h"
#include "oesophagus/model/oeso_examination.h"
#include "oesophagus/model/oeso_stopwatch.h"
#include "oesophagus/model/oeso_transport.h"
#include "oesophagus/model/oesophagus_state.h"

#include <QStringList>
#include <QVector>

namespace Mod_Oeso {

// What the experiment window shows, as the model leaves it after each event;
// the window copies all of it to its controls and timers.
struct OesoView
{
    QString caption;
    QString lbl_stephelp = QStringLiteral("Pick a seed ");
    QString frogno;
    QString lastdrugname_lbl;
    QString Lab_DrugGiven;
    QString Lab_Texttube;
    QStringList drughistory;
    QString Cmd_StartClock = QStringLiteral("&Start clock");

    bool Cmd_Instill = true;
    bool Cmd_Ringer = true;
    bool Cmd_Exam_Unknow = true;
    bool Cmd_DrgIdentified = true;
    bool Cmd_New = true;
    bool Cmd_Table = true;
    bool Cmd_Next = true;

    bool Frame_Drug = false;        // Tutorial drug panel
    bool Frame_Drug_Select = false; // Examination panel
    bool Lab_drug = true;           // "Current Drug :" and the name after it
    bool Shape_Seed = false;
    bool Image_filler = false;

    bool Timer_Oeso = false;
    int Timer_Oeso_Interval = 0; // ms
    bool Timer_Clock = false;
    bool Timer_Monitor_Clock = true;
};

// The oesophagus window's model: what each of its events does to the seed,
// the stop-watch, the drugs and the examination, and what the window then
// shows. The window reads the drug file when needsDrugs() and owns the timers.
class OesoExperiment
{
public:
    explicit OesoExperiment(OesoPractical &practical)
        : m_practical(practical)
    {
    }

    bool needsDrugs() const { return m_practical.Oeso_Started == 0; }
    // Why rows read from the drug file cannot run the practical (a seed step
    // below 1 twip per tick); empty when they can.
    static QString refusal(const QVector<OesoDrug> &rows);

    // The window's initialisation, on creation and by Cmd_New. `drugs` is
    // used when needsDrugs(). False in Examination when the table has no
    // candidate unknown: the examination cannot run, and the practical is
    // left as if it had never started (the next start reads the file again).
    bool initialise(const QVector<OesoDrug> &drugs = {});

    // Combo_Drug: the drug at `row` becomes the one the test tube names.
    void selectDrug(int row);
    void Instill();
    void fillerTick() { m_view.Image_filler = false; }

    void pickSeed();
    void dropOnOesophagus();
    void dropElsewhere();
    void seedTick();
    void monitorTick() { ++m_MonitorSeconds; }

    void startStopClock();
    void resetClock();
    void clockTick();

    void Ringer();
    void UnknownDrug();
    // True when the examination has ended with this answer.
    bool Identified(const QString &answer);

    const OesoView &view() const { return m_view; }
    const OesoStopwatch &stopwatch() const { return m_stopwatch; }
    const QVector<OesoDrug> &drugs() const { return m_OesoDrugs; }
    QStringList drugNames() const;
    QStringList candidateNames() const { return Examination::candidates(m_OesoDrugs); }
    int selectedRow() const { return m_selected; }
    bool travelling() const { return m_view.Timer_Oeso; }
    bool examination() const { return m_practical.Oeso_Mode == Mode::Examination; }

    const SeedPosition &seed() const { return m_seed; }
    int FrogNo() const { return m_FrogNo; }
    int FrogBias() const { return m_FrogBias; }
    int Speed() const { return m_Speed; }
    int interval() const { return m_interval; }
    qint32 MonitorSeconds() const { return m_MonitorSeconds; }
    const QString &CurrentDrug() const { return m_CurrentDrug; }
    const QString &LastDrug() const { return m_LastDrug; }
    const OesoExamination &exam() const { return m_exam; }

private:
    OesoPractical &m_practical;
    OesoView m_view;
    OesoStopwatch m_stopwatch;
    QVector<OesoDrug> m_OesoDrugs;
    int m_selected = 0;
    int m_FrogNo = 0;
    int m_FrogBias = 0;
    int m_Speed = 0;
    int m_interval = 0;
    // What the baseline instillation gave this frog; every pair of the
    // examination starts from it.
    int m_baselineSpeed = 0;
    int m_baselineInterval = 0;
    SeedPosition m_seed;
    QString m_CurrentDrug;
    QString m_LastDrug;
    qint32 m_MonitorSeconds = 0;
    bool m_SavedRingerEnabled = true;
    bool m_SavedUnknownEnabled = true;
    OesoExamination m_exam;
};

} // namespace Mod_Oeso
