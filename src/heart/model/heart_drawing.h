#pragma once

#include "core/recorder/paper_commands.h"
#include "heart/model/heart_controls.h"

#include <QVector>

#include <optional>
#include <variant>

// What one event of the heart draws or switches: the paper commands the
// recorder replays, the lever and heart pictures of the apparatus, the
// indicator boxes and the controls it enables or disables.
namespace Heart {

// The heart pictures on the apparatus, `Img_hrtsys` and `Img_hrtdia`: one of
// the two is shown at a time. Img_hrtdia shows while the lever rises and
// during a calcium arrest, Img_hrtsys while it falls and in a potassium arrest.
enum class HeartPicture { Systole, Diastole };

// The lever line on the apparatus picture from (LeverLine::StartX, y) to the
// pivot (PivotX, PivotY), twips, in the not-xor pen mode: drawing it where it
// already stands removes it.
struct LeverLine
{
    static constexpr int StartX = 50;
    static constexpr int PivotX = 1000;
    static constexpr int PivotY = 4200;
    int y;
    bool operator==(const LeverLine &) const = default;
};

// Shows this heart picture and hides the other.
struct ShowHeart
{
    HeartPicture picture;
    bool operator==(const ShowHeart &) const = default;
};

using LeverDrawing = std::variant<LeverLine, ShowHeart>;
using LeverDrawings = QVector<LeverDrawing>;

// Clear both indicator boxes and draw one level line in each.
struct IndicatorLevels
{
    int heartRate;
    int tone;
    bool operator==(const IndicatorLevels &) const = default;
};

// Everything one event of the heart draws or switches.
struct HeartDrawing
{
    Paper::Commands paper;
    LeverDrawings lever;
    std::optional<IndicatorLevels> indicators;
    EnableChanges enables;

    void append(const HeartDrawing &later);
};

} // namespace Heart
