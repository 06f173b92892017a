#include "document/BuildCommandsFixture.h"

#include "platform/NumberText.h"
#include "support/FileBytes.h"

#include <cstring>

BuildCommandsFixture::BuildCommandsFixture() { doc().SetMacroList(&harness.macros); }

void BuildCommandsFixture::OpenRidge()
{
    ridgePath = folder.Write("ridge.layer", ExistingFileBytes(kLayerFixtures + "ridge_two_columns.layer"));
    ASSERT_TRUE(doc().OnOpenDocument(ridgePath));
    ASSERT_TRUE(prompts.Texts().empty());
    views.hints.clear();
}

void BuildCommandsFixture::OpenRidgeAsZSegments(std::initializer_list<std::pair<double, double>> ranges)
{
    OpenRidge();
    const CZSegment ridge = Seg(0);
    const CMaterialSet set = doc().m_MaterialSets.at(0);
    int z = 0;
    for (const auto& range : ranges) {
        Seg(z) = ridge;
        Seg(z).m_Params.m_dZFrom = range.first;
        Seg(z).m_Params.m_dZTo = range.second;
        if (z > 0)
            doc().m_MaterialSets.push_back(set);
        ++z;
    }
    g_nZSegCount = z;
    g_nCurZSeg = 1;
    std::memset(g_ColourUsage, 0, sizeof g_ColourUsage);
    doc().RecountLayerColours();
    doc().BuildSegInfoList();
    doc().UndoHistory().Clear();
}

std::string BuildCommandsFixture::SavedDevice()
{
    std::string device = StrFormat("%d z-segments\n", g_nZSegCount);
    for (int z = 0; z < g_nZSegCount; ++z) {
        const std::string path = folder.File(StrFormat("saved%d.layer", z));
        EXPECT_TRUE(doc().SaveZsegmentLayerFile(z, path));
        const CZSegmentParams& params = Seg(z).m_Params;
        device += StrFormat("z-segment %d: %.6f %.6f %d\n", z + 1, params.m_dZFrom, params.m_dZTo, params.m_nZPlanes);
        device += FileBytes(path);
    }
    return device;
}

int BuildCommandsFixture::UndoEntries() { return doc().UndoHistory().GetSnapshotCount(); }

int BuildCommandsFixture::ColourUses() const
{
    int uses = 0;
    for (const auto& row : g_ColourUsage)
        for (int cell : row)
            uses += cell;
    return uses;
}
