#pragma once

#include "heart/model/heart_controls.h"
#include "heart/model/heart_run_state.h"

namespace Heart::DrugSet {

// What the drug set changes on the window besides the run state's texts, the
// drug list (`drugs.Combo_Drug`, selection `selectedPosition`) and the
// identification list (`drugs.Lst_Drugs`).
struct HeartDrugSetView
{
    // Examination 1: the "Drug :" label and the drug list are hidden, so the
    // student cannot see which drug is given; the drug-level bar is shown.
    bool hideDrugChoice = false;
    EnableChanges enables;
};

// Right after LoadHeartDrugs: the drug list's selection, the dose, the
// drug-level bar and the labels for Heart_Mode, with the unknown of the
// examinations. Examination 1 draws its unknown among the drugs not yet given
// (at least one must be left), redrawing after a reseed from the clock;
// Examination 2 hides a copy of any drug, Examination 3 a copy of drug 1 or 2.
HeartDrugSetView PrepareDrugSet(HeartRunState &run);

} // namespace Heart::DrugSet
