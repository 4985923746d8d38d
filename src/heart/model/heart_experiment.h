#pragma once

#include "heart/model/heart_drawing.h"
#include "heart/model/heart_drug_set.h"
#include "heart/model/heart_run_state.h"

#include <QVector>

namespace Heart {

// The heart window's model: what each of its events does to the heart, and
// what it then draws and switches. The window owns the timers and the
// recorder, replays the drawings and copies readouts() to its controls after
// every call, and keeps `lever1` at state().lever's timerOn() and interval().
class HeartExperiment
{
public:
    explicit HeartExperiment(HeartPractical &practical)
        : m_run(practical)
    {
    }

    // The window's load procedure, also run by New and by Yes at the
    // paper-full question.
    struct Load
    {
        QString caption;
        QString LabTitle;
        // True when the stage's drugs were read and the drug set prepared:
        // the window sets its recorder up (RecorderSetUp), switches the
        // indicator boxes to pixels and reads their widths, and fills the
        // drug list (state().drugs.Combo_Drug, selection
        // state().selectedPosition) and, in Examinations 1 and 2, the
        // identification list (state().drugs.Lst_Drugs). False: the recording
        // starts again (RecorderReset, both indicator boxes cleared,
        // Timer_Heart started).
        bool newStage = false;
        DrugSet::HeartDrugSetView drugSet; // with newStage only
        EnableChanges enables;
    };

    // Heart_Started is 0: the window reads the stage's drugs and passes the
    // rows in (readHeartExam3Drugs in Examination 3, readHeartDrugs
    // otherwise); the model opens no file. Otherwise the rows are not used.
    bool needsDrugs() const;
    bool readsExam3Drugs() const;
    Load load(const QVector<HeartDrug> &stageDrugs = {});

    // The drug list's click: the dose (and in Examinations 2 and 3 its unit)
    // of the drug at list position p.
    void selectDrug(int p);

    // Cmd_inject: see Response::Inject.
    HeartDrawing Inject();
    // Timer_Heart: see Beat::tick.
    HeartDrawing beatTick();

    // Cmd_New: the drug washed out, the load run again (the window replays
    // `drawing`, then applies `load`), and in Examination 3 a new heart.
    struct NewRun
    {
        HeartDrawing drawing;
        Load load;
    };
    NewRun New();
    // Yes at the paper-full question: a new recording in the same stage that
    // starts as a fresh load does. A drug still acting washes out first, so
    // every control it locked is free again and no arrest line stays on the
    // lever; the load then wipes the paper, marks and all.
    NewRun ClearFullPaper();

    // lever1's tick, and each frame of the swing it starts (played every
    // state().lever.framePauseMs() while state().lever.swinging()).
    LeverDrawings leverTick() { return m_run.lever.leverTick(); }
    LeverDrawings swingFrame() { return m_run.lever.swingFrame(); }
    // Before the window hides or the lever line is drawn again from outside.
    LeverDrawings finishSwing() { return m_run.lever.finishSwing(); }

    // Cmd_RmvDrug: flips StopDrugToggle; the drug's action goes on.
    void StopDrug();

    const HeartRunState &state() const { return m_run; }
    HeartRunState &state() { return m_run; }
    const HeartReadouts &readouts() const { return m_run.readouts; }

private:
    void ResetRecording();

    HeartRunState m_run;
};

} // namespace Heart
