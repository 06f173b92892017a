#pragma once
// What the next-step prompt window shows and where it stands, without the window: the six prompt
// texts of each mode, the text as shown (every item "a)", "b)", ... after the first begins a
// paragraph of its own), and the window's place as the settings keep it ("left-top").

#include <string>
#include <vector>

constexpr int kPromptCount = 6;

// The six next-step texts in the 3-D editor's wording, as the program has always had them.
const std::vector<std::string>& NextStepPromptTexts();

// The prompt window's table for the running mode: every text behind five blanks; in the layer
// builder entries 0, 2 and 3 are the builder's own texts, without the blanks.
std::vector<std::string> PromptTable(bool builder);

// The prompt to show for a request: -1 (nothing) for an index outside the table, 0 while the
// device has no z-segment.
int PromptIndexToShow(int index, int tableSize, int segmentsInUse);

// The text as the window shows it: two line breaks ("\r\n\r\n") before every item "x)" that does
// not start the text; when any break went in, white space is trimmed from both ends (otherwise the
// leading blanks stay).
std::string PromptDisplayText(const std::string& text);

// A window rectangle on the screen: left, top, width, height.
struct CScreenRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// Where the window goes when it is created. With a stored "left-top" ("%d, %d, %d, %d": left, top,
// width, height; values the text lacks keep those of `present`), a window that would reach beyond
// the right or the bottom screen edge is moved back to end at that edge (a negative position is
// used as it is) and `restored` is true. Without one the window keeps its size and top and moves
// to the right screen edge.
CScreenRect PlacePromptWindow(const std::string& leftTop, const CScreenRect& present, int screenWidth,
                              int screenHeight, bool& restored);
std::string FormatLeftTop(const CScreenRect& rect);
