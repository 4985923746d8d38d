#pragma once

#include "heart/model/heart_drug_table.h"
#include "heart/model/heart_lever.h"
#include "heart/model/heart_readouts.h"
#include "heart/model/heart_state.h"

#include <QString>

namespace Heart {

// The heart window's state from one load to the next: the drug table, the
// lever, the drug now acting and the heart's response to it, with the
// practical it belongs to.
struct HeartRunState
{
    explicit HeartRunState(HeartPractical &practical)
        : practical(practical)
    {
    }

    HeartPractical &practical;
    HeartDrugTable drugs;
    HeartLever lever;
    HeartReadouts readouts;

    int selectedPosition = -1;                 // the drug list's selection; -1 none
    quint8 ActiveDrug = 0;                     // table entry now acting; 0 the rest entry
    qint16 restnormalflag = 1;                 // 1 while no drug acts
    qint16 interact = 0;                       // 1 if this injection came while another drug acted
    quint8 Antagonised = 0;                    // 1 if an interaction cancelled this injection
    qint16 kclbcacl = 0;                       // 1 while calcium chloride acts to end a potassium arrest
    quint8 TraceTop = HeartDrugTable::RestTop; // beat stroke, pixels from the paper's top
    quint8 TraceBottom = HeartDrugTable::RestBottom;
    quint8 DrugRate = 0;                       // beats/min under the drug; 0 until an injection sets it
    quint8 LastRate = 0;                       // beats/min set by the last injection
    QString PrevKey = QStringLiteral("None");  // key of the last drug injected
    QString PrevName = QStringLiteral("None"); // its name as the labels show it
    quint8 TickCount = 0;                      // beat ticks since the last injection or wash-out
    quint8 JitterRange = 4;                    // largest random offset of a beat stroke, pixels
    quint8 BasalRate = 0;                      // this run's own rate, 60 to 90 beats/min
    int StopDrugToggle = 0;                    // flipped by Stop Drug; nothing reads it
};

} // namespace Heart
