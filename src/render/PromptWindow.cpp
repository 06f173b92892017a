#include "render/PromptWindow.h"

#include "platform/StringUtil.h"

#include <algorithm>
#include <climits>

namespace {

const char kLeadingBlanks[] = "     ";
const char kParagraphBreak[] = "\r\n\r\n";

std::vector<std::string> MakeEditorTexts()
{
    return {
        "Create a new device or open an existing .sol, \"New z-segment\" button to create or \"Open\" button to "
        "open an existing device structure.",
        "    ",
        "a)Right-click to modify, b)Drag and release a layer when the destination layer turns red to copy and "
        "paste a layer.c)Click \"save\" button to save if the device is finishedd)Click buttons to operate : "
        "\"New/Cut/Copy/Paste Layer\", \"New/Cut/Copy/Paste Column\",\"New/Delete z-segment\", \"Undo/Redo\"  or "
        "e)Press SHIFT and drag to move the device",
        "Drag to move the device,  rigth-click to choose a segment, or press two buttons to zoom in or out ",
        "Drag left mouse to move the device, drag right mouse to rotate, or press two buttons to zoom, or click "
        "buttons \"parallel/perspective\" projection to switch 3D views.",
        "Please choose a layer to edit.",
    };
}

// The builder's own wording of entries 0, 2 and 3.
const char kBuilderCreate[] = "Create a new device or open an existing .layer,"
                              " \"New Column\" button to create or \"Open\" button to open";
const char kBuilderLayers[] =
    "a)Right-click to modify, "
    "b) Drag and release a layer when the destination layer turns red to copy and paste a layer."
    "c)Click \"save\" button to save if the device is finished"
    "d)Click buttons to operate : \"New/Cut/Copy/Paste Layer\", \"New/Cut/Copy/Paste Column\","
    "\"Undo/Redo\" or e)Press SHIFT and drag to move the device";
const char kBuilderMove[] = "Drag to move the device,or press two buttons to zoom in or out ";

// Reads "%d" at pos as sscanf does (white space, sign, digits; clamped to int); false without digits.
bool ReadInt(const std::string& text, std::size_t& pos, int& value)
{
    std::size_t p = pos;
    while (p < text.size() && IsWhiteSpace(text[p])) ++p;
    const bool negative = p < text.size() && text[p] == '-';
    if (p < text.size() && (text[p] == '-' || text[p] == '+')) ++p;
    if (p >= text.size() || !IsDigit(text[p])) return false;
    long long v = 0;
    for (; p < text.size() && IsDigit(text[p]); ++p) v = std::min<long long>(v * 10 + (text[p] - '0'), INT_MAX + 1LL);
    v = negative ? -v : v;
    value = int(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, v)));
    pos = p;
    return true;
}

} // namespace

const std::vector<std::string>& NextStepPromptTexts()
{
    static const std::vector<std::string> texts = MakeEditorTexts();
    return texts;
}

std::vector<std::string> PromptTable(bool builder)
{
    std::vector<std::string> table;
    for (const std::string& text : NextStepPromptTexts()) table.push_back(kLeadingBlanks + text);
    if (builder) {
        table[0] = kBuilderCreate;
        table[2] = kBuilderLayers;
        table[3] = kBuilderMove;
    }
    return table;
}

int PromptIndexToShow(int index, int tableSize, int segmentsInUse)
{
    if (index < 0 || index >= tableSize) return -1;
    return segmentsInUse == 0 ? 0 : index;
}

std::string PromptDisplayText(const std::string& text)
{
    std::string shown;
    bool broken = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        shown += text[i];
        // What follows is an item "x)": it starts a paragraph.
        if (text.size() - (i + 1) >= 3 && text[i + 2] == ')') {
            shown += kParagraphBreak;
            broken = true;
        }
    }
    return broken ? Trim(shown) : shown;
}

CScreenRect PlacePromptWindow(const std::string& leftTop, const CScreenRect& present, int screenWidth,
                              int screenHeight, bool& restored)
{
    CScreenRect r = present;
    restored = !leftTop.empty();
    if (!restored) {
        r.x = screenWidth - r.width;
        return r;
    }
    int* fields[] = {&r.x, &r.y, &r.width, &r.height};
    std::size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (pos >= leftTop.size() || leftTop[pos] != ',') break;
            ++pos;
        }
        if (!ReadInt(leftTop, pos, *fields[i])) break;
    }
    if (r.x + r.width > screenWidth) r.x = screenWidth - r.width;
    if (r.y + r.height > screenHeight) r.y = screenHeight - r.height;
    return r;
}

std::string FormatLeftTop(const CScreenRect& rect)
{
    return std::to_string(rect.x) + ", " + std::to_string(rect.y) + ", " + std::to_string(rect.width) + ", " +
           std::to_string(rect.height);
}
