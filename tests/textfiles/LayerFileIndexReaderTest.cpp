#include "textfiles/LayerFileIndexReader.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Two columns, two rows, a VCSEL section, a grating and contacts; blank lines, a continuation line
// and a parameter written with blanks around its "=".
const char kDevice[] =
    "\r\n"
    "\r\n"
    "begin_layer\r\n"
    "column column_num=1 w=2.5 mesh_num=10 r=1.1\r\n"
    "column column_num=2 w = 3.5\r\n"
    "bottom_contact column_num=1 from=0 to=1.5 contact_num=1\r\n"
    "bottom_contact column_num=1 from=1.5 to=2.5 contact_num=2\r\n"
    "top_contact column_num=2 from=0 to=3\r\n"
    "vcsel_section vcsel_type=V1 mesh_points=5 layer1=0.1\r\n"
    "layer d=0.5 n=4 n_doping1=1e18 &&\r\n"
    "  p_doping2=2e17 w1=2.5\r\n"
    "layer_mater macro_name=gaas var1=0.1 grade_var=1 grade_from=0 grade_to=0.3\r\n"
    "layer_mater macro_name=inp var1=0.2\r\n"
    "grating_compos column_num=2 d_high=0.2 hi_var1=0.4\r\n"
    "layer d=1.5\r\n"
    "layer_mater macro_name=gaas var2=7\r\n"
    "layer_mater macro_name=gaas\r\n"
    "end_layer\r\n";

struct Expect {
    int id, z, layer, column;
    const char* key;
    const char* value;
    int line, start, end;
};

}  // namespace

TEST(LayerFileIndex, ItemsKnowTheirFileLineAndSpan)
{
    TempFolder folder;
    const std::string path = folder.Write("dev.layer", kDevice);
    ScriptedPrompts prompts;
    CLayerFileIndex index;
    CLayerFileIndexReader reader(index);
    ASSERT_TRUE(reader.Load(path, 3));
    EXPECT_EQ(index.m_strPath, path);

    const Expect cases[] = {
        {1, 3, 0, 0, "", "2.5", 3, 22, 25},         // a column's "w" first, for any layer
        {1, 3, 0, 1, "", "3.5", 4, 24, 27},         // written "w = 3.5"
        {50, 3, 5, 0, "", "10", 3, 35, 37},
        {0, 3, 0, 1, "", "0.5", 9, 8, 11},          // a layer's own values from any column
        {40, 3, 0, 0, "", "1e18", 9, 26, 30},
        {40, 3, 0, 1, "", "2e17", 10, 12, 16},      // on the continuation line
        {10, 3, 0, 0, "", "0.1", 11, 33, 36},
        {10, 3, 0, 1, "", "0.2", 12, 32, 35},
        {30, 3, 0, 0, "", "0", 11, 60, 61},         // grade_var 1: ids 30 and 31
        {31, 3, 0, 0, "", "0.3", 11, 71, 74},
        {11, 3, 1, 0, "", "7", 15, 33, 34},
        {0, 3, 1, 0, "", "1.5", 14, 8, 11},
        {101, 3, 7, 7, "V1", "5", 8, 40, 41},
        {103, 3, 0, 0, "V1", "0.1", 8, 49, 52},
        {70, 3, 1, 1, "", "0.2", 13, 35, 38},       // the grating belongs to the layer after it
        {75, 3, 1, 1, "", "0.4", 13, 47, 50},
        {1, 3, 1, 0, "", "2.5", 3, 22, 25},
    };
    for (const Expect& e : cases) {
        CLayerFileItem item;
        ASSERT_TRUE(index.FindItem(e.id, e.z, e.layer, e.column, e.key, item)) << e.id << " " << e.value;
        EXPECT_EQ(item.m_strValue, e.value) << e.id;
        EXPECT_EQ(item.m_strFile, path);
        EXPECT_EQ(item.m_nLine, e.line) << e.id << " " << e.value;
        EXPECT_EQ(item.m_nStart, e.start) << e.id << " " << e.value;
        EXPECT_EQ(item.m_nEnd, e.end) << e.id << " " << e.value;
    }

    // Contacts: column from column_num, the index among earlier ones of the same column.
    const auto contact = [&index](const std::string& keyword, int column, int k, int id) -> std::string {
        for (const CLayerFileItem& item : index.m_Items) {
            if (item.m_strKey == keyword && item.m_nFirst == column && item.m_nSecond == k && item.m_nParamId == id)
                return item.m_strValue;
        }
        return "missing";
    };
    EXPECT_EQ(contact("bottom_contact", 0, 1, 0), "1.5");
    EXPECT_EQ(contact("bottom_contact", 0, 0, 1), "1.5");
    EXPECT_EQ(contact("top_contact", 1, 0, 1), "3");

    prompts.AnswerNext(IDOK);
    CLayerFileItem item;
    EXPECT_FALSE(index.FindItem(28, 3, 0, 0, "", item));  // grade_var 1 has no id 28
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"Can't find this item in file, \nPerhaps you should save file first!"});
}

