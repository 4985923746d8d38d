#include "ileum/model/ileum_state.h"

namespace ileum {

quint8 Ileum_Mode = 0;
float Ileum_ActualConc = 0.0f;
float Ileum_StudentConc = 0.0f;
QString Ileum_Password = QString();
quint8 Ileum_RecorderReady = 0;

void resetPractical()
{
    Ileum_Mode = 0;
    Ileum_ActualConc = 0.0f;
    Ileum_StudentConc = 0.0f;
    Ileum_Password = QString();
    Ileum_RecorderReady = 0;
}

} // namespace ileum
