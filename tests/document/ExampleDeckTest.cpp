// The example deck in examples/ is something a new user opens first: it must open without a word,
// hold its three z-segments with their taper, save to the very bytes it ships with, and reopen to
// the same device.

#include "DeckFolder.h"
#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/ShippedMacros.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The examples folder of the source tree, ending with "/".
std::string ExamplesFolder() { return ShippedDataFolder() + "../examples/"; }

// The deck and every file that goes with it.
std::vector<std::string> DeckFiles()
{
    return {"flare.sol", "flare1.layer", "flare2.layer", "flare3.layer", "flare1.gain", "flare2.gain", "flare3.gain"};
}

class ExampleDeck : public DocFixture {
protected:
    ExampleDeck() : macros(LoadShippedMacroLibraries()) { doc().SetMacroList(&macros); }

    // Copies the example into the temporary folder; the path of its deck there.
    std::string StageExample()
    {
        for (const std::string& name : DeckFiles()) work.Write(name, ExistingFileBytes(ExamplesFolder() + name));
        return work.File("flare.sol");
    }

    CMacroList macros;
    TempFolder work;
};

TEST_F(ExampleDeck, OpensQuietlyIntoThreeZSegmentsWithTheirTaper)
{
    ASSERT_TRUE(doc().OnOpenDocument(StageExample()));
    EXPECT_TRUE(prompts.Texts().empty()) << ::testing::PrintToString(prompts.Texts());
    ASSERT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(DeviceOutline(doc()),
              "z-segment 1: 0..10 planes 1 taper 1 (2 2)\n"
              "  column 1 mesh 6: [2 x 1.5 inp] [2 x 0.3 ingaas] [2 x 1 inp]\n"
              "  column 2 mesh 6: [6 x 1.5 inp] [6 x 0.3 ingaas] [6 x 1 void macro]\n"
              "z-segment 2: 14..20 planes 1 taper 1 (4 4)\n"
              "  column 1 mesh 6: [4 x 1.5 inp] [4 x 0.3 ingaas] [4 x 1 inp]\n"
              "  column 2 mesh 6: [4 x 1.5 inp] [4 x 0.3 ingaas] [4 x 1 void macro]\n"
              "z-segment 3: 24..34 planes 1 taper 1 (6 6)\n"
              "  column 1 mesh 6: [6 x 1.5 inp] [6 x 0.3 ingaas] [6 x 1 inp]\n"
              "  column 2 mesh 6: [2 x 1.5 inp] [2 x 0.3 ingaas] [2 x 1 void macro]\n");
}

TEST_F(ExampleDeck, SavedAsItStandsGivesTheBytesItShipsWith)
{
    ASSERT_TRUE(doc().OnOpenDocument(StageExample()));
    doc().SetModifiedFlag();
    ASSERT_TRUE(doc().OnFileSave()) << ::testing::PrintToString(prompts.Texts());
    EXPECT_TRUE(prompts.Texts().empty()) << ::testing::PrintToString(prompts.Texts());
    for (const std::string& name : DeckFiles())
        EXPECT_EQ(ExistingFileBytes(work.File(name)), ExistingFileBytes(ExamplesFolder() + name)) << name;
}

TEST_F(ExampleDeck, SavedUnderANewNameReopensToTheSameDeviceAndSavesAgainToTheSameBytes)
{
    ASSERT_TRUE(doc().OnOpenDocument(StageExample()));
    const std::string opened = DeviceOutline(doc());
    const std::string copy = work.File("copy/taper.sol");
    std::filesystem::create_directory(work.File("copy"));
    prompts.ChooseFileNext(copy);
    ASSERT_TRUE(doc().OnFileSaveAs());
    EXPECT_TRUE(prompts.Texts().empty()) << ::testing::PrintToString(prompts.Texts());
    const auto saved = FolderBytes(work.File("copy"));

    ASSERT_TRUE(doc().OnOpenDocument(copy));
    EXPECT_EQ(DeviceOutline(doc()), opened);
    doc().SetModifiedFlag();
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(FolderBytes(work.File("copy")), saved);
}

}  // namespace