TEST(LayerFileIndex, AContactValueOfTheGridIsFoundByItsSeriesTarget)
{
    TempFolder folder;
    const std::string path = folder.Write("dev.layer", kDevice);
    ScriptedPrompts prompts;
    CLayerFileIndex index;
    CLayerFileIndexReader reader(index);
    ASSERT_TRUE(reader.Load(path, 2));
    struct Case {
        CSeriesTarget target;
        const char* value;  // nullptr: not found
    };
    const auto target = [](int z, int owner, int contact, int kind, const char* keyword) {
        CSeriesTarget t;
        t.m_nZSeg = z;
        t.m_nOwner = owner;
        t.m_nContact = contact;
        t.m_nValueKind = kind;
        t.m_dValue = 1.0;
        t.m_strKeyword = keyword;
        return t;
    };
    const Case cases[] = {
        {target(2, 0, 0, 0, "bottom_contact"), "0"},
        {target(2, 0, 1, 0, "bottom_contact"), "1.5"},  // the second range of column 1
        {target(2, 0, 1, 1, "bottom_contact"), "2.5"},
        {target(2, 1, 0, 1, "top_contact"), "3"},
        {target(2, 1, 0, 1, "bottom_contact"), nullptr},  // column 2 has no bottom range
        {target(2, 0, 2, 0, "bottom_contact"), nullptr},
        {target(1, 0, 0, 0, "bottom_contact"), nullptr},  // another z-segment
        {target(2, 0, 0, 2, "bottom_contact"), nullptr},  // no barrier written
        {target(2, -1, 0, 0, "bottom_contact"), nullptr},  // the owner is compared, not a wildcard
    };
    for (const Case& c : cases) {
        prompts.Clear();
        if (!c.value)
            prompts.AnswerNext(IDOK);
        CLayerFileItem item;
        EXPECT_EQ(index.FindContactItem(c.target, item), c.value != nullptr) << c.target.m_strKeyword;
        if (c.value) {
            EXPECT_EQ(item.m_strValue, c.value);
            EXPECT_EQ(item.m_strFile, path);
            EXPECT_TRUE(prompts.Texts().empty());
        } else {
            EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Error when series contact, \nPlease save file first!"});
        }
    }
}

TEST(LayerFileIndex, IncludedStatementsPointAtTheFileThatHoldsThem)
{
    TempFolder folder;
    // Two includes of the same depth and index from different files share a source id; a nested
    // include lies in a sub-folder of its including file.
    const std::string path = folder.Write("dev.layer",
                                          "begin_layer\r\n"
                                          "column column_num=1 w=1\r\n"
                                          "include file=sub/rows.inc\r\n"
                                          "end_layer\r\n");
    folder.Write("sub/rows.inc",
                 "layer d=0.25\r\n"
                 "include file=more.inc\r\n");
    folder.Write("sub/more.inc",
                 "$ comment\r\n"
                 "layer_mater macro_name=gaas var1=0.5\r\n");
    CLayerFileIndex index;
    CLayerFileIndexReader reader(index);
    ASSERT_TRUE(reader.Load(path, 0));
    EXPECT_EQ(index.m_Includes.at(501), "sub/rows.inc");
    EXPECT_EQ(index.m_Includes.at(1001), "more.inc");
    ScriptedPrompts prompts;
    CLayerFileItem item;
    ASSERT_TRUE(index.FindItem(0, 0, 0, 0, "", item));
    EXPECT_EQ(item.m_strFile, folder.Path() + "/sub/rows.inc");
    EXPECT_EQ(item.m_nLine, 0);
    ASSERT_TRUE(index.FindItem(10, 0, 0, 0, "", item));
    EXPECT_EQ(item.m_strFile, folder.Path() + "/sub/more.inc");
    EXPECT_EQ(item.m_nLine, 1);
    EXPECT_EQ(item.m_nStart, 33);
}

TEST(LayerFileIndex, UnreadableFilesLeaveTheIndexEmptyOrReportTheInclude)
{
    TempFolder folder;
    CLayerFileIndex index;
    CLayerFileIndexReader reader(index);
    index.m_Items.resize(2);
    EXPECT_TRUE(reader.Load(folder.File("missing.layer"), 0));
    EXPECT_TRUE(index.m_Items.empty());
    EXPECT_EQ(index.m_strPath, "");

    const std::string path = folder.Write("dev.layer", "column w=1\r\ninclude file=gone.inc\r\nlayer d=1\r\n");
    EXPECT_FALSE(reader.Load(path, 0));
    EXPECT_EQ(reader.GetLoadError(), "Can't open file " + folder.File("gone.inc"));
    EXPECT_EQ(index.m_Lines.GetCount(), 2);
    EXPECT_TRUE(index.m_Items.empty());

    // A file that includes itself is refused instead of recursing without end.
    const std::string loop = folder.Write("loop.layer", "column w=1\r\ninclude file=loop.layer\r\n");
    EXPECT_FALSE(reader.Load(loop, 0));
    EXPECT_EQ(reader.GetLoadError().rfind("Include files are nested too deeply at ", 0), 0u);

    // No "column" statement: no items at all.
    EXPECT_TRUE(reader.Load(folder.Write("flat.layer", "layer d=1\r\n"), 0));
    EXPECT_TRUE(index.m_Items.empty());
}

