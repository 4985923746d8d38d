#pragma once

#include <QString>

// The number rules every practical shares: whole numbers are taken by floor,
// conversions round halves to even, a typed box is read as its leading number,
// and single-precision results are shown with up to 7 significant digits.
namespace Numbers {

// Largest whole number not above x (Int(-0.5) is -1).
int intFloor(double x);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long roundHalfEven(double x);

// The number at the start of a typed text: leading blanks skipped, an optional
// sign, digits with at most one point, an optional exponent. Text with no
// leading number (including an empty box) reads as 0.
double leadingNumber(const QString &text);

// Plain text of a single-precision value: up to 7 significant digits, a zero
// before the point ("0.8", "1.333333", "-2.5", "1E+07").
QString singleText(float value);

// The signed form used where a value is written into a caption: a blank in
// place of the plus sign and no zero before the point (" .8", "-.8", " 12").
QString signedText(float value);

} // namespace Numbers
