#pragma once

#include "core/passwords.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

#include <array>

namespace Heart {

// The most drugs a stage reads from the drug file.
constexpr int MaxDrugs = 10;

// What the practical is doing, as Heart_Mode holds it.
enum class Mode : quint8 {
    None = 0,
    Tutorial = 1,
    Exam1 = 2,
    Exam2 = 3,
    Exam3 = 4,
};

// One unknown of Examination 1.
struct HeartExam1Result
{
    QString Identified; // the name the student picked; empty until answered
    QString Given;      // the drug given as this unknown
    QString Tone;       // that drug's tone code, trimmed
    quint8 Rate = 0;    // beats/min at its last injection; 0 if never injected
};

// One injection of Examination 2.
struct HeartExam2Entry
{
    QString DrugText; // the drug list's text: a drug's name or "Unknown drug"
    QString Tone;     // the injected entry's tone code, trimmed
    quint8 Rate = 0;  // beats/min reached
};

// One heart of Examination 3: the rate reached at the last injection of each
// drug on it, 0 while that drug has not been given.
struct HeartExam3Row
{
    quint8 EpiRate = 0;
    quint8 AChRate = 0;
    quint8 UnknownRate = 0;
};

// The practical's state that outlives the heart's windows: one instance,
// owned by the program and handed to each window and model that needs it.
// The front page starts every practical afresh by assigning a new one.
struct HeartPractical
{
    Mode Heart_Mode = Mode::None;
    // The supervisor's password in a fixed field of ten characters, blank-padded.
    QString Heart_Password = Passwords::fixedField(QString());
    // 1 once the heart window has read its drugs for the current stage; 0 makes
    // its next load read them again and prepare a new drug set.
    quint8 Heart_Started = 0;

    // Rows read from the drug file in Tutorial and Examinations 1 and 2.
    quint8 Heart_DrugCount = 0;
    // How often each drug (1 to 10; entry 0 unused) was an Examination 1 unknown.
    std::array<quint8, MaxDrugs + 1> Heart_UnknownUsed{};
    // Examination 1 unknowns presented so far.
    quint8 Heart_UnknownNo = 0;
    // One record per Examination 1 unknown, by Heart_UnknownNo (entry 0 unused).
    std::array<HeartExam1Result, MaxDrugs + 1> Heart_Exam1Results{};

    QString Heart_Exam2Drug;     // the drug behind Examination 2's unknown
    QString Heart_Exam2Answer;   // the student's answer
    quint8 Heart_Exam2Count = 0; // injections logged in Examination 2
    // Entries 1 to Heart_Exam2Count; entry 0 unused.
    QVector<HeartExam2Entry> Heart_Exam2Log = QVector<HeartExam2Entry>(1);

    // The heart (row) now recorded in Examination 3; New starts the next one.
    quint8 Heart_HeartNo = 0;
    // Rows 1 to Heart_HeartNo; entry 0 unused.
    QVector<HeartExam3Row> Heart_Exam3Rates = QVector<HeartExam3Row>(1);
    QString Heart_Exam3Drug; // the drug behind Examination 3's unknown
    // "Epinephrine", "Acetylcholine" or "Not Identified".
    QString Heart_Exam3Answer;
};

} // namespace Heart
