#pragma once

#include "heart/model/heart_state.h"

#include <QString>
#include <QVector>

// The heart window's controls whose enabled state the practical's rules
// decide. The names are the controls' object names.
namespace Heart {

enum class HeartControl {
    cmd_help,
    Cmd_New,
    Cmd_Next,
    CmdTable,
    Cmd_Print,
    Cmd_inject,
    Cmd_RmvDrug,
    Combo_Drug,
    Cmd_return,
};

QString objectName(HeartControl control);

struct EnableChange
{
    HeartControl control;
    bool enabled;

    bool operator==(const EnableChange &) const = default;
};

// Changes are applied in order; a later change of the same control wins.
using EnableChanges = QVector<EnableChange>;

// The controls an injection disables in this mode and the wash-out enables
// again: in Tutorial the instructions, New, Next and Table; in every mode
// Print; in Examination 3 New.
QVector<HeartControl> lockedWhileDrugActs(Mode mode);

} // namespace Heart
