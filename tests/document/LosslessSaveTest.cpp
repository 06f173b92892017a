// Nothing a user wrote in a ".layer" file is lost on a save: hand-written files opened and saved
// through the document, unchanged, again, and after an edit elsewhere.

#include "platform/FileSystem.h"
#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "textfiles/LayerFileHarness.h"
#include "textfiles/LayerParamFlags.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::string kFixtures = TESSARON_FIXTURES "/lossless/";

struct LosslessCase {
    const char* name;
    std::vector<std::string> files;  // the ".layer" file first, then the files it includes
    const char* kept;                // what the fixture is about: text that must stay in the file
    // An edit of something else, and the one change of the main file's text it must bring.
    std::function<void(CZSegment&)> edit;
    const char* before;
    const char* after;
};

void PrintTo(const LosslessCase& c, std::ostream* os) { *os << c.name; }

const LosslessCase kCases[] = {
    {"an include older than the macro library",
     {"stale_include.layer", "stale_stack.inc"},
     "include file=stale_stack.inc\r\n",
     [](CZSegment& z) { z.Column(0).m_Contacts.Top(0).m_fTo = 2.5f; },
     "top_contact column_num=1 from=0 to=3 contact_num=2",
     "top_contact column_num=1 from=0 to=2.5 contact_num=2"},
    {"statements the reader does not take in",
     {"unread_statements.layer"},
     "layer_position label=mid location=center\r\n",
     [](CZSegment& z) {
         z.Column(0).Layer(1).m_fHeight = 1.5f;
         z.Column(1).Layer(1).m_fHeight = 1.5f;
     },
     "layer d=1 n=4 r=1", "layer d=1.5 n=4 r=1"},
    {"an insulator the library does not know",
     {"user_insulator.layer"},
     "layer_mater macro_name=bcb insulator_macro=yes column_num=1\r\n",
     [](CZSegment& z) { z.Column(0).Layer(1).m_fHeight = 2.25f; },
     "layer d=2 n=5 r=1", "layer d=2.25 n=5 r=1"},
    // The first macro is known only free-style and the second old-style with one variable: the
    // file gives values the program has no old-style variable for.
    {"variables of old-style macros beyond what the program knows of them",
     {"old_style_variables.layer"},
     "layer_mater macro_name=ingaas column_num=1 var1=0.53\r\n",
     [](CZSegment& z) { z.Column(0).Layer(0).m_fHeight = 1.5f; },
     "layer d=1 n=4 r=1", "layer d=1.5 n=4 r=1"},
};

// A document with the layer fixtures' macros, saving ".layer" files in the layer builder.
class SavingDocument : public DocFixture {
protected:
    SavingDocument()
    {
        FillLayerParamFlags();
        app.mode3d = false;
        doc().SetMacroList(&harness.macros);
    }

    // Copies fixture files into the folder; returns the path of the first.
    static std::string Stage(const TempFolder& folder, const std::vector<std::string>& files)
    {
        for (const std::string& name : files)
            folder.Write(name, FileBytes(kFixtures + name));
        return folder.File(files.front());
    }

    // Opens the file, lets the edit change the device, and saves it through the document.
    void OpenEditSave(const std::string& path, const std::function<void(CZSegment&)>& edit)
    {
        ASSERT_TRUE(doc().OnOpenDocument(path));
        if (edit)
            edit(Seg(0));
        doc().SetModifiedFlag();
        ASSERT_TRUE(doc().OnFileSave());
        EXPECT_FALSE(doc().IsModified());
    }

    LayerFileHarness harness;
};

class LosslessSave : public SavingDocument, public ::testing::WithParamInterface<LosslessCase> {
protected:
    std::string Stage(const TempFolder& folder) const { return SavingDocument::Stage(folder, GetParam().files); }

    // Every file of the case but the ".layer" file is as the fixture has it.
    void ExpectIncludedFilesUntouched(const TempFolder& folder) const
    {
        for (std::size_t i = 1; i < GetParam().files.size(); ++i)
            EXPECT_EQ(FileBytes(folder.File(GetParam().files[i])), FileBytes(kFixtures + GetParam().files[i]));
    }
};

}  // namespace

