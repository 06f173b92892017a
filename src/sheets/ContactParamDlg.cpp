#include "sheets/ContactParamDlg.h"

#include "model/UnsetValue.h"
#include "platform/NumberText.h"
#include "platform/UserPrompts.h"
#include "sheets/DataExchange.h"

#include <climits>
#include <cmath>

namespace {

// A barrier or work function this close to -9999 is not given.
const double kUnsetValueTolerance = 0.01;
const double kTypeTolerance = 1e-5;
const double kNoContactNumber = 0.01;

bool IsGiven(double value) { return std::fabs(value - kUnsetValue) >= kUnsetValueTolerance; }

}  // namespace

void CContactParamDlg::SetFromRecord(const double values[4])
{
    if (values[0] < kNoContactNumber)
        return;
    m_nContactNum = TruncateToInt(values[0]);
    if (std::fabs(values[1]) < kTypeTolerance)
        m_strType = "ohmic";
    else if (std::fabs(values[1] - 1.0) < kTypeTolerance)
        m_strType = "schottky";
    m_dBarrier = values[2];
    m_dWorkFunction = values[3];
}

void CContactParamDlg::GetToRecord(double values[4]) const
{
    values[0] = m_nContactNum;
    if (m_strType == "ohmic")
        values[1] = 0.0;
    else if (m_strType == "schottky")
        values[1] = 1.0;
    values[2] = m_dBarrier;
    values[3] = m_dWorkFunction;
}

void CContactParamDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_CONTACT_NUM, m_nContactNum);
    dx.MinMaxInt(m_nContactNum, kMinContact, kMaxContact);
    dx.Text(IDC_TYPE_TEXT, m_strType);
    dx.Text(IDC_WORK_FUNCTION, m_dWorkFunction);
    dx.Text(IDC_BARRIER, m_dBarrier);
}

bool CContactParamDlg::Read(IDialogControls& controls)
{
    CDataExchange dx(controls, true);
    DoDataExchange(dx);
    return !dx.Failed();
}

void CContactParamDlg::Show(IDialogControls& controls)
{
    CDataExchange dx(controls, false);
    DoDataExchange(dx);
}

void CContactParamDlg::OnInitDialog(IDialogControls& controls)
{
    Show(controls);
    m_nTypeSelection = m_strType == "schottky" ? 1 : 0;
    m_bRadiosEnabled = true;
    m_bBarrierGiven = IsGiven(m_dBarrier);
    UpdateControls(controls);
    Show(controls);
}

void CContactParamDlg::OnBarrierGiven(IDialogControls& controls, bool barrierGiven)
{
    m_bBarrierGiven = barrierGiven;
    UpdateControls(controls);
}

void CContactParamDlg::OnTypeSelected(IDialogControls& controls, int selection)
{
    m_nTypeSelection = selection;
    UpdateControls(controls);
}

void CContactParamDlg::UpdateControls(IDialogControls& controls)
{
    if (!Read(controls))
        return;
    if (m_nTypeSelection == 0) {
        m_bBarrierEnabled = m_bWorkFunctionEnabled = m_bRadiosEnabled = false;
        m_strType = "ohmic";
    } else {
        m_bRadiosEnabled = true;
        m_bBarrierEnabled = m_bBarrierGiven;
        m_bWorkFunctionEnabled = !m_bBarrierGiven;
        m_strType = "schottky";
    }
    Show(controls);
}

bool CContactParamDlg::OnOK(IDialogControls& controls)
{
    if (!Read(controls))
        return false;
    if (m_strType != "ohmic" && m_strType != "schottky") {
        AfxMessageBox(TypeMessage(), MB_OK);
        return false;
    }
    ClearUnusedValue(controls);
    return Read(controls);
}

void CContactParamDlg::ClearUnusedValue(IDialogControls& controls)
{
    if (m_nTypeSelection == 0) {
        m_dBarrier = kUnsetValue;
        m_dWorkFunction = kUnsetValue;
    } else if (m_bBarrierGiven) {
        m_dWorkFunction = kUnsetValue;
    } else {
        m_dBarrier = kUnsetValue;
    }
    Show(controls);
}

bool CContactParamDlg::IsControlEnabled(int id) const
{
    switch (id) {
    case IDC_BARRIER_GIVEN:
    case IDC_WORK_FUNCTION_GIVEN: return m_bRadiosEnabled;
    case IDC_BARRIER: return m_bBarrierEnabled;
    case IDC_WORK_FUNCTION: return m_bWorkFunctionEnabled;
    default: return true;
    }
}

std::string CContactParamDlg::TypeMessage() { return "Contact type should be ohmic or schottky!"; }
