#include "sheets/Mesh.h"

#include "model/ProcessState.h"
#include "sheets/DataExchange.h"

namespace {

const char* FlagText(int flag) { return flag == 1 ? "yes" : "no"; }

}  // namespace

CMesh::CMesh()
{
    CMeshSettings& mesh = g_EditLayer.m_Mesh;
    if (g_nLayerEditMode == 1 || g_nLayerEditMode == 2) {
        mesh.m_nExtraLow = 0;
        mesh.m_nExtraHigh = 0;
    }
    m_nExtraLower = mesh.m_nExtraLow;
    m_nExtraUpper = mesh.m_nExtraHigh;
    m_nMeshNum = mesh.m_nMeshNum;
    m_fRatio = mesh.m_fRatio;
    m_dShiftCenter = mesh.m_dShiftCenter;
    m_strExtraLower = FlagText(m_nExtraLower);
    m_strExtraUpper = FlagText(m_nExtraUpper);
}

void CMesh::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_MESH_NUMBER, m_nMeshNum);
    dx.Text(IDC_MESH_RATIO, m_fRatio);
    dx.Text(IDC_EXTRA_UPPER, m_strExtraUpper);
    dx.Text(IDC_EXTRA_LOWER, m_strExtraLower);
    dx.Text(IDC_SHIFT_CENTER, m_dShiftCenter);
}

void CMesh::OnKillFocus(int boxId, IDialogControls& controls)
{
    CMesh read = *this;
    CDataExchange dx(controls, true);
    read.DoDataExchange(dx);
    if (dx.Failed())
        return;
    *this = read;
    CMeshSettings& mesh = g_EditLayer.m_Mesh;
    switch (boxId) {
    case IDC_MESH_NUMBER: mesh.m_nMeshNum = m_nMeshNum; break;
    case IDC_MESH_RATIO: mesh.m_fRatio = m_fRatio; break;
    case IDC_SHIFT_CENTER: mesh.m_dShiftCenter = m_dShiftCenter; break;
    default: break;
    }
}

void CMesh::OnCloseUp(int comboId, const std::string& text)
{
    const int flag = text == "yes" ? 1 : 0;
    if (comboId == IDC_EXTRA_LOWER) {
        m_strExtraLower = text;
        m_nExtraLower = flag;
        g_EditLayer.m_Mesh.m_nExtraLow = flag;
    } else if (comboId == IDC_EXTRA_UPPER) {
        m_strExtraUpper = text;
        m_nExtraUpper = flag;
        g_EditLayer.m_Mesh.m_nExtraHigh = flag;
    }
}

void CMesh::CollectInto(CMeshSettings& mesh) const
{
    mesh.m_nMeshNum = m_nMeshNum;
    mesh.m_fRatio = m_fRatio;
}
