#include "render/Scene2d.h"

#include "model/ZSegment.h"
#include "render/BackGrid.h"
#include "render/LayerBatchCache.h"
#include "render/MeshDrawing.h"
#include "render/SideContactDrawing.h"


void SetupGL2d()
{
    glClearColor(0, 0, 0, 1);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

void UploadTextures(const CTextureData images[kTextureNameCount], GLuint names[kTextureNameCount])
{
    glGenTextures(kTextureNameCount, names);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int i = 0; i < kTextureNameCount; ++i) {
        const CTextureData& image = images[i];
        if (!image.rgb || image.width <= 0 || image.height <= 0) continue;
        glBindTexture(GL_TEXTURE_2D, names[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE, image.rgb);
    }
    glEnable(GL_TEXTURE_2D);
}

void FillLayerBatch2d(const CZSegment& segment, int currentZSeg, CFlatLayerBatch& batch)
{
    batch.Clear();
    for (const CColumnRec& column : segment.GetColumns())
        for (const CLayerRec& layer : column.GetLayers())
            if (layer.m_Material.m_Bulk.m_strName != "void") batch.Add(layer, currentZSeg);
}

void DrawLayers2d(const CZSegment& segment, int currentZSeg)
{
    // Reused between frames so that a large device does not allocate on every paint.
    static thread_local CFlatLayerBatch batch;
    FillLayerBatch2d(segment, currentZSeg, batch);
    batch.Draw();
}

void DrawMesh2d(const CZSegment& segment, int segmentIndex) { DrawMeshOutlines(segment, segmentIndex, 1000.0f); }

void StartFrame2d(const CView2dState& view)
{
    LoadProjection2d(view);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void RenderScene2d(const CView2dState& view, const CScene2d& scene)
{
    StartFrame2d(view);
    glPushMatrix();
    // The grid is drawn in its own colours, not tinted by the last bound texture.
    glDisable(GL_TEXTURE_2D);
    if (scene.backGrid) DrawBackGrid(BackGridLines(view));
    if (scene.segment) {
        const CZSegment& seg = *scene.segment;
        // The front of the z-segment at z 0.
        glTranslatef(0, 0, -float(seg.m_Params.m_dZTo));
        if (scene.layerBatches)
            scene.layerBatches->Batch(seg, scene.currentZSeg - 1, scene.currentZSeg, scene.revision).Draw();
        else
            DrawLayers2d(seg, scene.currentZSeg);
        DrawMesh2d(seg, scene.currentZSeg - 1);
        DrawSideContacts2d(seg, view.contactBarThickness);
        for (const CColumnRec& column : seg.GetColumns())
            DrawTopContacts(column, view.contactBarThickness, 1.0f, false);
        for (const CColumnRec& column : seg.GetColumns())
            DrawBottomContacts(column, view.contactBarThickness, 1.0f, false);
    }
    glPopMatrix();
}
