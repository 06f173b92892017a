// A device built with New Column and New Layer holds after each edit what its save reads back as:
// the layer table (each cell's material, size and colour pair) is the same after a save and a
// reopen, so the picture does not change across them.

#include "CommandIds.h"
#include "document/BuildCommandsFixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <sstream>

namespace {

std::string LabelsOf(const CLayerRec& layer)
{
    std::string text;
    for (const CLabelRec& label : layer.m_Labels)
        text += " label=" + label.m_strText;
    return text;
}

// Each column's layers in use as the 2-D view draws them: bulk and active macro and doping kind
// (equal layers share a colour by them), empty or not, height, both widths, the colour pair and the
// row labels.
std::string LayerTable(const CZSegment& segment)
{
    std::ostringstream text;
    for (const CColumnRec& column : segment.GetColumns()) {
        text << "column\n";
        for (const CLayerRec& layer : column.GetLayers())
            text << "  " << layer.m_Material.m_Bulk.m_strName << "/" << layer.m_Material.m_Active->m_strName << " "
                 << layer.m_Doping.m_strKind << (layer.IsEmpty() ? " empty" : "") << " d=" << layer.m_fHeight
                 << " w=" << layer.m_fLowerWidth << ".." << layer.m_fUpperWidth << " colour=" << layer.m_nColour
                 << "," << layer.m_nPattern << LabelsOf(layer) << "\n";
    }
    return text.str();
}

// One step of building: the command, the cell selected before it (-1 none) and the layer entered,
// with the label of its row when one is entered.
struct BuildStep {
    int command;
    int column, row;
    const char* bulk;
    float height, width;
    const char* rowLabel = nullptr;
};

struct BuildCase {
    const char* what;
    std::vector<BuildStep> steps;
};

void PrintTo(const BuildCase& c, std::ostream* os) { *os << c.what; }

const BuildCase kBuildCases[] = {
    {"a new column beside a taller one",
     {{ID_COLUMN_NEW, -1, -1, "gaas", 1.5f, 3.0f},
      {ID_LAYER_NEW, 0, 0, "algaas", 0.5f, 3.0f},
      {ID_LAYER_NEW, 0, 1, "ingaas", 0.25f, 3.0f},
      {ID_COLUMN_NEW, 0, 0, "inp", 1.5f, 2.0f}}},
    {"a new layer on a short column",
     {{ID_COLUMN_NEW, -1, -1, "gaas", 1.5f, 3.0f},
      {ID_LAYER_NEW, 0, 0, "algaas", 0.5f, 3.0f},
      {ID_LAYER_NEW, 0, 1, "ingaas", 0.25f, 3.0f},
      {ID_COLUMN_NEW, 0, 0, "inp", 1.5f, 2.0f},
      {ID_LAYER_NEW, 1, 0, "sio2", 0.75f, 2.0f}}},
    {"a new layer raising a short column above the others",
     {{ID_COLUMN_NEW, -1, -1, "gaas", 1.5f, 3.0f},
      {ID_COLUMN_NEW, -1, -1, "inp", 1.0f, 2.0f},
      {ID_LAYER_NEW, 1, 0, "algaas", 0.5f, 2.0f},
      {ID_LAYER_NEW, 0, 0, "sio2", 0.75f, 3.0f},
      {ID_LAYER_NEW, 0, 1, "ingaas", 0.25f, 3.0f}}},
    {"a short column between two taller ones",
     {{ID_COLUMN_NEW, -1, -1, "gaas", 1.5f, 3.0f},
      {ID_LAYER_NEW, 0, 0, "algaas", 0.5f, 3.0f},
      {ID_COLUMN_NEW, 0, 0, "inp", 1.0f, 2.0f},
      {ID_COLUMN_NEW, 1, 0, "gaas", 1.0f, 2.5f},
      {ID_LAYER_NEW, 2, 0, "ingaas", 0.8f, 2.5f}}},
    {"a new column beside labelled rows",
     {{ID_COLUMN_NEW, -1, -1, "gaas", 1.5f, 3.0f},
      {ID_LAYER_NEW, 0, 0, "algaas", 0.5f, 3.0f, "clad"},
      {ID_LAYER_NEW, 0, 1, "ingaas", 0.25f, 3.0f, "core"},
      {ID_COLUMN_NEW, -1, -1, "inp", 1.5f, 2.0f}}},
    {"a new layer left without a material",
     {{ID_COLUMN_NEW, -1, -1, "gaas", 1.5f, 3.0f},
      {ID_COLUMN_NEW, -1, -1, "inp", 1.5f, 2.0f},
      {ID_LAYER_NEW, 1, 0, "", 0.5f, 2.0f},
      {ID_LAYER_NEW, 0, 0, "algaas", 0.5f, 3.0f}}},
};

class BuiltDeviceReopens : public BuildCommandsFixture, public ::testing::WithParamInterface<BuildCase> {
protected:
    BuiltDeviceReopens() { app.mode3d = false; }

    void Build(const BuildStep& step)
    {
        if (step.column >= 0)
            doc().SetSelection(0, step.column, step.row);
        sheets.AcceptNextSheet([step] {
            g_EditLayer.m_Material.m_Bulk.m_strName = step.bulk;
            g_EditLayer.m_fHeight = step.height;
            g_EditLayer.m_fWidth = g_EditLayer.m_fUpperWidth = g_EditLayer.m_fLowerWidth = step.width;
            if (step.rowLabel) {
                CLabelRec label;
                label.m_strText = step.rowLabel;
                label.m_nLocation = 1;
                g_EditLayer.m_Labels = {label};
            }
            // Mesh counts set, so that the save asks nothing.
            g_EditLayer.m_Mesh.m_nMeshNum = 4;
            g_EditColumn.m_Mesh.m_nMeshNum = 4;
        });
        Run(step.command);
    }
};

}  // namespace

TEST_P(BuiltDeviceReopens, TheLayerTableAfterEachEditIsTheOneASaveAndReopenGives)
{
    ASSERT_TRUE(doc().OnNewDocument());
    int saves = 0;
    for (const BuildStep& step : GetParam().steps) {
        Build(step);
        ASSERT_EQ(g_nZSegCount, 1);
        const std::string edited = LayerTable(Seg(0));
        const std::string path = folder.File("built" + std::to_string(++saves) + ".layer");
        ASSERT_TRUE(doc().OnSaveDocument(path));
        ASSERT_TRUE(doc().OnOpenDocument(path));
        EXPECT_EQ(LayerTable(Seg(0)), edited) << "after step " << saves;
        EXPECT_TRUE(prompts.Texts().empty()) << ::testing::PrintToString(prompts.Texts());
    }
}

INSTANTIATE_TEST_SUITE_P(Building, BuiltDeviceReopens, ::testing::ValuesIn(kBuildCases));
