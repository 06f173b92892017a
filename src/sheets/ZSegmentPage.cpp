#include "sheets/ZSegmentPage.h"

#include "model/ProcessState.h"
#include "platform/UserPrompts.h"
#include "sheets/DataExchange.h"
#include "sheets/ZSegPositionDlg.h"

const char CZSegmentPage::kCaption[] = "Z-segment";
const char CZSegmentPage::kTooManyIsolatedPlanes[] =
    "You select 3d-isolated-layer method,\nbut you set zplanes more than 1!";

namespace {

const char kIsolatedMethod[] = "no";
const char kFlowMethod[] = "yes";

}  // namespace

// ---------------------------------------------------------------------------------------------
// Opening

void CZSegmentPage::OnInitPage()
{
    switch (g_nLayerEditMode) {
    case 1:
    case 2:
        LoadFrom(g_EditZSegment);
        m_nTaperLine = 0;
        g_EditColumn.m_nTaperLine = 0;
        break;
    case 3:
        LoadFrom(g_EditZSegment);
        m_nTaperLine = g_EditColumn.m_nTaperLine;
        break;
    default: break;
    }
    m_dFrom = m_Params.m_dZFrom;
    m_dTo = m_Params.m_dZTo;
    m_nZPlanes = m_Params.m_nZPlanes;
    m_strMethod = g_strIsolatedMethod;
}

void CZSegmentPage::LoadFrom(const CZSegment& image)
{
    const CZSegmentParams& params = image.m_Params;
    m_Params.m_dZFrom = params.m_dZFrom;
    m_Params.m_dZTo = params.m_dZTo;
    m_Params.m_nZPlanes = params.m_nZPlanes;
    m_Params.m_strTaperLink = params.m_strTaperLink;
    m_Params.m_dAngle = params.m_dAngle;
    m_dAngle = params.m_dAngle;
    m_dSegmentLength = params.m_dZTo - params.m_dZFrom;
    // Counted from the end of the z-segment before, as OK counts it back: a page accepted
    // unchanged by lengths keeps the z range.
    m_dTaperLength = params.m_dZFrom - m_dPreviousZEnd;
}

void CZSegmentPage::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_FROM, m_dFrom);
    dx.MinMaxDouble(m_dFrom, 0.0, kMaxPosition);
    dx.Text(IDC_TO, m_dTo);
    dx.MinMaxDouble(m_dTo, 0.0, kMaxPosition);
    dx.Text(IDC_SEGMENT_LENGTH, m_dSegmentLength);
    dx.Text(IDC_TAPER_LENGTH, m_dTaperLength);
    dx.Text(IDC_ZPLANES, m_nZPlanes);
    dx.MinMaxInt(m_nZPlanes, 0, kMaxZPlanes);
    dx.Text(IDC_ROTATION_ANGLE, m_dAngle);
    dx.MinMaxDouble(m_dAngle, -kMaxAngle, kMaxAngle);
}

// ---------------------------------------------------------------------------------------------
// Combos

int CZSegmentPage::GetLinkSelection() const { return m_Params.m_strTaperLink == "yes" ? 0 : 1; }

int CZSegmentPage::GetMethodSelection() const { return m_strMethod == kIsolatedMethod ? ISOLATED_LAYER : FLOW; }

int CZSegmentPage::GetTaperLineSelection() const { return m_nTaperLine ? 1 : 0; }

void CZSegmentPage::OnSelChangeLinkTaperContact(int selection)
{
    m_Params.m_strTaperLink = selection == 0 ? "yes" : "no";
}

void CZSegmentPage::OnSelChangeSolutionMethod(int selection)
{
    m_strMethod = selection == ISOLATED_LAYER ? kIsolatedMethod : kFlowMethod;
}

void CZSegmentPage::OnSelChangeTaperLine(int selection) { m_nTaperLine = selection == 0 ? 0 : 1; }

// ---------------------------------------------------------------------------------------------
// Position radios

int CZSegmentPage::GetPositionRadio() const { return CZSegPositionDlg::GetPositionRadio(); }

void CZSegmentPage::OnRadioPosition() { CZSegPositionDlg::OnRadioPosition(); }

void CZSegmentPage::OnRadioLengths() { CZSegPositionDlg::OnRadioLengths(); }

bool CZSegmentPage::IsControlEnabled(int id) const
{
    switch (id) {
    case IDC_FROM:
    case IDC_TO: return !g_bZSegByLengths;
    case IDC_SEGMENT_LENGTH:
    case IDC_TAPER_LENGTH: return g_bZSegByLengths;
    case IDC_TAPER_LINE: return m_bTaperLineEditable;
    default: return true;
    }
}

// ---------------------------------------------------------------------------------------------
// OK

bool CZSegmentPage::CheckAndStore()
{
    m_Params.m_dZFrom = m_dFrom;
    m_Params.m_dZTo = m_dTo;
    m_Params.m_dAngle = m_dAngle;
    if (m_strMethod == kIsolatedMethod && m_nZPlanes > 1) {
        AfxMessageBox(kTooManyIsolatedPlanes, MB_OK | MB_ICONWARNING);
        return false;
    }
    m_Params.m_nZPlanes = m_nZPlanes;
    return true;
}

void CZSegmentPage::StoreInto(CZSegment& image, CColumnRec& column) const
{
    CZSegmentParams& params = image.m_Params;
    if (g_bZSegByLengths) {
        params.m_dZFrom = m_dPreviousZEnd + m_dTaperLength;
        params.m_dZTo = params.m_dZFrom + m_dSegmentLength;
    } else {
        params.m_dZFrom = m_Params.m_dZFrom;
        params.m_dZTo = m_Params.m_dZTo;
    }
    params.m_nZPlanes = m_Params.m_nZPlanes;
    params.m_strTaperLink = m_Params.m_strTaperLink;
    params.m_dAngle = m_Params.m_dAngle;
    column.m_nTaperLine = m_nTaperLine;
}

void CZSegmentPage::ApplySolutionMethod() const { g_strIsolatedMethod = m_strMethod; }
