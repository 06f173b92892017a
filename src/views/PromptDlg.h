#pragma once
// The next-step prompt window: a small window of its own, titled "Next step prompt", over the main
// frame, with one read-only text box that tells the user what to do next. The 2-D view creates it
// at its first timer tick and asks it for prompts by index; the window keeps its place, font and
// text colour in the settings section "CPromptDlg".

#include "platform/UserPrompts.h"

#include <wx/dialog.h>

#include <string>
#include <vector>

class wxTextCtrl;

class CPromptDlg : public wxDialog {
public:
    // `view` is the 2-D view that owns the window; the window stands over the view's frame.
    explicit CPromptDlg(wxWindow* view);
    ~CPromptDlg() override;

    // Makes the window (hidden unless a stored place is restored), reads its settings and the
    // prompt table of the running mode.
    bool Create();
    // Shows prompt `index` of the table (prompt 0 while the device has no z-segment); nothing for
    // an index outside the table.
    void ShowPrompt(int index);
    // Applies the held font and colour to the text.
    void SetTextFont();
    // Writes "left-top", "prompt-font" and "font-color".
    void SaveSettings();

    // The text as shown, with "\r\n" line breaks.
    const std::string& GetShownText() const { return m_strShown; }
    int GetCurrentPrompt() const { return m_nCurrentPrompt; }
    wxTextCtrl* GetTextBox() const { return m_pEdit; }

    // The text font (Arial 10 points) and colour (red 9) until the user or the settings choose others.
    FontChoice m_font{"Arial", 10, false, false, 9};

private:
    void RestorePlacement();
    // The client size that shows every prompt of the table whole at the text box's font.
    wxSize SizeForWholePrompts();
    // Lines the text takes wrapped at word boundaries to `width` pixels.
    int WrappedLineCount(const wxString& text, int width) const;

    wxWindow* m_pView;
    wxTextCtrl* m_pEdit = nullptr;
    std::vector<std::string> m_prompts;
    int m_nCurrentPrompt = 0;
    std::string m_strShown;
    bool m_bSettingsSaved = false;
};
