#include "platform/DocumentBase.h"

#include "platform/AppServices.h"
#include "platform/UserPrompts.h"
#include "platform/ViewsHub.h"

namespace {

std::string Trimmed(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// The file name of a path that may use either separator.
std::string FileNamePart(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void CDocumentBase::SetPathName(const std::string& path, bool addToMRU)
{
    m_strPathName = path;
    m_strTitle = FileNamePart(Trimmed(path));
    if (addToMRU && !Trimmed(path).empty())
        AppServices().AddToRecentFileList(path);
}

bool CDocumentBase::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    m_strTitle.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocumentBase::OnOpenDocument(const std::string&) { return false; }

bool CDocumentBase::OnSaveDocument(const std::string&) { return false; }

bool CDocumentBase::SaveModified()
{
    if (!IsModified())
        return true;
    std::string name = Trimmed(m_strPathName);
    if (name.empty())
        name = Trimmed(m_strTitle);
    if (name.empty())
        name = "Untitled";
    switch (AfxMessageBox("Save changes to " + name + "?", MB_YESNOCANCEL)) {
    case IDCANCEL: return false;
    case IDYES: return DoFileSave();
    default: return true;
    }
}

bool CDocumentBase::DoFileSave()
{
    return DoSave(Trimmed(m_strPathName).empty() ? std::string() : m_strPathName);
}

bool CDocumentBase::DoSave(const std::string& path, bool replace)
{
    std::string target = path;
    if (target.empty()) {
        FileDialogRequest request;
        request.open = false;
        request.title = "Save As";
        request.initialPath = Trimmed(m_strTitle);
        if (!UserPrompts().FileDialog(request) || request.chosenPaths.empty())
            return false;
        target = request.chosenPaths.front();
    }
    if (!OnSaveDocument(target))
        return false;
    if (replace)
        SetPathName(target);
    return true;
}

void CDocumentBase::UpdateAllViews(int hint)
{
    if (m_pViews)
        m_pViews->UpdateAllViews(hint);
}

bool CDocumentBase::OnCommand(int) { return false; }

CommandState CDocumentBase::QueryCommand(int) const { return CommandState{}; }
