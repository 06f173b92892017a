#include "sheets/CMesh.h"

#include "model/ProcessState.h"

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
}

void CCMesh::CollectInto(CColumnRec& column, CZSegment& zsegment) const
{
    column.m_Mesh.m_nMeshNum = m_nMeshNum;
    column.m_Mesh.m_fRatio = m_fRatio;
    zsegment.m_nTotalXMesh = m_nTotalXMesh;
    zsegment.m_nTotalYMesh = m_nTotalYMesh;
}
