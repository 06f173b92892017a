// The mesh plot of the document: the Mesh menu's commands, the run of the mesher tools on a
// z-segment's saved ".layer" file and the region assignment of the triangles read back. The
// triangles are kept in the z-segment only for display; nothing here is saved or undone.

#include "document/TessaronDoc.h"

#include "model/MeshElementList.h"
#include "model/MeshPolygon.h"
#include "document/ToolRunner.h"
#include "platform/AppServices.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/UserPrompts.h"
#include "textfiles/MeshFileReader.h"

namespace {

// Reads the ".msh" file; false after a message when it cannot be opened or is cut short.
bool ReadMeshFile(const std::string& path, CMeshElementList& list)
{
    switch (CMeshFileReader::ReadFile(path, list)) {
    case CMeshFileReader::kRead:
        return true;
    case CMeshFileReader::kCannotOpen:
        AfxMessageBox(StrFormat("Can't open the mesh file %s!", path.c_str()));
        return false;
    case CMeshFileReader::kCutShort:
        AfxMessageBox(StrFormat("The mesh file %s is cut short!", path.c_str()));
        return false;
    }
    return false;
}

}  // namespace

void CTessaronDoc::OnMeshPlotCurrentSegMesh()
{
    {
        CWaitCursor wait;
        PlotZsegmentMesh(g_nCurZSeg - 1, true);
    }
    UpdateAllViews(0);
}

void CTessaronDoc::OnMeshClearCurrentSegMesh()
{
    ClearZsegmentMesh(g_nCurZSeg - 1);
    UpdateAllViews(0);
}

void CTessaronDoc::OnMeshPlotAllSegMesh()
{
    {
        CWaitCursor wait;
        const int inUse = GetZSegmentsInUse();
        for (int i = 0; i < inUse; ++i)
            if (!PlotZsegmentMesh(i, i == 0))
                break;
    }
    UpdateAllViews(0);
}

void CTessaronDoc::OnMeshClearAllSegMesh()
{
    const int inUse = GetZSegmentsInUse();
    for (int i = 0; i < inUse; ++i)
        ClearZsegmentMesh(i);
    UpdateAllViews(0);
}

void CTessaronDoc::ClearZsegmentMesh(int index)
{
    if (IsZSegmentInUse(index))
        std::vector<CMeshElement>().swap(m_ZSegments[index].m_MeshTriangles);
}

bool CTessaronDoc::PlotZsegmentMesh(int index, bool askIfModified)
{
    if (!IsZSegmentInUse(index))
        return false;
    const std::string file = AppServices().Is3dMode() ? m_ZSegments[index].m_strLayerFile : GetDocFileName();
    if (file.empty()) {
        AfxMessageBox("Please save it first!");
        return false;
    }
    if (!PathNamesKind(file, ".layer")) {
        AfxMessageBox("It is not a .layer file!");
        return false;
    }
    if (askIfModified && IsModified() &&
        AfxMessageBox("You modified it, but did not save it. \n Do you want to continue plotting the previous mesh?",
                      MB_YESNO | MB_ICONQUESTION) == IDNO)
        return false;

    // The z-segment keeps its mesh until a new one has been read in full.
    const std::string meshFile = CToolRunner(AppServices().GetInstallRoot()).MakeMesh(file);
    CMeshElementList mesh;
    if (meshFile.empty() || !ReadMeshFile(meshFile, mesh))
        return false;

    // The triangles lie in the device's true geometry: laid out without the view's thin-layer
    // clamp. The views stretch them into whatever outline they draw.
    PrepareDrawing(false, 0.0f);
    for (const CMeshPolygon& polygon : LayerMeshPolygons(m_ZSegments[index], index))
        mesh.AssignRegion(polygon);
    mesh.CopyElements(m_ZSegments[index].m_MeshTriangles);
    return true;
}
