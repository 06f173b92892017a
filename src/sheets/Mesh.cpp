#include "sheets/Mesh.h"

#include "model/ProcessState.h"

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
}

void CMesh::CollectInto(CMeshSettings& mesh) const
{
    mesh.m_nMeshNum = m_nMeshNum;
    mesh.m_fRatio = m_fRatio;
}
