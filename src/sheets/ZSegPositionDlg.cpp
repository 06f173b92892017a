#include "sheets/ZSegPositionDlg.h"

#include "model/ProcessState.h"
#include "platform/FileSystem.h"
#include "platform/UserPrompts.h"
#include "sheets/DataExchange.h"

const char CZSegPositionDlg::kCaption[] = "z-segment Position";
const char CZSegPositionDlg::kLayerFileFilter[] = "Layer Files(*.layer)|*.layer||";
const char CZSegPositionDlg::kInvalidFileName[] = "Please input a valid layer file name!";

namespace {

bool Read(CZSegPositionDlg& dialog, IDialogControls& controls)
{
    CDataExchange dx(controls, true);
    dialog.DoDataExchange(dx);
    return !dx.Failed();
}

void Show(CZSegPositionDlg& dialog, IDialogControls& controls)
{
    CDataExchange dx(controls, false);
    dialog.DoDataExchange(dx);
}

}  // namespace

void CZSegPositionDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_FROM, m_dFrom);
    dx.Text(IDC_TO, m_dTo);
    dx.Text(IDC_SEGMENT_LENGTH, m_dSegmentLength);
    dx.MinMaxDouble(m_dSegmentLength, 0.0, kMaxLength);
    dx.Text(IDC_LAYER_FILE, m_strLayerFile);
    dx.Text(IDC_TAPER_LENGTH, m_dTaperLength);
    dx.MinMaxDouble(m_dTaperLength, 0.0, kMaxLength);
}

int CZSegPositionDlg::GetPositionRadio() { return g_bZSegByLengths ? IDC_BY_LENGTHS : IDC_BY_POSITION; }

bool CZSegPositionDlg::IsControlEnabled(int id) const
{
    switch (id) {
    case IDC_FROM:
    case IDC_TO: return !g_bZSegByLengths;
    case IDC_SEGMENT_LENGTH:
    case IDC_TAPER_LENGTH: return g_bZSegByLengths;
    case IDC_LAYER_FILE:
    case IDC_IMPORT: return m_bUseExistingFile;
    default: return true;
    }
}

// The choice also sets the form in which the next deck written states its z extents.
void CZSegPositionDlg::OnRadioPosition()
{
    g_bZSegByLengths = false;
    g_nZStructureLengthForm = 0;
}

void CZSegPositionDlg::OnRadioLengths()
{
    g_bZSegByLengths = true;
    g_nZStructureLengthForm = 1;
}

void CZSegPositionDlg::OnImport(IDialogControls& controls)
{
    if (!Read(*this, controls))
        return;
    FileDialogRequest request;
    request.open = true;
    request.filter = kLayerFileFilter;
    if (!UserPrompts().FileDialog(request) || request.chosenPaths.empty())
        return;
    m_strLayerFile = request.chosenPaths.front();
    Show(*this, controls);
}

bool CZSegPositionDlg::OnOK(IDialogControls& controls)
{
    if (!Read(*this, controls))
        return false;
    if (g_bZSegByLengths) {
        m_dFrom = m_dTaperLength + m_dReferenceZ;
        m_dTo = m_dFrom + m_dSegmentLength;
    }
    Show(*this, controls);
    if (!m_bUseExistingFile) {
        m_strLayerFile.clear();
        return true;
    }
    // Only a file the import can read: a folder, a pipe or a file it may not open is refused here
    // rather than failing (or waiting) inside the import.
    if (!ReadableFileExists(m_strLayerFile)) {
        AfxMessageBox(kInvalidFileName, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}
