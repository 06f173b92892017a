#include "render/ZsegmentPopup.h"

int ZsegmentOfPopupId(int id, int segmentsInUse)
{
    const int index = id - kZsegmentPopupBase;
    return index >= 0 && index < segmentsInUse ? index : -1;
}

std::vector<CPopupItem> ZsegmentPopupEntries(int segmentsInUse, int currentZSeg)
{
    std::vector<CPopupItem> items;
    for (int i = 0; i < segmentsInUse; ++i)
        items.push_back({kZsegmentPopupBase + i, "z-segment" + std::to_string(i + 1), i + 1 == currentZSeg});
    return items;
}
