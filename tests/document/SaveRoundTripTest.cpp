// A ".layer" file saved through the document is a fixed point: opened and saved again it gives the
// same bytes, whatever the macro library holds; and an edit of one value through Modify Layer
// changes that value's text in the file and nothing else.

#include "CommandIds.h"
#include "EditCommandsFixture.h"
#include "support/FileBytes.h"
#include "support/ShippedMacros.h"
#include "support/TempFolder.h"
#include "textfiles/LayerParamFlags.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::string RoundTripFixture(const std::string& name) { return TESSARON_FIXTURES "/roundtrip/" + name; }

// One edit of the selected layer's image in the property sheet, and the one text of the first
// save it must change.
struct OneEdit {
    const char* what;
    int row;
    std::function<void()> edit;
    const char* before;
    const char* after;
};

struct RoundTripCase {
    const char* name;
    std::vector<std::string> files;  // the ".layer" file first, then the files it includes
    std::vector<OneEdit> edits;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

std::function<void()> Height(float value)
{
    return [value] { g_EditLayer.m_fHeight = value; };
}

std::function<void()> BulkVariable(int k, double value)
{
    return [k, value] { g_EditLayer.m_Material.m_Bulk.m_dVar[k - 1] = value; };
}

const RoundTripCase kCases[] = {
    {"a macro the library defines twice",
     {"two_gaas.layer"},
     {{"a thickness", 0, Height(1.5f), "d=1 ", "d=1.5 "},
      {"the free-style variable", 2, BulkVariable(1, 0.3), "strain var1=0.2\r\n", "strain var1=0.3\r\n"},
      {"the old-style variable", 1, BulkVariable(1, 290.0), "var1=300\r\n", "var1=290.\r\n"}}},
    {"a free-style library macro",
     {"free_style.layer"},
     {{"a thickness", 1, Height(0.35f), "layer d=0.3 n=4 r=1", "layer d=0.35 n=4 r=1"},
      {"one variable of two", 0, BulkVariable(1, 0.5), "var1=0.47", "var1=0.5"},
      {"a variable written before the first", 1, BulkVariable(2, 0.2), "var2=0.1", "var2=0.2"}}},
    {"old-style library macros",
     {"old_style.layer"},
     {{"a thickness", 0, Height(1.25f), "d=1.5 ", "d=1.25 "},
      {"one variable of two", 0, BulkVariable(1, 0.35), "var1=0.3 ", "var1=0.35 "},
      {"one variable of three", 1, BulkVariable(2, 0.5), "var2=0.4", "var2=0.5"}}},
    {"a four-variable macro",
     {"four_variables.layer"},
     {{"a thickness", 0, Height(0.75f), "layer d=0.8 n=4 r=1", "layer d=0.75 n=4 r=1"},
      {"one variable of four", 0, BulkVariable(1, 0.25), "var1=0.2 ", "var1=0.25 "}}},
    {"an include",
     {"with_include.layer", "cladding.inc"},
     {{"a thickness outside the include", 0, Height(2.5f), "d=2 ", "d=2.5 "}}},
};

// The document of the layer builder with the macro libraries the program ships: "gaas", "algaas"
// and "ingaasp" among them are defined twice, free-style and old style.
class SaveRoundTrip : public EditCommands, public ::testing::WithParamInterface<RoundTripCase> {
protected:
    SaveRoundTrip() : macros(LoadShippedMacroLibraries())
    {
        FillLayerParamFlags();
        app.mode3d = false;
        doc().SetMacroList(&macros);
    }

    std::string Stage() const
    {
        for (const std::string& name : GetParam().files)
            folder.Write(name, FileBytes(RoundTripFixture(name)));
        return folder.File(GetParam().files.front());
    }

    void OpenAndSave(const std::string& path)
    {
        ASSERT_TRUE(doc().OnOpenDocument(path));
        doc().SetModifiedFlag();
        ASSERT_TRUE(doc().OnFileSave());
    }

    void ExpectIncludesUntouched() const
    {
        for (std::size_t i = 1; i < GetParam().files.size(); ++i)
            EXPECT_EQ(folder.Read(GetParam().files[i]), FileBytes(RoundTripFixture(GetParam().files[i])));
    }

    CMacroList macros;
    TempFolder folder;
};

}  // namespace

TEST_P(SaveRoundTrip, ASavedFileOpenedAndSavedAgainKeepsItsBytes)
{
    const std::string path = Stage();
    OpenAndSave(path);
    const std::string first = FileBytes(path);
    OpenAndSave(path);
    EXPECT_EQ(FileBytes(path), first);
    OpenAndSave(path);
    EXPECT_EQ(FileBytes(path), first);
    ExpectIncludesUntouched();
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_P(SaveRoundTrip, AnUnchangedSaveKeepsEveryMaterialStatementAsWritten)
{
    // The fixtures' material statements are written as a save writes them: a variable the file
    // leaves out reads as 0, which is what the model holds, so nothing is added to them.
    const std::string path = Stage();
    const std::string original = FileBytes(path);
    OpenAndSave(path);
    const std::string saved = FileBytes(path);
    for (std::size_t at = original.find("layer_mater"); at != std::string::npos;
         at = original.find("layer_mater", at + 1)) {
        const std::string statement = original.substr(at, original.find("\r\n", at) + 2 - at);
        EXPECT_NE(saved.find(statement), std::string::npos) << statement << "\n" << saved;
    }
}

TEST_P(SaveRoundTrip, AnEditOfOneValueChangesOnlyThatValuesText)
{
    const std::string path = Stage();
    OpenAndSave(path);
    const std::string first = FileBytes(path);
    for (const OneEdit& e : GetParam().edits) {
        folder.Write(GetParam().files.front(), first);
        ASSERT_TRUE(doc().OnOpenDocument(path)) << e.what;
        Select(0, 0, e.row);
        AcceptNextSheetWith([&](LayerSheetRequest&) { e.edit(); });
        doc().OnCommand(ID_LAYER_MODIFY);
        ASSERT_TRUE(doc().OnFileSave()) << e.what;

        std::string expected = first;
        const std::size_t at = expected.find(e.before);
        ASSERT_NE(at, std::string::npos) << e.what;
        expected.replace(at, std::string(e.before).size(), e.after);
        EXPECT_EQ(FileBytes(path), expected) << e.what;
        ExpectIncludesUntouched();
    }
    EXPECT_TRUE(prompts.Texts().empty());
}

INSTANTIATE_TEST_SUITE_P(Libraries, SaveRoundTrip, ::testing::ValuesIn(kCases));
