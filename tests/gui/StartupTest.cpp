// Start-up and shut-down of the real application object against temporary folder trees.

#include "AppHarness.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"
#include "app/MainFrame.h"
#include "app/ShellRegistration.h"
#include "app/WxProfile.h"
#include "model/ProcessState.h"
#include "document/TessaronDoc.h"
#include "platform/FatalExit.h"
#include "platform/TextureImage.h"
#include "textfiles/LayerParamFlags.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>

namespace {

struct FatalExitThrows {
    FatalExitThrows() { SetFatalExitHandler([](int code) { throw CFatalExitCalled{code}; }); }
    ~FatalExitThrows() { SetFatalExitHandler({}); }
};

}  // namespace

TEST(Startup, ModeFollowsTheProgramNameAndIsStoredAtExit)
{
    const struct {
        const char* program;
        std::vector<std::string> args;
        int b3dMode;
    } cases[] = {
        {"brenvik", {}, 0},
        {"Brenvik", {}, 0},             // the title is compared lower-cased
        {"brenvik.bin", {}, 0},         // ... without its extension
        {"tessaron", {}, 1},
        {"tessaron", {"-2"}, 1},        // the start-mode flags decide nothing
        {"brenvik", {"/3"}, 0},
    };
    AppTree tree;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        ScriptedPrompts prompts;
        ASSERT_TRUE(StartApp(tree, c.program, c.args));
        EXPECT_EQ(TestApp().m_b3dMode, c.b3dMode);
        EXPECT_EQ(TestApp().m_bBuilder, c.b3dMode ? 0 : 1);
        ASSERT_NE(Frame(), nullptr);
        EXPECT_TRUE(Frame()->IsShown());
        EXPECT_EQ(Frame()->GetTitle().ToStdString(), std::string("Untitled - ") + (c.b3dMode ? "Tessaron" : "Brenvik"));
        StopApp();
        EXPECT_EQ(ProfileIntFromFile("Settings", "status", -5), c.b3dMode);
        EXPECT_TRUE(prompts.Texts().empty());
    }
}

TEST(Startup, ABadFileOnTheCommandLineShowsItsMessageAndTheProgramGoesOnEmpty)
{
    AppTree tree;
    TempFolder work;
    const std::string device = FileBytes(std::string(TESSARON_FIXTURES) + "/updater/device.layer");
    ::mkfifo(work.File("pipe.layer").c_str(), 0644);
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {work.Write("empty.layer", ""), "File data error!\n" + work.File("empty.layer") + ": the file is empty."},
        {work.Write("binary.layer", std::string("\x7f" "ELF\x02\x01\x01\0\0\0\xff\xfe", 12)),
         "File data error!\n" + work.File("binary.layer") + ": it is not a text file (it holds NUL bytes)."},
        {work.Write("truncated.layer", device.substr(0, device.find("column column_num=1") + 10)),
         "File data error!\n" + work.File("truncated.layer") + ": begin_layer has no end_layer after it; the file may be cut off."},
        {work.File("pipe.layer"), "Can't open file " + work.File("pipe.layer") + "\nIt is not a regular file."},
        {work.File("missing.layer"), "Can't open file " + work.File("missing.layer")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ScriptedPrompts prompts;
        prompts.AnswerNext(IDOK);
        ASSERT_TRUE(StartApp(tree, "brenvik", {c.path}));
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{c.message});
        ASSERT_NE(Frame(), nullptr);
        EXPECT_TRUE(Frame()->IsShown());
        EXPECT_EQ(Frame()->GetTitle().ToStdString(), "Untitled - Brenvik");
        EXPECT_EQ(g_nZSegCount, 0);
        EXPECT_FALSE(TestApp().GetDocument()->IsModified());
        StopApp();
    }
}

TEST(Startup, LoadsEveryTextureWithEntriesFifteenOnReadAgainFromTheFirstFiles)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    for (int i = 0; i < kTextureImageCount; ++i) {
        ASSERT_NE(g_TextureImages[i], nullptr) << i;
        EXPECT_EQ(g_TextureImages[i]->sizeX, 32);
        EXPECT_EQ(g_TextureImages[i]->sizeY, 32);
    }
    EXPECT_NE(g_TextureImages[15].get(), g_TextureImages[0].get());
    EXPECT_EQ(g_TextureImages[15]->data, g_TextureImages[0]->data);
    EXPECT_EQ(g_TextureImages[22]->data, g_TextureImages[7]->data);
    EXPECT_NE(g_TextureImages[1]->data, g_TextureImages[0]->data);
    EXPECT_EQ(g_layerParamFlags.size(), 47u);  // the keyword flag map is filled once at start-up
    StopApp();
    EXPECT_EQ(g_TextureImages[0], nullptr);  // freed at exit
}

TEST(Startup, AMissingBitmapStopsWithItsMessageAfterTheFilesBeforeIt)
{
    AppTree tree({"GUI/Data/8.bmp"});
    ScriptedPrompts prompts;
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(StartApp(tree, "tessaron"));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"You lost data directory:" + tree.Root() +
                                                        "GUI/Data/8.bmp! \nPlease contact with Veltrane Software Inc."});
    EXPECT_NE(g_TextureImages[7], nullptr);
    EXPECT_EQ(g_TextureImages[8], nullptr);
    EXPECT_EQ(Frame(), nullptr);
    StopApp();
    // Start-up stopped before the mode choice: the stored mode is 0.
    EXPECT_EQ(ProfileIntFromFile("Settings", "status", -5), 0);
}

