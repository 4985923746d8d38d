#include "app/display_scale.h"

#include "core/design_scale.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>

#include <vector>

namespace DisplayScale {

namespace {

const char *const ScaleVariable = "QT_SCALE_FACTOR";
const char *const ScreenScalesVariable = "QT_SCREEN_SCALE_FACTORS";

// The primary screen's available area in logical pixels, read through a
// short-lived application object of its own.
QSizeF availableArea(int argc, char **argv)
{
    int count = argc;
    std::vector<char *> copy(argv, argv + argc);
    copy.push_back(nullptr);
    const QGuiApplication reader(count, copy.data());
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? QSizeF(screen->availableGeometry().size()) : QSizeF(DesignScale::DesignSize);
}

void setFactor(double factor)
{
    qputenv(ScaleVariable, QByteArray::number(factor, 'g', 6));
}

} // namespace

void chooseBeforeStart(int argc, char **argv, std::optional<double> userScale)
{
    if (userScale) {
        qunsetenv(ScreenScalesVariable);
        setFactor(*userScale);
        return;
    }
    // An empty variable is no choice: Qt ignores it too.
    if (!qEnvironmentVariableIsEmpty(ScaleVariable) || !qEnvironmentVariableIsEmpty(ScreenScalesVariable))
        return;
    const double factor = DesignScale::fittedFactor(availableArea(argc, argv));
    if (factor != 1.0)
        setFactor(factor);
}

} // namespace DisplayScale
