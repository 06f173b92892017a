// A save after earlier saves of the same document writes exactly what a first save of the same
// device writes: the statements the last save merged and that have not changed since are taken
// from its memo, and every other statement is merged afresh; a save with nothing changed writes
// the last save's bytes. Each fixture is edited through the document's commands and saved after
// every step; the same steps replayed on the file opened anew and saved once give the bytes each
// save must write.

#include "CommandIds.h"
#include "EditCommandsFixture.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "textfiles/LayerFileHarness.h"
#include "textfiles/LayerParamFlags.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace {

enum class Step {
    heightUp,         // Modify Layer: the layer half a unit higher
    heightBack,       // Modify Layer: the height the file gave it
    dopingDoubled,    // Modify Layer: twice the doping
    materialSwapped,  // Modify Layer: another bulk macro
    undo,             // Undo of the step before
    nothing,          // no edit: the device saved again as it is
};

const char* StepName(Step step)
{
    switch (step) {
    case Step::heightUp: return "height up";
    case Step::heightBack: return "height back";
    case Step::dopingDoubled: return "doping doubled";
    case Step::materialSwapped: return "material swapped";
    case Step::undo: return "undo";
    case Step::nothing: return "nothing";
    }
    return "";
}

struct RepeatedSaveCase {
    const char* fixture;  // below the fixtures folder; the other files of its folder go with it
    int column;           // the layer the steps edit
    int row;
};

void PrintTo(const RepeatedSaveCase& c, std::ostream* os) { *os << c.fixture; }

const RepeatedSaveCase kCases[] = {
    {"updater/device.layer", 0, 0},
    {"updater/device.layer", 1, 1},
    {"updater/doping.layer", 0, 0},
    {"updater/doping_type.layer", 0, 0},
    {"updater/nested_main.layer", 0, 0},
    {"layer/ridge_two_columns.layer", 1, 0},
    {"layer/ridge_two_columns.layer", 0, 3},  // the contact layer
    {"layer/ridge_two_columns.layer", 1, 2},  // the layer with a grating
    {"layer/contacts_full.layer", 0, 2},      // the row with side contacts
    {"updater/contact_layout.layer", 0, 1},   // a contact statement laid out by hand
    {"updater/contact_layout.layer", 1, 0},
    {"layer/three_columns_include.layer", 2, 0},
    {"lossless/unread_statements.layer", 0, 1},
    {"lossless/user_insulator.layer", 0, 1},
    {"lossless/stale_include.layer", 0, 0},
};

const std::vector<Step> kSteps = {Step::heightUp, Step::nothing,         Step::heightBack, Step::dopingDoubled,
                                  Step::nothing,  Step::materialSwapped, Step::undo,       Step::heightUp};

class RepeatedSave : public EditCommands, public ::testing::WithParamInterface<RepeatedSaveCase> {
protected:
    RepeatedSave()
    {
        FillLayerParamFlags();
        app.mode3d = false;
        doc().SetMacroList(&harness.macros);
    }

    // Copies the fixture's folder into the test folder; returns the fixture's copy.
    std::string Stage()
    {
        namespace fs = std::filesystem;
        const fs::path fixture = fs::path(TESSARON_FIXTURES) / GetParam().fixture;
        for (const fs::directory_entry& entry : fs::directory_iterator(fixture.parent_path()))
            if (entry.is_regular_file())
                folder.Write(entry.path().filename().string(), FileBytes(entry.path().string()));
        return folder.File(fixture.filename().string());
    }

    void Open(const std::string& path)
    {
        ASSERT_TRUE(doc().OnOpenDocument(path));
        ASSERT_GT(Seg(0).GetColumnCount(), GetParam().column);
        m_fileHeight = LayerAt(0, GetParam().column, GetParam().row).m_fHeight;
    }

    void Modify(const std::function<void()>& user)
    {
        Select(0, GetParam().column, GetParam().row);
        AcceptNextSheetWith([user](LayerSheetRequest&) { user(); });
        doc().OnCommand(ID_LAYER_MODIFY);
    }

    void Apply(Step step)
    {
        const float height = m_fileHeight;
        switch (step) {
        case Step::heightUp: Modify([height] { g_EditLayer.m_fHeight = height + 0.5f; }); break;
        case Step::heightBack: Modify([height] { g_EditLayer.m_fHeight = height; }); break;
        case Step::dopingDoubled:
            Modify([] {
                CLayerDoping& doping = g_EditLayer.m_Doping;
                doping.m_strKind = "n";
                doping.m_fValue = doping.m_fValue > 0 ? 2 * doping.m_fValue : 1e17f;
            });
            break;
        case Step::materialSwapped:
            Modify([] {
                std::string& name = g_EditLayer.m_Material.m_Bulk.m_strName;
                name = name == "gaas" ? "inp" : "gaas";
            });
            break;
        case Step::undo: doc().OnEditUndo(); break;
        case Step::nothing: break;
        }
    }

    // The bytes a first save of the file writes after the first `count` steps.
    std::string FirstSaveAfter(const std::string& path, std::size_t count)
    {
        Open(path);
        EXPECT_TRUE(doc().m_MergeMemos.empty());
        for (std::size_t i = 0; i < count; ++i)
            Apply(kSteps[i]);
        const std::string written = folder.File("first_save.layer");
        EXPECT_TRUE(doc().OnSaveDocument(written));
        return FileBytes(written);
    }

    LayerFileHarness harness;
    TempFolder folder;
    float m_fileHeight = 0.0f;
};

}  // namespace

TEST_P(RepeatedSave, EverySaveWritesWhatAFirstSaveOfTheSameDeviceWrites)
{
    const std::string path = Stage();
    std::vector<std::string> expected;
    for (std::size_t count = 0; count <= kSteps.size(); ++count)
        expected.push_back(FirstSaveAfter(path, count));

    Open(path);
    const std::string saved = folder.File("saved.layer");
    ASSERT_TRUE(doc().OnSaveDocument(saved));
    EXPECT_EQ(FileBytes(saved), expected[0]);
    for (std::size_t i = 0; i < kSteps.size(); ++i) {
        SCOPED_TRACE(StepName(kSteps[i]));
        Apply(kSteps[i]);
        ASSERT_TRUE(doc().OnSaveDocument(saved));
        EXPECT_EQ(FileBytes(saved), expected[i + 1]);
    }
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_P(RepeatedSave, AValueEditedBackOrUndoneWritesTheUnchangedTextAgain)
{
    const std::string path = Stage();
    Open(path);
    const std::string saved = folder.File("saved.layer");
    ASSERT_TRUE(doc().OnSaveDocument(saved));
    const std::string unchanged = FileBytes(saved);

    Apply(Step::heightUp);
    ASSERT_TRUE(doc().OnSaveDocument(saved));
    EXPECT_NE(FileBytes(saved), unchanged);
    Apply(Step::heightBack);
    ASSERT_TRUE(doc().OnSaveDocument(saved));
    EXPECT_EQ(FileBytes(saved), unchanged);
    Apply(Step::dopingDoubled);
    ASSERT_TRUE(doc().OnSaveDocument(saved));
    Apply(Step::undo);
    ASSERT_TRUE(doc().OnSaveDocument(saved));
    EXPECT_EQ(FileBytes(saved), unchanged);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RepeatedSave, ::testing::ValuesIn(kCases));
