#pragma once
// A grid window for tests: a client area of a chosen size, text that is 7 pixels a character and
// 13 high, the keyboard focus and the clipboard as plain members, and a record of what the grid
// asked for (notifications, editors, title tips, menus, drags).

#include "sheets/GridCtrl.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class FakeGridWindow : public IGridWindow {
public:
    struct Note {
        int row, col, code;
        bool operator==(const Note& o) const { return row == o.row && col == o.col && code == o.code; }
    };

    CGridSize client{400, 300};
    bool focus = false;
    bool capture = false;
    bool autoScroll = false;
    EGridCursor cursor = EGridCursor::Arrow;
    std::string clipboard;
    bool clipboardHasText = false;
    std::vector<Note> notes;
    std::vector<CGridEditorRequest> editors;
    int titleTips = 0;
    int seriesMenus = 0;
    int commands = 0;
    // What a drag does while it runs (a drop back into the grid, say) and the effect it ends with.
    std::function<int(const std::string&)> onDrag;
    std::vector<std::string> dragged;
    int hPage = 0, hMax = 0, vPage = 0, vMax = 0;

    CGridSize GetClientSize() const override { return client; }
    CGridTextExtent MeasureText(const std::string& text, const CGridFont&) const override
    {
        return {int(text.size()) * 7, 13};
    }
    void InvalidateAll() override {}
    void InvalidateRect(const CGridRect&) override {}
    void SetScrollBars(int hp, int hm, int, int vp, int vm, int) override
    {
        hPage = hp;
        hMax = hm;
        vPage = vp;
        vMax = vm;
    }
    bool HasKeyboardFocus() const override { return focus; }
    void TakeKeyboardFocus() override { focus = true; }
    void CaptureMouse() override { capture = true; }
    void ReleaseMouse() override { capture = false; }
    bool HasCapture() const override { return capture; }
    void SetCursor(EGridCursor c) override { cursor = c; }
    void StartAutoScroll() override { autoScroll = true; }
    void StopAutoScroll() override { autoScroll = false; }
    void OpenEditor(const CGridEditorRequest& request) override { editors.push_back(request); }
    void ShowTitleTip(const CGridRect&, const std::string&, const CGridRect&, const CGridFont&) override
    {
        ++titleTips;
    }
    void HideTitleTip() override {}
    bool SetClipboardText(const std::string& text) override
    {
        clipboard = text;
        clipboardHasText = true;
        return true;
    }
    bool GetClipboardText(std::string& text) override
    {
        text = clipboard;
        return clipboardHasText;
    }
    bool ClipboardHasText() override { return clipboardHasText; }
    int DoDragDrop(const std::string& text) override
    {
        dragged.push_back(text);
        return onDrag ? onDrag(text) : DROPEFFECT_NONE;
    }
    void NotifyOwner(int row, int col, int code) override { notes.push_back({row, col, code}); }
    void PostCommandToOwner() override { ++commands; }
    void ShowSeriesMenu() override { ++seriesMenus; }
};

inline void PrintTo(const FakeGridWindow::Note& n, std::ostream* os)
{
    *os << "(" << n.row << ", " << n.col << ") " << n.code;
}
