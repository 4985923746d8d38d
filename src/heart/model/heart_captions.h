#pragma once

#include <QString>
#include <QtGlobal>

// The heart window's caption and its direction text `LabTitle` in each mode.
namespace Heart::Captions {

QString windowCaption(quint8 mode);
QString directionText(quint8 mode);

} // namespace Heart::Captions
