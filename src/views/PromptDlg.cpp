#include "views/PromptDlg.h"

#include "dialogs/DialogUnits.h"
#include "model/ProcessState.h"
#include "platform/AppServices.h"
#include "platform/Profile.h"
#include "render/PromptWindow.h"
#include "render/WindowFont.h"

#include <algorithm>

#include <wx/arrstr.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace {

const char kSection[] = "CPromptDlg";
const char kPlaceKey[] = "left-top";
const char kFontKey[] = "prompt-font";
constexpr int kTextBoxId = 1029;
// What the text box's border, its inner margins and its scroll bar take of its width and height.
constexpr int kTextMargins = 40;
const wxColour kBackground(253, 253, 220);

wxColour ColourOf(unsigned colorref) { return wxColour(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF); }

// The text box shows paragraphs by line feeds.
wxString WithLineFeeds(const std::string& text)
{
    wxString shown = wxString::FromUTF8(text);
    shown.Replace("\r\n", "\n");
    return shown;
}

} // namespace

CPromptDlg::CPromptDlg(wxWindow* view) : m_pView(view) {}

CPromptDlg::~CPromptDlg() { SaveSettings(); }

bool CPromptDlg::Create()
{
    // A window of its own over the frame, with a caption and a sizing border; no close box: the
    // View menu's Prompt Window hides it.
    if (!wxDialog::Create(wxGetTopLevelParent(m_pView), wxID_ANY, "Next step prompt", wxDefaultPosition,
                          wxDefaultSize, wxCAPTION | wxRESIZE_BORDER))
        return false;
    m_pEdit = new wxTextCtrl(this, kTextBoxId, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                             wxTE_MULTILINE | wxTE_READONLY | wxTE_WORDWRAP | wxVSCROLL | wxBORDER_SUNKEN);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_pEdit, 1, wxEXPAND);
    SetSizer(sizer);
    m_prompts = PromptTable(!AppServices().Is3dMode());
    SetClientSize(SizeForWholePrompts());

    RestorePlacement();
    const bool storedFont = !Profile().GetProfileString(kSection, kFontKey, "").empty();
    LoadWindowFont(Profile(), kSection, m_font);
    m_pEdit->SetBackgroundColour(kBackground);
    m_pEdit->SetForegroundColour(ColourOf(m_font.colour));
    // A font chosen once is shown again at the next start.
    if (storedFont) SetTextFont();
    return true;
}

wxSize CPromptDlg::SizeForWholePrompts()
{
    // At least the window's old 98 x 45 dialog units, wide enough for a line of about 40
    // characters, and as high as the longest prompt needs at the text box's font when wrapped to
    // that width: no prompt has to be scrolled to be read.
    const CDialogUnits du(this);
    const int width = std::max(du.Size(98, 45).x, m_pEdit->GetTextExtent(wxString('n', 40)).x);
    const int inner = width - kTextMargins;
    int height = du.Size(98, 45).y;
    for (const std::string& prompt : m_prompts) {
        const int lines = WrappedLineCount(WithLineFeeds(PromptDisplayText(prompt)), inner);
        height = std::max(height, lines * m_pEdit->GetCharHeight() * 5 / 4 + kTextMargins);
    }
    return wxSize(width, height);
}

int CPromptDlg::WrappedLineCount(const wxString& text, int width) const
{
    int lines = 0;
    for (const wxString& paragraph : wxSplit(text, '\n', '\0')) {
        ++lines;
        wxString line;
        for (const wxString& word : wxSplit(paragraph, ' ', '\0')) {
            const wxString longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && m_pEdit->GetTextExtent(longer).x > width) {
                ++lines;
                line = word;
            } else {
                line = longer;
            }
        }
    }
    return lines;
}

void CPromptDlg::RestorePlacement()
{
    const wxSize screen = wxGetDisplaySize();
    const wxRect now = GetScreenRect();
    bool restored = false;
    const CScreenRect place = PlacePromptWindow(Profile().GetProfileString(kSection, kPlaceKey, ""),
                                                {now.x, now.y, now.width, now.height}, screen.x,
                                                screen.y, restored);
    SetSize(place.x, place.y, place.width, place.height);
    if (restored) ShowWithoutActivating();
}

void CPromptDlg::ShowPrompt(int index)
{
    index = PromptIndexToShow(index, int(m_prompts.size()), g_nZSegCount);
    if (index < 0) return;
    m_nCurrentPrompt = index;
    m_strShown = PromptDisplayText(m_prompts[index]);
    m_pEdit->ChangeValue(WithLineFeeds(m_strShown));
}

void CPromptDlg::SetTextFont()
{
    m_font.faceName = CutFaceName(m_font.faceName);
    wxFontInfo info(m_font.pointSize > 0 ? m_font.pointSize : wxNORMAL_FONT->GetPointSize());
    info.FaceName(wxString::FromUTF8(m_font.faceName)).Bold(m_font.bold).Italic(m_font.italic);
    m_pEdit->SetFont(wxFont(info));
    m_pEdit->SetForegroundColour(ColourOf(m_font.colour));
    m_pEdit->Refresh();
}

void CPromptDlg::SaveSettings()
{
    if (m_bSettingsSaved || !m_pEdit) return;
    m_bSettingsSaved = true;
    const wxRect r = GetScreenRect();
    Profile().WriteProfileString(kSection, kPlaceKey, FormatLeftTop({r.x, r.y, r.width, r.height}));
    SaveWindowFont(Profile(), kSection, m_font);
}
