#include "ileum_state.h"

#include "passwords.h"

namespace ileum {

quint8 Ileum_Mode = 0;
QString Ileum_Password = QString();

void resetPractical()
{
    Ileum_Mode = 0;
    Ileum_Password = QString();
}

} // namespace ileum
