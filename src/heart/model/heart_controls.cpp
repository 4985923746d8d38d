#include "heart/model/heart_controls.h"

#include "heart/model/heart_state.h"

namespace Heart {

QString objectName(HeartControl control)
{
    switch (control) {
    case HeartControl::cmd_help: return QStringLiteral("cmd_help");
    case HeartControl::Cmd_New: return QStringLiteral("Cmd_New");
    case HeartControl::Cmd_Next: return QStringLiteral("Cmd_Next");
    case HeartControl::CmdTable: return QStringLiteral("CmdTable");
    case HeartControl::Cmd_Print: return QStringLiteral("Cmd_Print");
    case HeartControl::Cmd_inject: return QStringLiteral("Cmd_inject");
    case HeartControl::Cmd_RmvDrug: return QStringLiteral("Cmd_RmvDrug");
    case HeartControl::Combo_Drug: return QStringLiteral("Combo_Drug");
    case HeartControl::Cmd_return: return QStringLiteral("Cmd_return");
    }
    return QString();
}

QVector<HeartControl> lockedWhileDrugActs(Mode mode)
{
    QVector<HeartControl> controls;
    if (mode == Mode::Tutorial)
        controls = {HeartControl::cmd_help, HeartControl::Cmd_New, HeartControl::Cmd_Next, HeartControl::CmdTable};
    controls.append(HeartControl::Cmd_Print);
    if (mode == Mode::Exam3)
        controls.append(HeartControl::Cmd_New);
    return controls;
}

} // namespace Heart
