// The mesher tools: where they are found, how they are run, and how each failure stops the run
// with one message and no mesh path.

#include "document/ToolRunner.h"

#include "platform/FileSystem.h"
#include "platform/StringUtil.h"
#include "support/FileBytes.h"
#include "support/RecordingClock.h"
#include "support/RecordingProcessRunner.h"
#include "support/ScriptedPrompts.h"
#include "support/StandInTools.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>

namespace {

using Texts = std::vector<std::string>;

std::string TitleOf(const std::string& name)
{
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

// Tools scripted by the recording runner: the tool writes title.geo for a ".layer" input and
// title.msh for a ".geo" input in its working folder, unless told to write nothing.
class ToolRunner : public ::testing::Test {
protected:
    ToolRunner()
    {
        prompts.AllowUnscripted();
        processes.action = [this](const ProcessRequest& r) {
            if (!writeOutputs)
                return;
            const std::string input = r.argv.at(1);
            const bool geo = EndsWith(ToLowerAscii(input), ".geo");
            std::ofstream(r.workingFolder + TitleOf(input) + (geo ? ".msh" : ".geo")) << "made\n";
        };
    }

    std::string Root() const { return root.Path() + "/"; }
    // A tool file in a data folder (the recording runner never starts it).
    std::string PutTool(const std::string& dataFolder, const std::string& name) const
    {
        return root.Write(dataFolder + "/" + name, "#!/bin/sh\n");
    }
    void PutBothTools(const std::string& dataFolder = "tarnel") const
    {
        PutTool(dataFolder, "stackgen");
        PutTool(dataFolder, "shapegen");
    }
    std::string MakeMesh(const std::string& path) { return CToolRunner(Root()).MakeMesh(path); }

    TempFolder root;
    TempFolder work;
    ScriptedPrompts prompts;
    RecordingClock clock;
    RecordingProcessRunner processes;
    bool writeOutputs = true;
};

}  // namespace

TEST_F(ToolRunner, ALayerFileGoesThroughStackgenThenShapegenInItsOwnFolder)
{
    PutBothTools();
    const std::string layer = work.Write("Run1/Laser.layer", "begin_layer\n");
    const std::string cwd = std::filesystem::current_path().string();

    EXPECT_EQ(MakeMesh(layer), work.File("Run1/Laser.msh")) << "paths keep their case";

    ASSERT_EQ(processes.requests.size(), 2u);
    const std::string folder = work.File("Run1/");
    EXPECT_EQ(processes.requests[0].argv, (Texts{Root() + "tarnel/stackgen", "Laser.layer"}));
    EXPECT_EQ(processes.requests[0].workingFolder, folder);
    EXPECT_EQ(processes.requests[1].argv, (Texts{Root() + "tarnel/shapegen", "Laser.geo"}));
    EXPECT_EQ(processes.requests[1].workingFolder, folder);
    EXPECT_TRUE(processes.requests[0].quiet);
    EXPECT_EQ(clock.sleeps, (std::vector<unsigned>{2000, 2000})) << "a two-second pause after each tool";
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(std::filesystem::current_path().string(), cwd) << "the program's working folder stays";
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"Laser.geo", "Laser.layer", "Laser.msh"})) << "no batch file";
}

TEST_F(ToolRunner, AGeoFileGoesThroughShapegenOnly)
{
    PutBothTools("corvex");
    const std::string geo = work.Write("dev.GEO", "g\n");
    EXPECT_EQ(MakeMesh(geo), work.File("dev.msh"));
    ASSERT_EQ(processes.requests.size(), 1u);
    EXPECT_EQ(processes.requests[0].argv, (Texts{Root() + "corvex/shapegen", "dev.GEO"}));
    EXPECT_EQ(clock.sleeps.size(), 1u);
}

TEST_F(ToolRunner, APathFromTheOtherSystemIsFoundWithItsBackslashes)
{
    PutBothTools();
    work.Write("run/dev.layer", "x\n");
    std::string windowsStyle = work.File("run\\dev.layer");
    EXPECT_EQ(MakeMesh(windowsStyle), work.File("run/dev.msh"));
    ASSERT_EQ(processes.requests.size(), 2u);
    EXPECT_EQ(processes.requests[0].workingFolder, work.File("run/"));
}

