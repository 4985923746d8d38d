#pragma once

#include <QVector>

// Where the paper goes on the printed pages, in twips (1/1440 inch). The paper
// is printed at its screen size, 15 twips to a pixel, in strips 14000 twips
// wide and as tall as the paper; two strips to a landscape page. The first
// 3500 twips of the paper are never printed: the practicals start drawing near
// the right-hand end of the initial paper.
//
// The page count allows 1110 pixels of paper per strip although a strip holds
// 14000 twips (933 pixels and a third), so the end of a long recording can lie
// beyond the last strip; strips beyond the paper's end print blank.
namespace PrintLayout {

constexpr int TwipsPerPixel = 15;
constexpr int SkippedTwips = 3500;
constexpr int StripTwips = 14000;
constexpr int PixelsCountedPerStrip = 1110;
constexpr int StripLeft = 800;
constexpr int UpperStripTop = 1410;
constexpr int LowerStripTop = 7610;

struct Strip
{
    int sourceLeft; // twips from the paper's left edge
    int left;       // the strip's top-left corner on the page
    int top;
};

using Page = QVector<Strip>;

int pageCount(int paperWidthPixels);
// One strip on one page for a paper up to 1110 pixels wide; otherwise two
// strips on each page.
QVector<Page> pages(int paperWidthPixels);

} // namespace PrintLayout
