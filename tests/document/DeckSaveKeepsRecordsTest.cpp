// A deck save writes the device; it does not change it. The range lines and taper points it writes
// come from the columns laid out, but that layout lines the rows and edges up and keeps the contact
// ranges within their columns: done on the records after the ".layer" files were written, it left
// the device in memory different from the files it had just saved. After a save the records are
// what the saved deck reopens to, whether or not a view has drawn the device.

#include "model/ProcessState.h"
#include "platform/NumberText.h"
#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

std::string Fixture(const std::string& name) { return std::string(TESSARON_FIXTURES) + "/layer/" + name; }

// Per z-segment in use and column: the contact ranges, then every layer's lower and upper width
// and height.
std::string LayerTable(CTessaronDoc& doc)
{
    std::string text;
    for (int z = 0; z < g_nZSegCount; ++z) {
        text += StrFormat("z-segment %d\n", z + 1);
        const CZSegment& segment = doc.m_ZSegments[static_cast<std::size_t>(z)];
        for (int c = 0; c < segment.GetColumnCount(); ++c) {
            const CColumnRec& column = segment.GetColumn(c);
            text += StrFormat(" column %d bottom", c + 1);
            for (int i = 0; i < column.m_Contacts.GetBottomCount(); ++i)
                text += StrFormat(" %g..%g", column.m_Contacts.Bottom(i).m_fFrom, column.m_Contacts.Bottom(i).m_fTo);
            text += " top";
            for (int i = 0; i < column.m_Contacts.GetTopCount(); ++i)
                text += StrFormat(" %g..%g", column.m_Contacts.Top(i).m_fFrom, column.m_Contacts.Top(i).m_fTo);
            text += "\n";
            for (const CLayerRec& layer : column.GetLayers())
                text += StrFormat("  lower %g upper %g height %g\n", layer.m_fLowerWidth, layer.m_fUpperWidth,
                                  layer.m_fHeight);
        }
    }
    return text;
}

// What a view draws from: every layer's outline, z range and highlight.
std::string Drawing(CTessaronDoc& doc)
{
    std::string text;
    for (int z = 0; z < g_nZSegCount; ++z)
        for (const CColumnRec& column : doc.m_ZSegments[static_cast<std::size_t>(z)].GetColumns())
            for (const CLayerRec& layer : column.GetLayers())
                text += StrFormat("(%g %g) (%g %g) (%g %g) (%g %g) z %g..%g selected %d\n", layer.m_A.x, layer.m_A.y,
                                  layer.m_B.x, layer.m_B.y, layer.m_C.x, layer.m_C.y, layer.m_D.x, layer.m_D.y,
                                  layer.m_fZFrom, layer.m_fZTo, layer.m_nSelected);
    return text;
}

struct SavedDeckCase {
    const char* name;
    bool drawn;  // a view draws the device, thin layers clamped, from its opening on
};

void PrintTo(const SavedDeckCase& c, std::ostream* os) { *os << c.name; }

class DeckSaveKeepsRecords : public DocFixture, public ::testing::WithParamInterface<SavedDeckCase> {
protected:
    DeckSaveKeepsRecords()
    {
        app.mode3d = true;
        // A device whose second row comes from an included file, with a bottom contact range
        // (3..6) beyond its column's width (3) and rows whose widths do not meet: the layout
        // would shorten the range and change the included row's lower width.
        device.Write("three_columns_include.layer", ExistingFileBytes(Fixture("three_columns_include.layer")));
        device.Write("one_row.inc", ExistingFileBytes(Fixture("one_row.inc")));
        prompts.AllowUnscripted();  // the reader's and the mesh check's remarks
    }

    TempFolder device;
};

}  // namespace

TEST_P(DeckSaveKeepsRecords, TheRecordsAfterASaveAreWhatTheSavedDeckReopensTo)
{
    const SavedDeckCase& c = GetParam();
    if (c.drawn)
        doc().SetThinLayerHeight(2, true, 0.2f);
    ASSERT_TRUE(doc().OnOpenDocument(device.File("three_columns_include.layer")));
    doc().SetSelection(0, 0, 1);
    const std::string table = LayerTable(doc());
    const std::string drawing = Drawing(doc());
    if (!c.drawn) {
        ASSERT_NE(table.find("bottom 0..3 3..6 "), std::string::npos) << "the range is kept as read\n" << table;
    }

    const std::string deck = device.File("dev.sol");
    ASSERT_TRUE(doc().OnSaveDocument(deck));
    ASSERT_EQ(doc().GetPathName(), deck);
    EXPECT_EQ(LayerTable(doc()), table) << "the save changed the device";
    EXPECT_EQ(Drawing(doc()), drawing) << "the save changed what the views draw";
    // The range lines are written all the same, from a laid-out copy of the columns.
    const std::string saved = device.Read("dev.layer");
    EXPECT_NE(saved.find("$xrange "), std::string::npos) << saved;

    ASSERT_TRUE(doc().OnNewDocument());
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    EXPECT_EQ(LayerTable(doc()), table) << "the deck reopens to another device than the one in memory";
}

INSTANTIATE_TEST_SUITE_P(Views, DeckSaveKeepsRecords,
                         ::testing::Values(SavedDeckCase{"undrawn", false}, SavedDeckCase{"drawn", true}),
                         [](const auto& info) { return std::string(info.param.name); });