TEST_F(ToolRunner, AFileNameWithoutADotHasAnEmptyTitle)
{
    PutBothTools();
    const std::string input = work.Write("a.layer/dev", "x\n");
    EXPECT_EQ(MakeMesh(input), work.File("a.layer/.msh"));
    ASSERT_EQ(processes.requests.size(), 2u);
    EXPECT_EQ(processes.requests[0].argv.at(1), "dev");
    EXPECT_EQ(processes.requests[1].argv.at(1), ".geo");
}

TEST_F(ToolRunner, AFileOfAnotherKindRunsNothing)
{
    PutBothTools();
    const std::string input = work.Write("dev.sol", "x\n");
    EXPECT_EQ(MakeMesh(input), "");
    EXPECT_EQ(prompts.Texts(), Texts{"It is not a .layer or .geo file!"});
    EXPECT_TRUE(processes.requests.empty());
    EXPECT_TRUE(clock.sleeps.empty());
}

namespace {

struct LookupCase {
    const char* what;
    std::vector<std::string> tools;  // "folder/name" of each tool file made
    std::string found;               // "folder/name" of the tool expected
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.what; }

class ToolLookup : public ToolRunner, public ::testing::WithParamInterface<LookupCase> {};

}  // namespace

TEST_P(ToolLookup, TakesTheFirstDataFolderThatHoldsTheTool)
{
    for (const std::string& tool : GetParam().tools)
        root.Write(tool, "#!/bin/sh\n");
    EXPECT_EQ(CToolRunner(Root()).FindSimulatorTool(CToolRunner::kGeoTool), Root() + GetParam().found);
    EXPECT_TRUE(prompts.Texts().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ToolLookup,
    ::testing::Values(LookupCase{"only in lumivo", {"lumivo/shapegen"}, "lumivo/shapegen"},
                      LookupCase{"tarnel before corvex", {"corvex/shapegen", "tarnel/shapegen"}, "tarnel/shapegen"},
                      LookupCase{"corvex before lumivo", {"lumivo/shapegen", "corvex/shapegen"}, "corvex/shapegen"},
                      LookupCase{"the name with .exe", {"lumivo/shapegen.exe"}, "lumivo/shapegen.exe"},
                      LookupCase{"the plain name first", {"tarnel/shapegen.exe", "tarnel/shapegen"}, "tarnel/shapegen"},
                      LookupCase{"names of another case", {"Corvex/SHAPEGEN.EXE"}, "Corvex/SHAPEGEN.EXE"},
                      LookupCase{"the other tool does not count", {"tarnel/stackgen", "lumivo/shapegen"},
                                 "lumivo/shapegen"}));

TEST_F(ToolRunner, AMissingToolStopsTheRunNamingWhatWasLookedForAndWhere)
{
    const auto missing = [this](const std::string& tool) {
        return "Can't find " + tool + "\nLooked for " + tool + " and " + tool + ".exe in " + Root() + "tarnel/, " +
               Root() + "corvex/ and " + Root() + "lumivo/.";
    };
    const std::string layer = work.Write("dev.layer", "x\n");
    EXPECT_EQ(MakeMesh(layer), "");
    EXPECT_EQ(prompts.Texts(), Texts{missing("stackgen")});
    EXPECT_TRUE(processes.requests.empty());

    prompts.Clear();
    PutTool("lumivo", "stackgen");
    EXPECT_EQ(MakeMesh(layer), "");
    EXPECT_EQ(prompts.Texts(), Texts{missing("shapegen")});
    EXPECT_EQ(processes.requests.size(), 1u);

    prompts.Clear();
    EXPECT_EQ(CToolRunner("").FindSimulatorTool(CToolRunner::kLayerTool), "") << "no installation root";
    EXPECT_EQ(prompts.Texts(), Texts{"Can't find stackgen\nThe folder above the program's own folder, where the "
                                     "simulators are installed, is not known."});
}

TEST_F(ToolRunner, AMissingInputStopsTheRun)
{
    PutBothTools();
    EXPECT_EQ(MakeMesh(work.File("gone.layer")), "");
    EXPECT_EQ(prompts.Texts(), Texts{"Can't find " + work.File("gone.layer")});
    EXPECT_TRUE(processes.requests.empty());
}

TEST_F(ToolRunner, AToolThatCannotStartStopsTheRunAfterItsPause)
{
    PutBothTools();
    const std::string layer = work.Write("dev.layer", "x\n");
    processes.results.push_back({false, -1});
    EXPECT_EQ(MakeMesh(layer), "");
    EXPECT_EQ(prompts.Texts(), Texts{"Can't start " + Root() + "tarnel/stackgen"});
    EXPECT_EQ(processes.requests.size(), 1u);
    EXPECT_EQ(clock.sleeps, std::vector<unsigned>{2000});
}

TEST_F(ToolRunner, AToolThatFailsStopsTheRun)
{
    PutBothTools();
    const std::string layer = work.Write("dev.layer", "x\n");
    processes.results.push_back({true, 0});
    processes.results.push_back({true, 3});
    EXPECT_EQ(MakeMesh(layer), "");
    EXPECT_EQ(prompts.Texts(), Texts{"shapegen failed with exit code 3"});
}

TEST_F(ToolRunner, AnOutputTheToolDidNotWriteStopsTheRunAndAnOldOneIsNotTaken)
{
    PutBothTools();
    const std::string layer = work.Write("dev.layer", "x\n");
    work.Write("dev.msh", "an old mesh\n");
    work.Write("dev.geo", "an old geometry\n");
    writeOutputs = false;
    EXPECT_EQ(MakeMesh(layer), "");
    EXPECT_EQ(prompts.Texts(), Texts{"stackgen did not write " + work.File("dev.geo")});
    EXPECT_EQ(processes.requests.size(), 1u);
    EXPECT_FALSE(FileExists(work.File("dev.geo")));

    prompts.Clear();
    writeOutputs = true;
    processes.action = [this](const ProcessRequest& r) {
        if (r.argv.at(1) == "dev.layer")
            std::ofstream(work.File("dev.geo")) << "new\n";
    };
    EXPECT_EQ(MakeMesh(layer), "");
    EXPECT_EQ(prompts.Texts(), Texts{"shapegen did not write " + work.File("dev.msh")});
    EXPECT_FALSE(FileExists(work.File("dev.msh"))) << "the old mesh is never plotted as new";
}

// The stand-in scripts, started for real.
class StandInToolRun : public ::testing::Test {
protected:
    StandInToolRun() { prompts.AllowUnscripted(); }
    std::string MakeMesh(const std::string& path) { return CToolRunner(root.Path()).MakeMesh(path); }

    TempFolder root;
    TempFolder work;
    ScriptedPrompts prompts;
    RecordingClock clock;
};

TEST_F(StandInToolRun, WriteTheGeometryAndTheMeshBesideTheLayerFile)
{
    InstallStandInTools(root.Path(), "lumivo");
    const std::string layer = work.Write("My Run/dev.layer", "begin_layer\n");
    const std::string mesh = MakeMesh(layer);
    EXPECT_EQ(mesh, work.File("My Run/dev.msh"));
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(work.Read("My Run/dev.geo"), "stand-in geometry of dev.layer\n");
    EXPECT_EQ(FileBytes(mesh).substr(0, 16), "stand-in mesh\n5\n");
}

TEST_F(StandInToolRun, EachFailureGivesItsMessage)
{
    const std::string layer = work.Write("dev.layer", "x\n");
    InstallStandInTool(root.Path(), "tarnel", "stackgen", "stackgen");
    const struct {
        const char* script;
        bool executable;
        std::string message;
    } cases[] = {
        {"failing/shapegen", true, "shapegen failed with exit code 3"},
        {"silent/shapegen", true, "shapegen did not write " + work.File("dev.msh")},
        {"shapegen", false, "Can't start " + root.File("tarnel/shapegen")},
    };
    for (const auto& c : cases) {
        prompts.Clear();
        InstallStandInTool(root.Path(), "tarnel", c.script, "shapegen", c.executable);
        EXPECT_EQ(MakeMesh(layer), "") << c.script;
        EXPECT_EQ(prompts.Texts(), Texts{c.message}) << c.script;
    }
}