TEST(LayerFileIndex, EdgeCasesOfValuesCommentsAndGratings)
{
    TempFolder folder;
    ScriptedPrompts prompts;
    struct Case {
        const char* name;
        const char* text;
        int id, layer, column;
        const char* value;  // nullptr: no such item
        int line;
        const char* message;  // shown while loading, nullptr for none
    };
    const Case cases[] = {
        // A bracketed value gives its first word; of a parameter written twice the first counts.
        {"bracket.layer", "column column_num=1 w=[1 2] w=3\r\n", 1, 0, 0, "[1", 0, nullptr},
        {"twice.layer", "column column_num=1 w=4 w=5\r\n", 1, 0, 0, "4", 0, nullptr},
        // A "$" line ending in "&&" continues only in a macro file.
        {"note.layer", "column w=1\r\n$ note &&\r\nlayer d=2\r\n", 0, 0, 0, "2", 2, nullptr},
        {"note.mac", "column w=1\r\n$ note &&\r\nlayer d=2\r\n", 0, 0, 0, nullptr, 0, nullptr},
        // A grating after the last layer belongs to no layer: reported, not indexed.
        {"grating.layer", "column column_num=1 w=1\r\nlayer d=1\r\ngrating_compos column_num=1 d_high=0.2\r\n", 70,
         1, 0, nullptr, 0, "Grating_compos is not correct!"},
    };
    for (const Case& c : cases) {
        prompts.Clear();
        if (c.message)
            prompts.AnswerNext(IDOK);
        CLayerFileIndex index;
        CLayerFileIndexReader reader(index);
        ASSERT_TRUE(reader.Load(folder.Write(c.name, c.text), 0)) << c.name;
        EXPECT_EQ(prompts.Texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.name;
        const auto found = std::find_if(index.m_Items.begin(), index.m_Items.end(), [&c](const CLayerFileItem& item) {
            return item.m_nParamId == c.id && (item.m_nFirst == -1 || item.m_nFirst == c.layer) &&
                   (item.m_nSecond == -1 || item.m_nSecond == c.column);
        });
        if (!c.value) {
            EXPECT_EQ(found, index.m_Items.end()) << c.name;
            continue;
        }
        ASSERT_NE(found, index.m_Items.end()) << c.name;
        EXPECT_EQ(found->m_strValue, c.value) << c.name;
        EXPECT_EQ(found->m_nLine, c.line) << c.name;
    }
}

TEST(LayerFileIndex, ASideContactIsFoundByItsLayerRowAndItsPlaceAmongTheRowsContactsOfItsSide)
{
    TempFolder folder;
    const std::string path = folder.Write("dev.layer",
                                          "begin_layer\r\n"
                                          "column column_num=1 w=2\r\n"
                                          "layer d=1\r\n"
                                          "left_contact from=0.1 to=0.2 contact_num=1\r\n"
                                          "layer d=2\r\n"
                                          "right_contact from=0.3 to=0.4 contact_num=2\r\n"
                                          "left_contact from=0.5 to=0.6 contact_num=3\r\n"
                                          "right_contact from=0.7 to=0.8 contact_num=4 barrier=0.9\r\n"
                                          "end_layer\r\n");
    ScriptedPrompts prompts;
    CLayerFileIndex index;
    CLayerFileIndexReader reader(index);
    ASSERT_TRUE(reader.Load(path, 0));
    const struct {
        int row, place, kind;
        const char* keyword;
        const char* value;  // nullptr: not found
        int line;
    } cases[] = {
        {0, 0, 0, "left_contact", "0.1", 3},
        {1, 0, 1, "left_contact", "0.6", 6},     // the first left contact of the second row
        {1, 1, 0, "right_contact", "0.7", 7},    // its second right contact
        {1, 1, 2, "right_contact", "0.9", 7},
        {1, 1, 0, "left_contact", nullptr, 0},   // the row has one left contact
        {-1, 0, 0, "left_contact", nullptr, 0},  // numbered by row, not across the file
    };
    for (const auto& c : cases) {
        CSeriesTarget target;
        target.m_nZSeg = 0;
        target.m_nOwner = c.row;
        target.m_nContact = c.place;
        target.m_nValueKind = c.kind;
        target.m_strKeyword = c.keyword;
        prompts.Clear();
        if (!c.value)
            prompts.AnswerNext(IDOK);
        CLayerFileItem item;
        ASSERT_EQ(index.FindContactItem(target, item), c.value != nullptr)
            << c.keyword << " " << c.row << " " << c.place;
        if (c.value) {
            EXPECT_EQ(item.m_strValue, c.value);
            EXPECT_EQ(item.m_nLine, c.line);
        }
    }
}
