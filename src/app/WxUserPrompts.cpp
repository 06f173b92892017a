#include "app/WxUserPrompts.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
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
    std::string chosen = dialog.GetPath().ToStdString(wxConvUTF8);
    if (!request.open)
        chosen = WithDefaultExtension(chosen, request.defaultExt);
    request.chosenPaths = {chosen};
    return true;
}
