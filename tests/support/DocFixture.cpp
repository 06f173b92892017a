#include "support/DocFixture.h"

DocFixture::DocFixture()
{
    SetProfile(&profile);
    ResetProcessState();
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
