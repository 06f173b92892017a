// The "z-segment Position" dialog without its window: From and To from the lengths, the range and
// length checks, the layer file check and Import, and the position choice it shares with the
// z-segment page.

#include "model/ProcessState.h"
#include "sheets/DataExchange.h"
#include "sheets/ZSegPositionDlg.h"
#include "support/FakeDialogControls.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <iterator>
#include <ostream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Dlg = CZSegPositionDlg;

class ZSegPosition : public ::testing::Test {
protected:
    ZSegPosition()
    {
        ResetProcessState();
        dialog.m_dReferenceZ = 10.0;
        dialog.m_dFrom = dialog.m_dTo = 10.0;
        Show();
    }
    ~ZSegPosition() override { ResetProcessState(); }

    void Show()
    {
        CDataExchange dx(controls, false);
        dialog.DoDataExchange(dx);
    }

    Dlg dialog;
    FakeDialogControls controls;
    ScriptedPrompts prompts;
    TempFolder folder;
};

}  // namespace

TEST_F(ZSegPosition, TheBoxesShowWhatTheCallerSet)
{
    EXPECT_EQ(controls.texts[Dlg::IDC_FROM], "10");
    EXPECT_EQ(controls.texts[Dlg::IDC_TO], "10");
    EXPECT_EQ(controls.texts[Dlg::IDC_SEGMENT_LENGTH], "0");
    EXPECT_EQ(controls.texts[Dlg::IDC_TAPER_LENGTH], "0");
    EXPECT_EQ(controls.texts[Dlg::IDC_LAYER_FILE], "");
}

TEST_F(ZSegPosition, ByFromAndToTheTypedValuesComeBackWhateverTheirSize)
{
    controls.texts[Dlg::IDC_FROM] = "-5";
    controls.texts[Dlg::IDC_TO] = "20000";
    controls.texts[Dlg::IDC_LAYER_FILE] = "typed earlier.layer";
    EXPECT_TRUE(dialog.OnOK(controls));
    EXPECT_EQ(dialog.m_dFrom, -5.0);
    EXPECT_EQ(dialog.m_dTo, 20000.0);
    EXPECT_EQ(dialog.m_strLayerFile, "") << "no file unless the box is ticked";
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(ZSegPosition, ByLengthsFromIsTheTaperAfterTheReferenceAndToTheSegmentAfterThat)
{
    dialog.OnRadioLengths();
    controls.texts[Dlg::IDC_TAPER_LENGTH] = "2";
    controls.texts[Dlg::IDC_SEGMENT_LENGTH] = "5";
    EXPECT_TRUE(dialog.OnOK(controls));
    EXPECT_EQ(dialog.m_dFrom, 12.0);
    EXPECT_EQ(dialog.m_dTo, 17.0);
    EXPECT_EQ(controls.texts[Dlg::IDC_FROM], "12") << "the computed values are shown";
    EXPECT_EQ(controls.texts[Dlg::IDC_TO], "17");
}

struct LengthCase {
    int box;
    const char* text;
    const char* message;  // "" when accepted
};

void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.box << " \"" << c.text << "\""; }

class ZSegPositionLengths : public ZSegPosition, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(ZSegPositionLengths, AreCheckedAgainstTheirRangeInEitherEntry)
{
    const LengthCase& c = GetParam();
    if (*c.message)
        prompts.AnswerNext(IDOK);
    controls.texts[c.box] = c.text;
    const bool closed = dialog.OnOK(controls);
    EXPECT_EQ(closed, std::string(c.message).empty());
    if (!closed) {
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(controls.focused, std::vector<int>{c.box});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ZSegPositionLengths,
    ::testing::Values(LengthCase{Dlg::IDC_SEGMENT_LENGTH, "10000", ""},
                      LengthCase{Dlg::IDC_SEGMENT_LENGTH, "10001", "Please enter a number between 0 and 10000."},
                      LengthCase{Dlg::IDC_SEGMENT_LENGTH, "-1", "Please enter a number between 0 and 10000."},
                      LengthCase{Dlg::IDC_TAPER_LENGTH, "0", ""},
                      LengthCase{Dlg::IDC_TAPER_LENGTH, "10000.5", "Please enter a number between 0 and 10000."},
                      LengthCase{Dlg::IDC_FROM, "abc", "Please enter a number."},
                      LengthCase{Dlg::IDC_LAYER_FILE, "", ""}));

TEST_F(ZSegPosition, TheTickedFileMustBeOneReadableFile)
{
    const std::string existing = folder.Write("device.layer", "begin_layer\r\nend_layer\r\n");
    const std::string fifo = folder.File("pipe.layer");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string dangling = folder.File("dangling.layer");
    ASSERT_EQ(::symlink(folder.File("gone.layer").c_str(), dangling.c_str()), 0);
    const std::string refused[] = {std::string(), folder.File("missing.layer"), folder.Path(), fifo, dangling};
    dialog.OnUseExistingLayerFile(true);
    for (const std::string& name : refused) {
        SCOPED_TRACE(name);
        prompts.AnswerNext(IDOK);
        controls.texts[Dlg::IDC_LAYER_FILE] = name;
        EXPECT_FALSE(dialog.OnOK(controls));
    }
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>(std::size(refused), Dlg::kInvalidFileName));
    EXPECT_EQ(prompts.Shown_()[0].type & MB_ICONMASK, unsigned(MB_ICONEXCLAMATION));

