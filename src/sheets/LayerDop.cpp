#include "sheets/LayerDop.h"

#include "model/ProcessState.h"
#include "platform/StringUtil.h"

CLayerDop::CLayerDop()
{
    CLayerDoping& doping = g_EditLayer.m_Doping;
    if (g_nLayerEditMode == 1 || g_nLayerEditMode == 2) {
        doping.m_strKind = "none";
        doping.m_fValue = 0.0f;
        doping.m_fGaussianTail = 0.001f;
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

void CLayerDop::CollectInto(CLayerDoping& doping) const
{
    doping.m_fValue = m_fConcentration;
    doping.m_fGaussianTail = m_fGaussTail;
    doping.m_strNewDoping = m_strNewDoping;
    doping.m_nNNewDopingIndex = m_nNNewDopingIndex;
    doping.m_nPNewDopingIndex = m_nPNewDopingIndex;
}
