#include "support/DocFixture.h"

CLayerRec MakeLayer(const std::string& bulk, float height, float width)
{
    CLayerRec layer;
    layer.m_Material.m_Bulk.m_strName = bulk;
    layer.m_fHeight = height;
    layer.m_fWidth = layer.m_fUpperWidth = layer.m_fLowerWidth = width;
    return layer;
}

DocFixture::DocFixture()
{
    SetProfile(&profile);
    ResetProcessState();
    g_strIsolatedMethod = "no";
    m_doc = std::make_unique<CTessaronDoc>();
    m_doc->SetViews(&views);
}

DocFixture::~DocFixture()
{
    m_doc.reset();
    ResetProcessState();
    SetProfile(nullptr);
}

void DocFixture::UseZSegments(int count)
{
    doc().m_ZSegments.assign(CTessaronDoc::kZSegmentRecords, CZSegment());
    g_nZSegCount = count;
    g_nCurZSeg = count > 0 ? 1 : 0;
}

CColumnRec& DocFixture::AddColumn(int zseg, std::initializer_list<std::string> bulks)
{
    CColumnRec column;
    column.SetLayerCount(CColumnRec::kMaxLayers);
    for (const std::string& bulk : bulks)
        column.AppendLayer(MakeLayer(bulk));
    Seg(zseg).AppendColumn(column);
    return Seg(zseg).Column(Seg(zseg).GetColumnCount() - 1);
}
