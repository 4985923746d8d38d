#pragma once

#include "heart/model/heart_state.h"

#include <QString>
#include <QtGlobal>

// The heart window's caption and its direction text `LabTitle` in each mode.
namespace Heart::Captions {

QString windowCaption(Mode mode);
QString directionText(Mode mode);

} // namespace Heart::Captions