TEST_P(LosslessSave, AnUnchangedSaveWritesTheFileAsItWas)
{
    TempFolder folder;
    const std::string path = Stage(folder);
    OpenEditSave(path, nullptr);
    EXPECT_EQ(FileBytes(path), FileBytes(kFixtures + GetParam().files.front()));
    ExpectIncludedFilesUntouched(folder);
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_P(LosslessSave, ASavedFileSavedAgainStaysTheSame)
{
    TempFolder folder;
    const std::string path = Stage(folder);
    OpenEditSave(path, GetParam().edit);
    const std::string first = FileBytes(path);
    OpenEditSave(path, nullptr);
    EXPECT_EQ(FileBytes(path), first);
    ExpectIncludedFilesUntouched(folder);
}

TEST_P(LosslessSave, AnEditElsewhereChangesOnlyWhatItEdits)
{
    TempFolder folder;
    const std::string path = Stage(folder);
    OpenEditSave(path, GetParam().edit);
    std::string expected = FileBytes(kFixtures + GetParam().files.front());
    const std::size_t at = expected.find(GetParam().before);
    ASSERT_NE(at, std::string::npos);
    expected.replace(at, std::string(GetParam().before).size(), GetParam().after);
    EXPECT_EQ(FileBytes(path), expected);
    EXPECT_NE(FileBytes(path).find(GetParam().kept), std::string::npos);
    ExpectIncludedFilesUntouched(folder);
}

INSTANTIATE_TEST_SUITE_P(HandWrittenFiles, LosslessSave, ::testing::ValuesIn(kCases));

using LosslessEdits = SavingDocument;

TEST_F(LosslessEdits, AnEditInsideAnIncludedFileReachesTheSavedFile)
{
    // The include stands for rows that no longer say what the model says: they are written into the
    // saved file, and the shared file stays as it is.
    TempFolder folder;
    const std::string path = Stage(folder, {"stale_include.layer", "stale_stack.inc"});
    OpenEditSave(path, [](CZSegment& z) {
        for (int c = 0; c < z.GetColumnCount(); ++c)
            z.Column(c).Layer(1).m_fHeight = 0.12f;
    });
    const std::string saved = FileBytes(path);
    EXPECT_EQ(saved.find("include"), std::string::npos);
    EXPECT_NE(saved.find("$ the active stack, written before ingaas had its strain variable\r\n"), std::string::npos);
    EXPECT_NE(saved.find("layer d=0.12 n=4 r=1"), std::string::npos);
    EXPECT_EQ(folder.Read("stale_stack.inc"), FileBytes(kFixtures + "stale_stack.inc"));

    CTessaronDoc reopened;
    reopened.SetMacroList(&harness.macros);
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_FLOAT_EQ(reopened.m_ZSegments[0].Column(0).Layer(1).m_fHeight, 0.12f);
    EXPECT_DOUBLE_EQ(reopened.m_ZSegments[0].Column(0).Layer(1).m_Material.m_Bulk.m_dVar[0], 0.47);
}

TEST_F(LosslessEdits, TheInsulatorMarkGoesWithItsMacroName)
{
    struct Case {
        const char* what;
        std::function<void(CLayerRec&)> edit;
        bool marked;
    };
    const Case cases[] = {
        {"the statement changes otherwise", [](CLayerRec& layer) { layer.m_nSolveWave = 0; }, true},
        {"another macro", [](CLayerRec& layer) { layer.m_Material.m_Bulk.m_strName = "polyimide"; }, false},
        {"another macro and back",
         [](CLayerRec& layer) {
             layer.m_Material.m_Bulk.m_strName = "polyimide";
             layer.m_Material.m_Bulk.m_strName = "bcb";
         },
         true},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string path = Stage(folder, {"user_insulator.layer"});
        OpenEditSave(path, [&](CZSegment& z) {
            EXPECT_TRUE(z.Column(0).Layer(0).m_Material.IsMarkedInsulator()) << c.what;
            c.edit(z.Column(0).Layer(0));
        });
        EXPECT_EQ(FileBytes(path).find("insulator_macro=yes") != std::string::npos, c.marked) << c.what;
        ASSERT_TRUE(doc().OnOpenDocument(path));
        EXPECT_EQ(Seg(0).Column(0).Layer(0).m_Material.IsMarkedInsulator(), c.marked) << c.what;
    }
}

namespace {

// A device in "<root>/<project>/dev.layer" whose stack lies in "<root>/<project>/../shared/".
class SavedIncludes : public SavingDocument {
protected:
    std::string StageProject(const std::string& project)
    {
        root.Write(project + "/../shared/stack.inc", FileBytes(kFixtures + "stale_stack.inc"));
        std::string main = FileBytes(kFixtures + "stale_include.layer");
        const std::string include = "include file=stale_stack.inc";
        main.replace(main.find(include), include.size(), "include file=../shared/stack.inc");
        return root.Write(project + "/dev.layer", main);
    }

    // Saves the open document under another name in a folder of its own, as File Save As does.
    bool SaveAs(const std::string& path)
    {
        MakeDirectoryPath(path, true);
        prompts.ChooseFileNext(path);
        return doc().OnFileSaveAs();
    }

    TempFolder root;
};

}  // namespace

TEST_F(SavedIncludes, ASaveIntoAnotherFolderNamesTheIncludedFileFromThere)
{
    const struct {
        const char* target;
        const char* include;  // the include statement of the saved file
    } cases[] = {
        {"other/deeper/dev.layer", "include file=../../shared/stack.inc\r\n"},
        {"sibling/dev.layer", "include file=../shared/stack.inc\r\n"},  // the name already leads there
        {"proj/dev.layer", "include file=../shared/stack.inc\r\n"},
    };
    const std::string path = StageProject("proj");
    for (const auto& c : cases) {
        ASSERT_TRUE(doc().OnOpenDocument(path)) << c.target;
        const CZSegment opened = Seg(0);
        ASSERT_TRUE(SaveAs(root.File(c.target))) << c.target;
        const std::string saved = FileBytes(root.File(c.target));
        EXPECT_NE(saved.find(c.include), std::string::npos) << c.target << "\n" << saved;

        CTessaronDoc reopened;
        reopened.SetMacroList(&harness.macros);
        ASSERT_TRUE(reopened.OnOpenDocument(root.File(c.target))) << c.target;
        ExpectSameZSegment(opened, reopened.m_ZSegments[0]);
        EXPECT_EQ(root.Read("shared/stack.inc"), FileBytes(kFixtures + "stale_stack.inc")) << c.target;
    }
    // The shared file is named, not copied: no second stack appears anywhere.
    EXPECT_FALSE(FileExists(root.File("other/shared/stack.inc")));
    EXPECT_FALSE(FileExists(root.File("other/deeper/stack.inc")));
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(SavedIncludes, AnIncludedFileThatCannotBeNamedIsWrittenIntoTheSavedFile)
{
    const struct {
        const char* what;
        const char* project;
        const char* target;
        bool removeShared;
    } cases[] = {
        // The way from the new folder to the stack passes a folder whose name has a blank, which
        // an include statement cannot hold.
        {"a path with a blank", "a b/proj", "c/dev.layer", false},
        {"a removed file", "proj", "other/dev.layer", true},
    };
    for (const auto& c : cases) {
        const std::string path = StageProject(c.project);
        ASSERT_TRUE(doc().OnOpenDocument(path)) << c.what;
        const CZSegment opened = Seg(0);
        if (c.removeShared) {
            ASSERT_TRUE(DeleteFilePath(root.File(std::string(c.project) + "/../shared/stack.inc")));
        }
        ASSERT_TRUE(SaveAs(root.File(c.target))) << c.what;
        const std::string saved = FileBytes(root.File(c.target));
        EXPECT_EQ(saved.find("include"), std::string::npos) << c.what;
        EXPECT_NE(saved.find("layer_mater macro_name=ingaas column_num=1 var_symbol1=x var1=0.47\r\n"),
                  std::string::npos)
            << c.what;

        CTessaronDoc reopened;
        reopened.SetMacroList(&harness.macros);
        ASSERT_TRUE(reopened.OnOpenDocument(root.File(c.target))) << c.what;
        ExpectSameZSegment(opened, reopened.m_ZSegments[0]);
    }
    EXPECT_TRUE(prompts.Texts().empty());
}
