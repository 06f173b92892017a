#pragma once
// The 2-D view's layer-information box: the lines of the layer under the cursor in a box at the
// view's top-left corner, in its own font and text colour on a light yellow ground with a raised
// edge. It has no window of its own: it is drawn over the view's frame, so any repaint of the view
// for another reason removes it, and the next mouse move over a layer shows it again. Its font and
// colour are kept in the settings section "CMyToolTip".

#include "platform/UserPrompts.h"
#include "render/InfoBoxLayout.h"

#include <string>
#include <vector>

class wxWindow;
class wxFont;

class CMyToolTip {
public:
    // The box's ground colour as the view gives it: (253, 253, 220) as 0x00BBGGRR.
    static constexpr unsigned kBackground = 0x00DCFDFDu;

    // Binds the box to the view it is drawn on; the default font and colour, then the settings.
    void LoadSettings(wxWindow* owner);
    // Writes "prompt-font" and "font-color".
    void SaveSettings() const;

    void SetLines(std::vector<std::string> lines, unsigned background);
    // With show false the box goes. Otherwise it is measured in its font and pictured, for the
    // next frame of the view; nothing without lines.
    void ShowInfo(int x, int y, bool show);
    void EraseBox();
    bool IsShown() const { return m_layout.width > 0 && m_layout.height > 0; }
    // Draws the box over the view's current frame (nothing when none is shown).
    void Draw(const CView2dState& view) const;

    const std::vector<std::string>& GetLines() const { return m_lines; }
    const CInfoBoxLayout& GetLayout() const { return m_layout; }

    // Courier New 8 points in red 9 until the user or the settings choose others.
    FontChoice m_font{"Courier New", 8, false, false, 9};

private:
    wxFont MakeFont() const;
    void Picture(const wxFont& font, int lineStep);

    wxWindow* m_pOwner = nullptr;
    std::vector<std::string> m_lines;
    unsigned m_background = kBackground;
    CInfoBoxLayout m_layout;
    std::vector<unsigned char> m_picture; // RGB rows from the top, the box's size
};
