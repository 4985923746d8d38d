#include "heart_state.h"

#include "passwords.h"

namespace Heart {

quint8 Heart_Mode = 0;
QString Heart_Password = Passwords::fixedField(QString());
quint8 Heart_Started = 0;

void resetPractical()
{
    Heart_Mode = 0;
    Heart_Password = Passwords::fixedField(QString());
    Heart_Started = 0;
}

} // namespace Heart
