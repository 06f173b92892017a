// Whole saves of the ".layer" fixtures: read into a z-segment, edited through the records, written
// and merged into the lines the file had when it was loaded.

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include "LayerFileHarness.h"
#include "platform/Archive.h"
#include "platform/FileIO.h"
#include "platform/StringUtil.h"
#include "support/GoldenFile.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/LayerFileUpdater.h"
#include "textfiles/LayerParamFlags.h"

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "model/ContactRec.h"

namespace {

const std::string kGolden = std::string(TESSARON_FIXTURES) + "/updater/golden/";

// The lines of a file as the document records them when it loads it, and its z-segment.
struct LoadedDevice {
    LayerFileHarness h;
    CKeywordLineList old;
    CLoadContext loaded;  // the include table and folder the load left

    bool Load(const std::string& bytes, const std::string& path)
    {
        h.lines.RemoveAll();
        loaded = CLoadContext();
        CArchive archive;
        archive.OpenLoadFromMemory(bytes, path);
        if (!h.lines.Serialize(archive, loaded))
            return false;
        h.copy = h.lines;
        old = h.lines;
        return h.Read(0) == 1;
    }

    // Writes the z-segment and merges it into the recorded lines, as a save to path does.
    std::string Save(const std::string& path)
    {
        h.Write(0);
        CLayerFileUpdater updater;
        updater.SetPath(path);
        updater.SetMacroList(&h.macros);
        updater.SetLoadContext(loaded);
        CKeywordLineList result;
        updater.Update(old, h.lines, result);
        return result.StoreRawText();
    }
};

CLayerRec& At(CZSegment& z, int column, int row) { return z.Column(column).Layer(row); }

void EachColumn(CZSegment& z, const std::function<void(CColumnRec&)>& edit)
{
    for (int c = 0; c < z.GetColumnCount(); ++c)
        edit(z.Column(c));
}

struct Edit {
    const char* name;
    std::function<void(CZSegment&)> apply;
};

const Edit kEdits[] = {
    {"unchanged", [](CZSegment&) {}},
    {"thickness",
     [](CZSegment& z) {
         EachColumn(z, [](CColumnRec& c) {
             if (c.HasRow(1))
                 c.Layer(1).m_fHeight = 1.25f;
         });
     }},
    {"variable",
     [](CZSegment& z) {
         // The first layer whose macro takes parameters.
         for (int r = 0; r < z.Column(0).GetLayersInUse(); ++r) {
             CLayerRec& layer = At(z, 0, r);
             const std::string& name = layer.m_Material.m_Bulk.m_strName;
             if (name.rfind("algaas", 0) == 0 || name.rfind("ingaasp", 0) == 0) {
                 layer.m_Material.m_Bulk.m_dVar[0] = 0.35;
                 return;
             }
         }
     }},
    {"contact", [](CZSegment& z) { z.Column(0).m_Contacts.Bottom(0).m_fTo = 2.0f; }},
    {"label",
     [](CZSegment& z) {
         EachColumn(z, [](CColumnRec& c) {
             if (!c.HasRow(0))
                 return;
             for (CLabelRec& label : c.Layer(0).m_Labels)
                 label.m_strText = "base";
         });
     }},
    {"new_row",
     [](CZSegment& z) {
         EachColumn(z, [](CColumnRec& c) {
             if (!c.HasRow(0))
                 return;
             CLayerRec layer = c.Layer(0);
             layer.m_fHeight = 0.75f;
             layer.m_Labels.clear();
             c.InsertLayer(1, layer);
         });
     }},
    {"removed_row",
     [](CZSegment& z) {
         EachColumn(z, [](CColumnRec& c) {
             if (c.HasRow(1))
                 c.RemoveLayer(1);
         });
         for (CContactList& group : z.m_SideContacts)
             if (group.m_nRow > 1)
                 --group.m_nRow;
     }},
    {"new_column",
     [](CZSegment& z) {
         CColumnRec column = z.Column(z.GetColumnCount() - 1);
         const int index = z.GetColumnCount();
         column.m_nColumnIndex = index;
         column.m_Size.m_fLowerWidth = 1.5f;
         column.m_Mesh.m_nExtraLow = column.m_Mesh.m_nExtraHigh = 0;
         for (int r = 0; r < column.GetLayersInUse(); ++r) {
             CLayerRec& layer = column.Layer(r);
             layer.m_fLowerWidth = layer.m_fUpperWidth = layer.m_fWidth = 1.5f;
             layer.m_nColumn = index;
             if (layer.m_Grating->m_nColumn >= 0)
                 layer.m_Grating.Edit().m_nColumn = index;
         }
         column.m_Labels.clear();
         column.m_Contacts.Clear();
         z.AppendColumn(column);
     }},
};

const char* const kFixtures[] = {"ridge_two_columns.layer", "three_columns_include.layer"};

std::string GoldenName(const std::string& fixture, const char* edit)
{
    return fixture.substr(0, fixture.find('.')) + "_" + edit + ".layer";
}

// Makes the edited z-segment comparable with the one read back from its saved file, in the fields
// that the file, not the edit, decides: comments (the merge keeps the old ones where they stood),
// the VCSEL section values of a layer (the reader gives a row the section statement that precedes
// it), the row numbers the records carry, and the empty layers the writer adds to short columns.
void AlignWhatTheFileOwns(CZSegment& edited, const CZSegment& read)
{
    for (int i = 0; i < 5; ++i)
        edited.m_strComments[i] = read.m_strComments[i];
    for (int c = 0; c < edited.GetColumnCount() && c < read.GetColumnCount(); ++c) {
        CColumnRec& column = edited.Column(c);
        const CColumnRec& readColumn = read.GetColumn(c);
        for (int r = column.GetLayersInUse(); r < readColumn.GetLayersInUse(); ++r)
            if (readColumn.GetLayer(r).m_Material.m_Bulk.m_strName.rfind("void", 0) == 0)
                column.AppendLayer(readColumn.GetLayer(r));
        for (int r = 0; r < column.GetLayersInUse() && r < readColumn.GetLayersInUse(); ++r) {
            CLayerRec& layer = column.Layer(r);
            const CLayerRec& readLayer = readColumn.GetLayer(r);
            layer.m_nRow = r;
            layer.m_strComment = readLayer.m_strComment;
            layer.m_strMaterialComment = readLayer.m_strMaterialComment;
            const std::string type = layer.m_Vcsel->m_strVcselType;
            layer.m_Vcsel = readLayer.m_Vcsel;
            layer.m_Vcsel.Edit().m_strVcselType = type;
            layer.m_VcselStatement = readLayer.m_VcselStatement;
            layer.m_nVcselFlag = readLayer.m_nVcselFlag;
        }
    }
}

class LayerFileUpdaterDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillLayerParamFlags();
        m_prompts.AllowUnscripted();  // the writer's remarks on macros the fixtures leave incomplete
    }
    ScriptedPrompts m_prompts;
};

}  // namespace

