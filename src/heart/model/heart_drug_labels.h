#pragma once

#include "heart/model/heart_run_state.h"

#include <QString>

#include <optional>

// How the heart window names the drug at list position p for Heart_Mode:
// every Examination 1 drug is the unknown of that round; in Examinations 2
// and 3 the unknown is the last list position; Tutorial has none.
namespace Heart::DrugLabels {

QString micrograms();  // "µg"
QString millilitres(); // "ml"

bool isUnknown(const HeartRunState &run, int p);

// `Lab_drugname` while the drug acts: its name, "Unknown Drug " with the
// unknown's number in Examination 1, "Unknown Drug " for the other unknowns.
QString actingName(const HeartRunState &run, int p);
// `Lab_DDose` while it acts.
QString doseUnit(const HeartRunState &run, int p);
// Under the injection mark: the drug's key, "Unk" for an unknown.
QString markLabel(const HeartRunState &run, int p);
// `PrevName` once injected: "Unknown Drug No. " and the number in
// Examination 1, otherwise the acting name (at most 20 characters).
QString injectedName(const HeartRunState &run, int p);

// Choosing in the drug list: the unit changes in Examinations 2 and 3 only.
std::optional<QString> doseUnitOnChoice(const HeartRunState &run, int p);

} // namespace Heart::DrugLabels
