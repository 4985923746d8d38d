#pragma once

#include "core/recorder/paper_commands.h"

#include <QString>

#include <optional>

// The shape one injection leaves on the paper. Each injection advances the
// paper PaperStep pixels and then draws in the columns W - 70 to W - 30, W
// being the paper's width after that advance: the contraction (or hump) to the
// left, its label under the baseline, and 20 pixels of baseline to the right.
// The last 30 columns stay empty until the next injection.
namespace ileum::ContractionTrace {

constexpr qint16 PaperStep = 40;

// The labels' font: the paper's own.
Paper::Font labelFont();

// The baseline stretch, then a contraction rising to the y peak (it tops out
// 10 pixels above it) or, with no peak, a hump 4 pixels high, then the label
// with its top-left corner 10 pixels under the baseline b.
Paper::Commands injectionTrace(int paperWidth, qint16 baseline, std::optional<qint16> peak, const QString &label);

} // namespace ileum::ContractionTrace
