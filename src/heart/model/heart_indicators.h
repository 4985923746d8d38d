#pragma once

#include <QChar>
#include <QLine>

// The heart-rate and tone indicator boxes, 73 x 33 pixels each: one green
// level line across the box, higher for an increase.
namespace Heart::Indicators {

constexpr int Increase = 8;
constexpr int NoChange = 14; // also at rest
constexpr int Decrease = 18;
constexpr int TopEdge = 0; // the rate kept from the previous drug

// By the rate code: 'I' increase, 'D' decrease, 'O' arrest (no change), 'P'
// the previous drug's rate (the top edge), anything else no change.
int heartRateLevel(QChar rateCode);
// By the tone code: 'I' increased, 'D' decreased, anything else no change.
int toneLevel(QChar toneCode);

// The level lines in box pixels. The widths are the boxes' widths in twips
// (1095 each), taken as pixels, so both lines run past the box's right edge.
QLine heartRateLine(int level, int HRGraphWidth);
QLine toneLine(int level, int ToneGraphWidth);

} // namespace Heart::Indicators
