#include "render/InfoBoxLayout.h"

#include <algorithm>

namespace {

constexpr int kLeastSampleLength = 27;

} // namespace

int InfoBoxSampleLength(int longest) { return std::max(kLeastSampleLength, longest); }

void MeasureInfoBox(CInfoBoxLayout& box, int sampleWidth, int sampleHeight, int lineCount, int longest,
                    int viewHeight, CClientPoint point)
{
    box.lineCount = lineCount;
    box.longest = longest;
    int width = sampleWidth + 10;
    int height = sampleHeight * lineCount + 8;
    box.widthChanged = width != box.previousWidth;
    box.previousWidth = width;
    if (height > viewHeight) {
        height = (box.sizeEstimate - 1) * lineCount + 12;
        width = 7 * longest + 10;
    }
    if (box.widthChanged) EraseInfoBox(box, viewHeight);
    box.lastPoint = point;
    box.width = width;
    box.height = height;
}

void EraseInfoBox(CInfoBoxLayout& box, int viewHeight)
{
    if (box.width == 0 && box.height == 0) return;
    box.sizeEstimate = box.height > viewHeight ? 12 : 14;
    box.width = box.height = 0;
}
