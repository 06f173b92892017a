#include "sheets/CMesh.h"

#include "model/ProcessState.h"
#include "sheets/DataExchange.h"

namespace {

const char* FlagText(int flag) { return flag == 1 ? "yes" : "no"; }

}  // namespace

CCMesh::CCMesh()
{
    const CMeshSettings& mesh = g_EditColumn.m_Mesh;
    m_nExtraLeft = mesh.m_nExtraLow;
    m_nExtraRight = mesh.m_nExtraHigh;
    m_nMeshNum = mesh.m_nMeshNum;
    m_fRatio = mesh.m_fRatio;
    m_dShiftCenter = mesh.m_dShiftCenter;
    m_nTotalXMesh = g_EditZSegment.m_nTotalXMesh;
    m_nTotalYMesh = g_EditZSegment.m_nTotalYMesh;
    if (g_nLayerEditMode == 3) {
        m_strExtraLeft = FlagText(m_nExtraLeft);
        m_strExtraRight = FlagText(m_nExtraRight);
    }
}

void CCMesh::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_MESH_NUMBER, m_nMeshNum);
    dx.Text(IDC_MESH_RATIO, m_fRatio);
    dx.Text(IDC_EXTRA_RIGHT, m_strExtraRight);
    dx.Text(IDC_EXTRA_LEFT, m_strExtraLeft);
    dx.Text(IDC_TOTAL_X_MESH, m_nTotalXMesh);
    dx.Text(IDC_TOTAL_Y_MESH, m_nTotalYMesh);
    dx.Text(IDC_SHIFT_CENTER, m_dShiftCenter);
}

void CCMesh::OnKillFocus(int boxId, IDialogControls& controls)
{
    CCMesh read = *this;
    CDataExchange dx(controls, true);
    read.DoDataExchange(dx);
    if (dx.Failed())
        return;
    *this = read;
    CMeshSettings& mesh = g_EditColumn.m_Mesh;
    switch (boxId) {
    case IDC_MESH_NUMBER: mesh.m_nMeshNum = m_nMeshNum; break;
    case IDC_MESH_RATIO: mesh.m_fRatio = m_fRatio; break;
    case IDC_SHIFT_CENTER: mesh.m_dShiftCenter = m_dShiftCenter; break;
    default: break;
    }
}

void CCMesh::OnCloseUp(int comboId, const std::string& text)
{
    const int flag = text == "yes" ? 1 : 0;
    if (comboId == IDC_EXTRA_LEFT) {
        m_strExtraLeft = text;
        m_nExtraLeft = flag;
        g_EditColumn.m_Mesh.m_nExtraLow = flag;
    } else if (comboId == IDC_EXTRA_RIGHT) {
        m_strExtraRight = text;
        m_nExtraRight = flag;
        g_EditColumn.m_Mesh.m_nExtraHigh = flag;
    }
}

void CCMesh::CollectInto(CColumnRec& column, CZSegment& zsegment) const
{
    column.m_Mesh.m_nMeshNum = m_nMeshNum;
    column.m_Mesh.m_fRatio = m_fRatio;
    zsegment.m_nTotalXMesh = m_nTotalXMesh;
    zsegment.m_nTotalYMesh = m_nTotalYMesh;
}
