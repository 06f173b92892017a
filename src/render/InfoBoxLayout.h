#pragma once
// The size of the 2-D view's hover box, worked out from measurements in the box's font: as wide as
// a line of max(27, longest line) letters "b" plus 10 pixels, as tall as that many text lines plus
// 8. A box taller than the view is estimated smaller: (size estimate - 1) pixels a line plus 12,
// 7 pixels a character plus 10. The box always stands at the view's top-left corner.

#include "render/View2dState.h"

struct CInfoBoxLayout {
    int width = 0, height = 0;      // 0 while no box is shown
    int lineCount = 0, longest = 0; // of the last measurement; the longest line in characters
    int previousWidth = 0;
    bool widthChanged = false;      // the last measurement gave another width than the one before
    int sizeEstimate = 14;          // pixels a line of a box taller than the view, plus one
    CClientPoint lastPoint;
};

// How many letters the measured sample has for a longest line of `longest` characters.
int InfoBoxSampleLength(int longest);

// Sizes the box for `lineCount` lines, `longest` characters at the most, from the sample's
// measured width and height; a box of another width than before erases the previous one first.
void MeasureInfoBox(CInfoBoxLayout& box, int sampleWidth, int sampleHeight, int lineCount, int longest,
                    int viewHeight, CClientPoint point);
// No box any more; the next estimate is 14 pixels (12 after a box taller than the view).
void EraseInfoBox(CInfoBoxLayout& box, int viewHeight);