TEST_F(LayerFileUpdaterDeviceTest, EditedDevicesAreMergedIntoTheirFiles)
{
    for (const char* fixture : kFixtures) {
        for (const Edit& edit : kEdits) {
            SCOPED_TRACE(GoldenName(fixture, edit.name));
            TempFolder out;
            LoadedDevice device;
            ASSERT_TRUE(device.Load(FileBytes(kLayerFixtures + fixture), kLayerFixtures + fixture));
            edit.apply(device.h.zsegs[0]);
            const std::string saved = device.Save(out.File(fixture));
            const std::string golden = kGolden + GoldenName(fixture, edit.name);
            ExpectGoldenFile(saved, golden);
        }
    }
}

TEST_F(LayerFileUpdaterDeviceTest, SavingASavedFileAgainChangesNothing)
{
    for (const char* fixture : kFixtures) {
        for (const Edit& edit : kEdits) {
            SCOPED_TRACE(GoldenName(fixture, edit.name));
            TempFolder out;
            const std::string path = out.File(fixture);
            LoadedDevice first;
            ASSERT_TRUE(first.Load(FileBytes(kLayerFixtures + fixture), kLayerFixtures + fixture));
            edit.apply(first.h.zsegs[0]);
            const std::string saved = first.Save(path);
            ASSERT_TRUE(WriteFileAtomic(path, saved));

            LoadedDevice reopened;
            ASSERT_TRUE(reopened.Load(saved, path));
            const std::string again = reopened.Save(path);
            EXPECT_EQ(again, saved);
            // The saved file reads back as the edited device.
            CZSegment edited = first.h.zsegs[0];
            const CZSegment& read = reopened.h.zsegs[0];
            AlignWhatTheFileOwns(edited, read);
            ExpectSameZSegment(edited, read);
        }
    }
}

