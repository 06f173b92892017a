#include "sheets/LayerDop.h"

#include "model/ProcessState.h"
#include "platform/StringUtil.h"
#include "sheets/DataExchange.h"

namespace {

const float kMaxConcentration = 1e38f;
const float kStartTail = 0.001f;
const char* const kTypeTexts[3] = {"none", "n", "p"};

}  // namespace

CLayerDop::CLayerDop()
{
    CLayerDoping& doping = g_EditLayer.m_Doping;
    if (g_nLayerEditMode == 1 || g_nLayerEditMode == 2) {
        doping.m_strKind = "none";
        doping.m_fValue = 0.0f;
        doping.m_fGaussianTail = kStartTail;
        doping.m_nNNewDopingIndex = 0;
        doping.m_nPNewDopingIndex = 0;
        return;
    }
    if (StartsWith(doping.m_strKind, "no")) {
        m_nDopingType = NONE;
    } else {
        m_nDopingType = StartsWith(doping.m_strKind, "n") ? N : P;
        m_fConcentration = doping.m_fValue;
        m_fGaussTail = doping.m_fGaussianTail;
        m_nNNewDopingIndex = doping.m_nNNewDopingIndex;
        m_nPNewDopingIndex = doping.m_nPNewDopingIndex;
    }
    m_strNewDoping = doping.m_strNewDoping;
}

void CLayerDop::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_NEW_DOPING, m_strNewDoping);
    dx.Text(IDC_CONCENTRATION, m_fConcentration);
    dx.MinMaxFloat(m_fConcentration, 0.0f, kMaxConcentration);
    dx.Text(IDC_GAUSS_TAIL, m_fGaussTail);
    dx.Radio(IDC_NONE, 3, m_nDopingType);
    dx.Text(IDC_N_INDEX, m_nNNewDopingIndex);
    dx.Text(IDC_P_INDEX, m_nPNewDopingIndex);
}

void CLayerDop::OnType(DopingType type, IDialogControls& controls)
{
    if (type == NONE) {
        m_fGaussTail = kStartTail;
        m_nDopingType = NONE;
        m_fConcentration = 0.0f;
        m_nNNewDopingIndex = 0;
        m_nPNewDopingIndex = 0;
    } else {
        // Read into a copy: a value that does not read leaves the page and the layer as they were.
        CLayerDop read = *this;
        CDataExchange in(controls, true);
        read.DoDataExchange(in);
        if (in.Failed())
            return;
        m_fConcentration = read.m_fConcentration;
        m_fGaussTail = read.m_fGaussTail;
        m_nNNewDopingIndex = read.m_nNNewDopingIndex;
        m_nPNewDopingIndex = read.m_nPNewDopingIndex;
        m_strNewDoping = read.m_strNewDoping;
        m_nDopingType = type;
    }
    g_EditLayer.m_Doping.m_strKind = kTypeTexts[type];
    CDataExchange out(controls, false);
    DoDataExchange(out);
}

bool CLayerDop::IsReadOnly(int id) const
{
    switch (id) {
    case IDC_CONCENTRATION:
    case IDC_GAUSS_TAIL: return m_nDopingType == NONE;
    case IDC_N_INDEX: return m_nDopingType != N;
    case IDC_P_INDEX: return m_nDopingType != P;
    default: return false;
    }
}

void CLayerDop::CollectInto(CLayerDoping& doping) const
{
    doping.m_fValue = m_fConcentration;
    doping.m_fGaussianTail = m_fGaussTail;
    doping.m_strNewDoping = m_strNewDoping;
    doping.m_nNNewDopingIndex = m_nNNewDopingIndex;
    doping.m_nPNewDopingIndex = m_nPNewDopingIndex;
}
