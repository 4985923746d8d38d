#include "rabbit/model/rabbit_state.h"

#include "core/passwords.h"

namespace Rab_eye {

quint8 Rab_Mode = 0;
QString Rab_Password = Passwords::fixedField(QString());

void resetPractical()
{
    Rab_Mode = 0;
    Rab_Password = Passwords::fixedField(QString());
}

} // namespace Rab_eye