TEST_F(LayerFileUpdaterDeviceTest, EveryStatementOfTheFileSurvivesAnEditElsewhere)
{
    auto isUserParam = [](std::string name) {
        while (!name.empty() && name.back() >= '0' && name.back() <= '9')
            name.pop_back();
        return g_layerParamFlags.count(name) == 0;
    };
    for (const char* fixture : kFixtures) {
        for (const Edit& edit : kEdits) {
            if (std::string(edit.name) == "removed_row")
                continue;  // the removed row takes its statements along
            SCOPED_TRACE(GoldenName(fixture, edit.name));
            TempFolder out;
            LoadedDevice device;
            ASSERT_TRUE(device.Load(FileBytes(kLayerFixtures + fixture), kLayerFixtures + fixture));
            edit.apply(device.h.zsegs[0]);
            const std::string saved = device.Save(out.File(fixture));
            const CKeywordLineList fresh = device.h.lines;

            CKeywordLineList written;
            CLoadContext context;
            CArchive archive;
            archive.OpenLoadFromMemory(saved, out.File(fixture));
            ASSERT_TRUE(written.Serialize(archive, context));
            std::string text;
            for (const CKeywordLine& line : written.m_lines)
                text += Trim(line.m_strText) + "\n";
            for (const CKeywordLine& line : device.old.m_lines) {
                const bool plain = IsNonStructureLine(line);
                if (plain && line.m_strKeyword != "rotation" && line.m_strKeyword != "layer_position" &&
                    line.m_strKeyword != "column_position") {
                    EXPECT_NE(text.find(Trim(line.m_strText) + "\n"), std::string::npos) << line.m_strText;
                }
                for (const CKeywordParam& p : line.m_params) {
                    if (!plain && isUserParam(p.m_strName)) {
                        EXPECT_NE(text.find(p.m_strName + "=" + p.m_strValue), std::string::npos) << p.m_strName;
                    }
                }
            }
            // Every statement of the model is written once.
            for (const char* keyword : {"column", "layer", "layer_mater", "grating_compos", "bottom_contact",
                                        "top_contact", "left_contact", "right_contact", "layer_position",
                                        "column_position", "vcsel_section"})
                EXPECT_EQ(written.CountKeyword(keyword), fresh.CountKeyword(keyword)) << keyword;
        }
    }
}

TEST_F(LayerFileUpdaterDeviceTest, AnIncludedRowWithMacroParametersKeepsItsIncludeUntilItChanges)
{
    // The grating row of the ridge kept in a file of its own: the merge clears the macro parameters
    // of material and grating statements before it writes them anew, and that alone is no change
    // of the included file.
    TempFolder folder;
    const std::string ridge = FileBytes(kLayerFixtures + "ridge_two_columns.layer");
    const std::size_t from = ridge.find("$ graded core");
    const std::size_t to = ridge.find("\r\n", ridge.find("layer d=0.4")) + 2;
    ASSERT_TRUE(WriteFileAtomic(folder.File("core.inc"), ridge.substr(from, to - from)));
    const std::string main = ridge.substr(0, from) + "include file=core.inc\r\n" + ridge.substr(to);
    ASSERT_TRUE(WriteFileAtomic(folder.File("ridge.layer"), main));

    const struct {
        const char* what;
        std::function<void(CZSegment&)> edit;
        bool includeKept;
    } cases[] = {
        {"unchanged", [](CZSegment&) {}, true},
        {"grating variable", [](CZSegment& z) { At(z, 1, 2).m_Grating.Edit().m_dHiVar[0] = 0.25; }, false},
    };
    for (const auto& c : cases) {
        LoadedDevice device;
        ASSERT_TRUE(device.Load(main, folder.File("ridge.layer"))) << c.what;
        c.edit(device.h.zsegs[0]);
        const std::string saved = device.Save(folder.File("ridge.layer"));
        EXPECT_EQ(saved.find("include file=core.inc\r\n") != std::string::npos, c.includeKept) << c.what;
        EXPECT_EQ(saved.find("grating_compos") == std::string::npos, c.includeKept) << c.what;
        if (!c.includeKept) {
            EXPECT_NE(saved.find("hi_var1=0.25"), std::string::npos) << c.what;
        }
        LoadedDevice reopened;
        ASSERT_TRUE(reopened.Load(saved, folder.File("ridge.layer"))) << c.what;
        EXPECT_EQ(reopened.Save(folder.File("ridge.layer")), saved) << c.what;
    }
}