    controls.texts[Dlg::IDC_LAYER_FILE] = existing;
    EXPECT_TRUE(dialog.OnOK(controls));
    EXPECT_EQ(dialog.m_strLayerFile, existing);
}

TEST_F(ZSegPosition, AFileNameIsTakenWhateverItsLength)
{
    const std::string deep = folder.Write(std::string(100, 'f') + "/" + std::string(100, 'n') + ".layer", "begin\r\n");
    ASSERT_GT(deep.size(), 200u);
    dialog.OnUseExistingLayerFile(true);
    controls.texts[Dlg::IDC_LAYER_FILE] = deep;
    EXPECT_TRUE(dialog.OnOK(controls));
    EXPECT_EQ(dialog.m_strLayerFile, deep);
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(ZSegPosition, ImportAsksForALayerFileAndShowsItsPath)
{
    dialog.OnUseExistingLayerFile(true);
    prompts.ChooseFileNext("/data/device.layer");
    dialog.OnImport(controls);
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    EXPECT_TRUE(prompts.FileDialogs()[0].open);
    EXPECT_EQ(prompts.FileDialogs()[0].filter, "Layer Files(*.layer)|*.layer||");
    EXPECT_EQ(prompts.FileDialogs()[0].defaultExt, "");
    EXPECT_EQ(prompts.FileDialogs()[0].initialPath, "");
    EXPECT_EQ(controls.texts[Dlg::IDC_LAYER_FILE], "/data/device.layer");

    prompts.ChooseFileNext("");
    dialog.OnImport(controls);
    EXPECT_EQ(controls.texts[Dlg::IDC_LAYER_FILE], "/data/device.layer");

    // A box that does not read stops Import before the file dialog.
    prompts.AnswerNext(IDOK);
    controls.texts[Dlg::IDC_TO] = "x";
    dialog.OnImport(controls);
    EXPECT_EQ(prompts.FileDialogs().size(), 2u);
}

TEST_F(ZSegPosition, TheChoiceOfEntryEnablesItsBoxesAndOutlivesTheDialog)
{
    EXPECT_EQ(dialog.GetPositionRadio(), Dlg::IDC_BY_POSITION);
    EXPECT_TRUE(dialog.IsControlEnabled(Dlg::IDC_FROM));
    EXPECT_FALSE(dialog.IsControlEnabled(Dlg::IDC_SEGMENT_LENGTH));
    EXPECT_FALSE(dialog.IsControlEnabled(Dlg::IDC_LAYER_FILE));
    EXPECT_FALSE(dialog.IsControlEnabled(Dlg::IDC_IMPORT));
    dialog.OnRadioLengths();
    dialog.OnUseExistingLayerFile(true);
    EXPECT_FALSE(dialog.IsControlEnabled(Dlg::IDC_TO));
    EXPECT_TRUE(dialog.IsControlEnabled(Dlg::IDC_TAPER_LENGTH));
    EXPECT_TRUE(dialog.IsControlEnabled(Dlg::IDC_IMPORT));
    EXPECT_TRUE(g_bZSegByLengths);
    EXPECT_EQ(g_nZStructureLengthForm, 1) << "decks then state z extents as lengths";

    const Dlg next;
    EXPECT_EQ(next.GetPositionRadio(), Dlg::IDC_BY_LENGTHS);
    dialog.OnRadioPosition();
    EXPECT_FALSE(g_bZSegByLengths);
    EXPECT_EQ(g_nZStructureLengthForm, 0);
    EXPECT_EQ(next.GetPositionRadio(), Dlg::IDC_BY_POSITION);
}
