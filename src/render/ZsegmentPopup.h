#pragma once
// The z-segment entries of the views' right-click menus: "z-segment1", "z-segment2", ... for every
// z-segment in use, the current one checked.

#include <string>
#include <vector>

// One item of a right-click menu: a command id (0 for a separator), its text and its check mark.
struct CPopupItem {
    int id = 0;
    std::string text;
    bool checked = false;
};

// Popup ids of the z-segment items: kZsegmentPopupBase + i for z-segment i (from 0).
constexpr int kZsegmentPopupBase = 200;

// The index (from 0) of z-segment item id, or -1 when it is none of the segmentsInUse items.
int ZsegmentOfPopupId(int id, int segmentsInUse);

// `currentZSeg` counts from 1.
std::vector<CPopupItem> ZsegmentPopupEntries(int segmentsInUse, int currentZSeg);
