#include "widgets/screen_check.h"

#include "widgets/design_area.h"
#include "widgets/message_boxes.h"
#include "widgets/program_end.h"

namespace ScreenCheck {

bool confirmScreen(QWidget *parent)
{
    if (DesignArea::fitsScreen())
        return true;
    MessageBoxes::Request warning;
    warning.text
        = QStringLiteral("You are probably using a low/high resolution screen. This program works properly with "
                         "800x600 screen resolution only. You can change it using the Display option in the Control "
                         "Panel [Start->Setting->Control Panel->Display->Display Mode->Desktop area] or by clicking "
                         "the Display icon (if available) on the task bar. Do you want to continue ?");
    warning.title = QStringLiteral("WARNING - screen resolution NOT supported");
    warning.buttons = MessageBoxes::Buttons::YesNo;
    warning.icon = MessageBoxes::Icon::Critical;
    warning.defaultAnswer = MessageBoxes::Answer::No;
    if (MessageBoxes::show(parent, warning) == MessageBoxes::Answer::No) {
        ProgramEnd::endProgram();
        return false;
    }
    return true;
}

} // namespace ScreenCheck
