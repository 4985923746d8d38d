#include "core/recorder/print_layout.h"

namespace PrintLayout {

namespace {

int ceilDiv(int numerator, int denominator)
{
    return (numerator + denominator - 1) / denominator;
}

} // namespace

int pageCount(int paperWidthPixels)
{
    return ceilDiv(ceilDiv(paperWidthPixels, PixelsCountedPerStrip), 2);
}

QVector<Page> pages(int paperWidthPixels)
{
    if (paperWidthPixels <= PixelsCountedPerStrip)
        return {Page{Strip{SkippedTwips, StripLeft, UpperStripTop}}};
    QVector<Page> result;
    for (int p = 0; p < pageCount(paperWidthPixels); ++p) {
        const int offset = SkippedTwips + 2 * StripTwips * p;
        result.append(
            Page{Strip{offset, StripLeft, UpperStripTop}, Strip{offset + StripTwips, StripLeft, LowerStripTop}});
    }
    return result;
}

} // namespace PrintLayout
