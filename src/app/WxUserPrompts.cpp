#include "app/WxUserPrompts.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/fontdlg.h>
#include <wx/msgdlg.h>

namespace {

long IconStyle(unsigned type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR: return wxICON_ERROR;
    case MB_ICONQUESTION: return wxICON_QUESTION;
    case MB_ICONWARNING: return wxICON_WARNING;
    case MB_ICONINFORMATION: return wxICON_INFORMATION;
    default: return 0;
    }
}

wxWindow* Owner()
{
    wxWindow* top = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
    return top && top->IsShown() ? top : nullptr;
}

}  // namespace

int CWxUserPrompts::MessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    const unsigned buttons = type & MB_TYPEMASK;
    long style = IconStyle(type);
    switch (buttons) {
    case MB_OKCANCEL: style |= wxOK | wxCANCEL; break;
    case MB_YESNO: style |= wxYES_NO; break;
    case MB_YESNOCANCEL:
    case MB_ABORTRETRYIGNORE: style |= wxYES_NO | wxCANCEL; break;
    case MB_RETRYCANCEL: style |= wxOK | wxCANCEL; break;
    default: style |= wxOK; break;
    }
    wxMessageDialog dialog(Owner(), wxString::FromUTF8(text), wxString::FromUTF8(caption), style);
    if (buttons == MB_ABORTRETRYIGNORE)
        dialog.SetYesNoCancelLabels("&Abort", "&Retry", "&Ignore");
    else if (buttons == MB_RETRYCANCEL)
        dialog.SetOKCancelLabels("&Retry", "Cancel");
    const int answer = dialog.ShowModal();
    switch (buttons) {
    case MB_ABORTRETRYIGNORE: return answer == wxID_YES ? IDABORT : answer == wxID_NO ? IDRETRY : IDIGNORE;
    case MB_RETRYCANCEL: return answer == wxID_OK ? IDRETRY : IDCANCEL;
    default: break;
    }
    switch (answer) {
    case wxID_YES: return IDYES;
    case wxID_NO: return IDNO;
    case wxID_CANCEL: return IDCANCEL;
    default: return IDOK;
    }
}

std::string CWxUserPrompts::WxWildcard(const std::string& filter)
{
    std::string w = filter;
    while (!w.empty() && w.back() == '|')
        w.pop_back();
    return w.empty() ? "*" : w;
}

bool CWxUserPrompts::FileDialog(FileDialogRequest& request)
{
    long style = request.open ? (wxFD_OPEN | wxFD_FILE_MUST_EXIST) : (wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    wxString folder, name;
    if (!request.initialPath.empty()) {
        wxFileName initial(wxString::FromUTF8(request.initialPath));
        if (wxFileName::DirExists(initial.GetFullPath()))
            folder = initial.GetFullPath();
        else
            folder = initial.GetPath(), name = initial.GetFullName();
    }
    wxFileDialog dialog(Owner(), wxString::FromUTF8(request.title.empty() ? (request.open ? "Open" : "Save As")
                                                                           : request.title),
                        folder, name, wxString::FromUTF8(WxWildcard(request.filter)), style);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    const std::string typed = dialog.GetPath().ToStdString(wxConvUTF8);
    std::string chosen = typed;
    if (!request.open) {
        chosen = WithDefaultExtension(typed, request.defaultExt);
        // The toolkit asked about overwriting the name as typed; a name that only now gets its
        // extension may name another file that exists, so that question is asked here.
        if (!ConfirmReplaceAfterExtension(typed, chosen, *this))
            return false;
    }
    request.chosenPaths = {chosen};
    return true;
}

bool CWxUserPrompts::FontDialog(FontChoice& font)
{
    wxFontData data;
    data.SetInitialFont(wxFontInfo(font.pointSize)
                            .FaceName(wxString::FromUTF8(font.faceName))
                            .Bold(font.bold)
                            .Italic(font.italic));
    data.SetColour(wxColour(font.colour & 0xFF, (font.colour >> 8) & 0xFF, (font.colour >> 16) & 0xFF));
    data.EnableEffects(true);
    wxFontDialog dialog(Owner(), data);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    const wxFontData& chosen = dialog.GetFontData();
    const wxFont picked = chosen.GetChosenFont();
    if (picked.IsOk()) {
        font.faceName = picked.GetFaceName().ToStdString(wxConvUTF8);
        font.pointSize = picked.GetPointSize();
        font.bold = picked.GetWeight() >= wxFONTWEIGHT_BOLD;
        font.italic = picked.GetStyle() != wxFONTSTYLE_NORMAL;
    }
    const wxColour colour = chosen.GetColour();
    if (colour.IsOk())
        font.colour = unsigned(colour.Red()) | (unsigned(colour.Green()) << 8) | (unsigned(colour.Blue()) << 16);
    return true;
}