TEST(Startup, AProgramWithoutAParentFolderCannotFindItsData)
{
    ScriptedPrompts prompts;
    prompts.AnswerNext(IDOK);
    TestApp().SetProgramPath("/brenvik");
    TestApp().SetArguments({});
    EXPECT_FALSE(TestApp().InitInstance());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"can't find GUI\\data dir"});
    TestApp().ExitInstance();
}

TEST(Startup, AMissingMacroLibraryEndsTheProcessWithMinusOne)
{
    for (const char* missing : {"veltrane.mac", "more.mac"}) {
        SCOPED_TRACE(missing);
        AppTree tree({missing});
        ScriptedPrompts prompts;
        prompts.AnswerNext(IDOK);
        FatalExitThrows intercept;
        {
            CWxProfile clear("Brenvik");
            clear.WriteProfileString("Settings", "status", "");
        }
        TestApp().SetProgramPath(tree.Program("brenvik"));
        TestApp().SetArguments({});
        try {
            TestApp().InitInstance();
            ADD_FAILURE() << "start-up went on without " << missing;
        } catch (const CFatalExitCalled& exit) {
            EXPECT_EQ(exit.code, -1);
        }
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{tree.Root() + missing + " is not exist"});
        EXPECT_EQ(Frame(), nullptr);
        // The process ends at once: nothing is stored.
        EXPECT_EQ(ProfileIntFromFile("Settings", "status", -5), -5);
    }
}

TEST(Startup, RegistersLayerFilesWithTheDesktop)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    EXPECT_EQ(FileBytes(CShellRegistration::MimePackagePath()), CShellRegistration::MimePackageText());
    const std::string entry = FileBytes(CShellRegistration::DesktopEntryPath());
    EXPECT_NE(entry.find("Exec=\"" + tree.Program("brenvik") + "\" -2 %f\n"), std::string::npos) << entry;
    EXPECT_NE(CShellRegistration::MimePackageText().find("<glob pattern=\"*.layer\"/>"), std::string::npos);
    StopApp();
}

TEST(Startup, DesktopEntryQuotesAwkwardProgramPaths)
{
    const std::string text = CShellRegistration::DesktopEntryText("/opt/my apps/100%/\"x\"/brenvik");
    EXPECT_NE(text.find("Exec=\"/opt/my apps/100%%/\\\\\"x\\\\\"/brenvik\" -2 %f\n"), std::string::npos) << text;
}

TEST(Startup, ExitWritesTheWindowPlacement)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    StopApp();
    const std::string rect = ProfileStringFromFile("Window size", "Rect");
    ASSERT_EQ(rect.size(), 19u) << rect;  // "%04d %04d %04d %04d"
    EXPECT_EQ(ProfileIntFromFile("Window size", "icon", -5), 0);
    EXPECT_NE(ProfileIntFromFile("Window size", "max", -5), -5);
}

TEST(Startup, AMaximisedFrameStoresMaxAndItsNormalRectangle)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    ASSERT_TRUE(Frame()->IsMaximized());  // every start shows the frame maximised
    StopApp();
    EXPECT_EQ(ProfileIntFromFile("Window size", "icon", -5), 0);
    EXPECT_EQ(ProfileIntFromFile("Window size", "max", -5), 1);
    // "left top right bottom" of the size the frame returns to when it is restored.
    int left = 0, top = 0, right = 0, bottom = 0;
    ASSERT_EQ(std::sscanf(ProfileStringFromFile("Window size", "Rect").c_str(), "%d %d %d %d", &left, &top, &right,
                          &bottom), 4);
    EXPECT_EQ(right - left, 1000);
    EXPECT_EQ(bottom - top, 700);
}

TEST(Startup, ALinkToTheProgramFindsTheDataOfTheProgramAndKeepsItsNameForTheMode)
{
    namespace fs = std::filesystem;
    AppTree tree;
    tree.Folder().Write("bin/tessaron", "");
    fs::create_symlink("tessaron", tree.Program("brenvik"));
    // A link elsewhere, as on the search path, named after the layer builder.
    const fs::path elsewhere = fs::path(tree.Folder().Path()) / "elsewhere" / "bin";
    fs::create_directories(elsewhere);
    fs::create_symlink(tree.Program("brenvik"), elsewhere / "brenvik");
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartProgram((elsewhere / "brenvik").string()));
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(TestApp().m_b3dMode, 0);
    EXPECT_EQ(fs::canonical(TestApp().RootFolder()), fs::canonical(tree.Root()));
    EXPECT_NE(g_TextureImages[14], nullptr);
    StopApp();
}

TEST(Startup, AnUnreadableBitmapLeavesItsEntryEmptyAndStartUpGoesOn)
{
    AppTree tree;
    tree.Folder().Write("GUI/Data/3.bmp", "not a bitmap");
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    EXPECT_EQ(g_TextureImages[3], nullptr);
    EXPECT_NE(g_TextureImages[4], nullptr);
    EXPECT_TRUE(prompts.Texts().empty());
    StopApp();
}

TEST(Startup, AProgramPathOfAnyLengthFindsItsData)
{
    std::string deep;
    for (int i = 0; i < 12; ++i)
        deep += (i ? "/" : "") + std::string(40, char('a' + i));
    AppTree tree({}, deep);
    ASSERT_GT(tree.Program("brenvik").size(), 500u);
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    EXPECT_NE(g_TextureImages[0], nullptr);
    EXPECT_GT(TestApp().m_macros.GetCount(), 0);
    StopApp();
}
