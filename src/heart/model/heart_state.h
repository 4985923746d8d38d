#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

#include <array>

// The heart practical's state that outlives its windows; its front page resets
// it every time it opens.
namespace Heart {

// The most drugs a stage reads from the drug file.
constexpr int MaxDrugs = 10;

// Values of Heart_Mode.
constexpr quint8 TutorialMode = 1;
constexpr quint8 Exam1Mode = 2;
constexpr quint8 Exam2Mode = 3;
constexpr quint8 Exam3Mode = 4;

// One unknown of Examination 1.
struct HeartExam1Result
{
    QString Identified;   // the name the student picked; empty until answered
    QString Given;        // the drug given as this unknown
    QString Tone;         // that drug's tone code, trimmed
    quint8 Rate = 0;      // beats/min at its last injection; 0 if never injected
};

// One injection of Examination 2.
struct HeartExam2Entry
{
    QString DrugText;     // the drug list's text: a drug's name or "Unknown drug"
    QString Tone;         // the injected entry's tone code, trimmed
    quint8 Rate = 0;      // beats/min reached
};

// One heart of Examination 3: the rate reached at the last injection of each
// drug on it, 0 while that drug has not been given.
struct HeartExam3Row
{
    quint8 EpiRate = 0;
    quint8 AChRate = 0;
    quint8 UnknownRate = 0;
};

// 0 none, 1 Tutorial, 2 Examination 1, 3 Examination 2, 4 Examination 3.
extern quint8 Heart_Mode;
// The supervisor's password in a fixed field of ten characters, blank-padded.
extern QString Heart_Password;
// 1 once the heart window has read its drugs for the current stage; 0 makes
// its next load read them again and prepare a new drug set.
extern quint8 Heart_Started;

// Rows read from the drug file in Tutorial and Examinations 1 and 2.
extern quint8 Heart_DrugCount;
// How often each drug (1 to 10; entry 0 unused) was an Examination 1 unknown.
extern std::array<quint8, MaxDrugs + 1> Heart_UnknownUsed;
// Examination 1 unknowns presented so far.
extern quint8 Heart_UnknownNo;
// One record per Examination 1 unknown, by Heart_UnknownNo (entry 0 unused).
extern std::array<HeartExam1Result, MaxDrugs + 1> Heart_Exam1Results;

extern QString Heart_Exam2Drug;     // the drug behind Examination 2's unknown
extern QString Heart_Exam2Answer;   // the student's answer
extern quint8 Heart_Exam2Count;     // injections logged in Examination 2
// Entries 1 to Heart_Exam2Count; entry 0 unused.
extern QVector<HeartExam2Entry> Heart_Exam2Log;

// The heart (row) now recorded in Examination 3; New starts the next one.
extern quint8 Heart_HeartNo;
// Rows 1 to Heart_HeartNo; entry 0 unused.
extern QVector<HeartExam3Row> Heart_Exam3Rates;
extern QString Heart_Exam3Drug;     // the drug behind Examination 3's unknown
// "Epinephrine", "Acetylcholine" or "Not Identified".
extern QString Heart_Exam3Answer;

// The front page's start of a practical: every value above back to its start.
void resetPractical();

} // namespace Heart
