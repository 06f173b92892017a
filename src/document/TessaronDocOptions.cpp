// The document's commands that are no edits of the device: the back grid and the two fonts of the
// 2-D view, the target simulator, the cylinder-coordinate option and the user manual.

#include "document/TessaronDoc.h"

#include "CommandIds.h"
#include "platform/AppServices.h"
#include "platform/FileSystem.h"
#include "platform/ShellOpen.h"
#include "platform/UserPrompts.h"
#include "platform/ViewsHub.h"

namespace {

const char kRestartMessage[] = "It will be valid after restart Tessaron!";

}  // namespace

bool CTessaronDoc::OnOptionsCommand(int id)
{
    switch (id) {
    case ID_VIEW_BACK_GRID: OnViewBackGrid(); return true;
    case ID_OPTIONS_LAYER_INFO_FONT: OnOptionsLayerInfoWindowFont(); return true;
    case ID_OPTIONS_PROMPT_FONT: OnOptionsNextStepPromptFont(); return true;
    case ID_OPTIONS_CORVEX3D: OnOptionsCorvex3D(); return true;
    case ID_OPTIONS_LUMIVO3D: OnOptionsLumivo3D(); return true;
    case ID_OPTIONS_CYLINDER: OnOptionsCylinderCoordinate(); return true;
    case ID_HELP_USER_MANUAL: OnUserManual(); return true;
    default: return false;
    }
}

void CTessaronDoc::OnViewBackGrid()
{
    if (m_pViews && m_pViews->HasGL2dView())
        m_pViews->SetGridFlag(1 - m_pViews->GetGridFlag());
    UpdateAllViews(0);
}

void CTessaronDoc::OnOptionsLayerInfoWindowFont()
{
    if (m_pViews && m_pViews->HasGL2dView())
        m_pViews->SetLayerInfoFont();
}

void CTessaronDoc::OnOptionsNextStepPromptFont()
{
    if (m_pViews && m_pViews->HasGL2dView())
        m_pViews->SetPromptFont();
}

void CTessaronDoc::OnOptionsCorvex3D()
{
    AfxMessageBox(kRestartMessage, MB_OK);
    m_nTargetSimulator = 1;
}

void CTessaronDoc::OnOptionsLumivo3D()
{
    AfxMessageBox(kRestartMessage, MB_OK);
    m_nTargetSimulator = 2;
}

void CTessaronDoc::OnOptionsCylinderCoordinate()
{
    m_nCylinder = 1 - m_nCylinder;
    if (m_pViews && m_pViews->HasGL3dView())
        m_pViews->ZoomOrigin();
    SetModifiedFlag(true);
}

std::string CTessaronDoc::UserManualPath()
{
    const std::string page = AppServices().Is3dMode() ? "HTML/TsnUserManual/Tessaron.html"
                                                      : "HTML/BrvUserManual/Brenvik.html";
    return AppServices().GetProgramFolder() + page;
}

void CTessaronDoc::OnUserManual()
{
    const std::string page = UserManualPath();
    if (!FileExists(page)) {
        AfxMessageBox("Can't find " + page, MB_OK);
        // The page is handed on even when it is missing: the default program reports what it finds.
        ShellOpener().OpenWithDefaultProgram(page);
        return;
    }
    // A desktop without a program for HTML pages must not leave the command silently doing nothing.
    if (!ShellOpener().OpenWithDefaultProgram(page)) {
        const std::string reason = ShellOpener().FailureReason();
        AfxMessageBox("Can't open " + page + (reason.empty() ? std::string() : "\n" + reason), MB_OK);
    }
}
