#include "oesophagus/model/oesophagus_state.h"

#include "core/passwords.h"

namespace Mod_Oeso {

quint8 Oeso_Mode = 0;
QString Oeso_Password = QString();

void resetPractical()
{
    Oeso_Mode = 0;
    Oeso_Password = QString();
}

} // namespace Mod_Oeso
