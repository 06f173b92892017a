// A deck save cut off at any moment: the save runs in a child process that is killed (SIGKILL)
// right after one of its file calls, at every call in turn; the deck is then opened through the
// document, which must give the old device or the new one, from a folder that holds byte for byte
// the old files or the new ones and nothing else. Also: intent records cut short at every length or
// naming a missing file, the recorded order of one save's calls, and a folder where a cut-off save
// cannot be dealt with.

#include "CommandIds.h"
#include "DeckFolder.h"
#include "support/DocFixture.h"
#include "support/FakeSheetRunner.h"
#include "support/FaultyFileCalls.h"
#include "support/FileBytes.h"
#include "textfiles/SolDeckHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <ostream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CrashCase {
    const char* name;
    const char* fixture;
    const char* deck;
    std::function<void(CTessaronDoc&)> edit;
};

void PrintTo(const CrashCase& c, std::ostream* os) { *os << c.name; }

const CrashCase kZRange{"ridge_zrange", "corvex_pos", "ridge.sol",
                        [](CTessaronDoc& doc) { doc.m_ZSegments[1].m_Params.m_dZTo = 30.0; }};
const CrashCase kDeletedZsegment{"taper_delete_zseg", "lumivo_len", "taper.sol", [](CTessaronDoc& doc) {
                                     doc.SelectZsegment(1);
                                     doc.OnCommand(ID_ZSEG_DELETE);
                                 }};

bool IsHidden(const std::string& name) { return !name.empty() && name[0] == '.'; }

class DeckSaveCrash : public DocFixture {
protected:
    DeckSaveCrash() { doc().SetMacroList(&files.layers.macros); }

    std::string Folder() const { return files.folder.Path(); }

    // Opens the deck and edits it as the case says, then saves it in a child process that dies
    // right after its killAfter-th file call (0: never). Returns the child's wait status; a child
    // that lives writes its calls, one a line, to `traceFile` and exits with 0 after a save.
    int SaveInChild(const std::string& deck, const CrashCase& c, int killAfter, const std::string& traceFile = "")
    {
        EXPECT_TRUE(doc().OnOpenDocument(deck));
        c.edit(doc());
        doc().SetModifiedFlag();
        prompts.AllowUnscripted();
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            FaultyFileCalls calls;
            calls.killAfter = killAfter;
            const bool saved = doc().OnFileSave();
            if (!traceFile.empty()) {
                std::ofstream out(traceFile);
                for (const std::string& step : calls.trace)
                    out << step << "\n";
            }
            ::_exit(saved ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return status;
    }

    // The calls of a whole save of the case, as the child recorded them.
    std::vector<std::string> TraceOfAWholeSave(const std::string& deck, const CrashCase& c)
    {
        const std::string traceFile = traceFolder.File("trace.txt");
        const int status = SaveInChild(deck, c, 0, traceFile);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        std::vector<std::string> trace;
        std::ifstream in(traceFile);
        for (std::string line; std::getline(in, line);)
            trace.push_back(line);
        return trace;
    }

    // Opens the deck afresh, as a user would after the crash.
    std::string OpenedDevice(const std::string& deck)
    {
        prompts.Clear();
        views.statusTexts.clear();
        EXPECT_TRUE(doc().OnOpenDocument(deck)) << ::testing::PrintToString(prompts.Texts());
        return DeviceOutline(doc());
    }

    SolDeckHarness files;
    FakeSheetRunner sheets;
    TempFolder traceFolder;
};

class DeckSaveCrashes : public DeckSaveCrash, public ::testing::WithParamInterface<CrashCase> {};

}  // namespace

TEST_P(DeckSaveCrashes, AKillAtEveryStepLeavesTheOldDeckOrTheNewOneAndNoHiddenFile)
{
    const CrashCase& c = GetParam();
    const std::string deck = files.Stage(c.fixture, c.deck);
    const std::map<std::string, std::string> oldFiles = FolderBytes(Folder());
    const std::string oldDevice = OpenedDevice(deck);

    const std::vector<std::string> trace = TraceOfAWholeSave(deck, c);
    const std::map<std::string, std::string> newFiles = FolderBytes(Folder());
    const std::string newDevice = OpenedDevice(deck);
    ASSERT_NE(newFiles, oldFiles);
    ASSERT_NE(newDevice, oldDevice);
    ASSERT_GT(trace.size(), 20u);

    int finished = 0;
    int undone = 0;
    for (std::size_t k = 1; k <= trace.size(); ++k) {
        SCOPED_TRACE("killed after call " + std::to_string(k) + ": " + trace[k - 1]);
        RestoreFolder(Folder(), oldFiles);
        const int status = SaveInChild(deck, c, static_cast<int>(k));
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;

        const std::string device = OpenedDevice(deck);
        const std::map<std::string, std::string> folder = FolderBytes(Folder());
        // Byte for byte one set or the other: no hidden file left, no file of the other save.
        const bool isNew = folder == newFiles;
        EXPECT_TRUE(isNew || folder == oldFiles) << ::testing::PrintToString(FolderNames(Folder()));
        EXPECT_EQ(device, isNew ? newDevice : oldDevice);
        for (const std::string& name : FolderNames(Folder()))
            EXPECT_FALSE(IsHidden(name)) << name;
        // What the open finished or undid is said in the status bar.
        for (const std::string& text : views.statusTexts) {
            finished += text.rfind("Finished a save that was cut off", 0) == 0;
            undone += text.rfind("Undid a save that was cut off", 0) == 0;
        }
    }
    EXPECT_GT(finished, 0);
    EXPECT_GT(undone, 0);
}

INSTANTIATE_TEST_SUITE_P(DocumentSolSave, DeckSaveCrashes, ::testing::Values(kZRange, kDeletedZsegment));

TEST_F(DeckSaveCrash, ARecordCutAtEveryLengthOrNamingAMissingFileIsUndone)
{
    const std::string deck = files.Stage(kZRange.fixture, kZRange.deck);
    const std::map<std::string, std::string> oldFiles = FolderBytes(Folder());
    const std::string oldDevice = OpenedDevice(deck);

    // A save killed right after its record was closed: its temporary and kept files and its whole
    // record are in the folder, nothing is renamed.
    const std::vector<std::string> trace = TraceOfAWholeSave(deck, kZRange);
    const auto recordClosed = std::find_if(trace.begin(), trace.end(), [](const std::string& step) {
        return step.rfind("close ", 0) == 0 && step.find(".commit-") != std::string::npos;
    });
    ASSERT_NE(recordClosed, trace.end());
    const std::map<std::string, std::string> newFiles = FolderBytes(Folder());
    const std::string newDevice = OpenedDevice(deck);
    RestoreFolder(Folder(), oldFiles);
    const int status = SaveInChild(deck, kZRange, static_cast<int>(recordClosed - trace.begin()) + 1);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::map<std::string, std::string> committed = FolderBytes(Folder());
    std::string recordName;
    for (const auto& [name, bytes] : committed)
        if (name.find(".commit-") != std::string::npos)
            recordName = name;
    ASSERT_FALSE(recordName.empty());
    const std::string record = committed.at(recordName);

    for (std::size_t length = 0; length < record.size(); ++length) {
        SCOPED_TRACE("record cut at " + std::to_string(length) + " of " + std::to_string(record.size()));
        std::map<std::string, std::string> state = committed;
        state[recordName] = record.substr(0, length);
        RestoreFolder(Folder(), state);
        ASSERT_EQ(OpenedDevice(deck), oldDevice);
        ASSERT_EQ(FolderBytes(Folder()), oldFiles);
    }

    // A whole record naming a temporary file that is gone. Where the file's new bytes are its old
    // ones the target holds what the save meant (as after its rename), and the save is finished.
    int undone = 0;
    for (const auto& [name, bytes] : committed) {
        const std::size_t marker = name.find(".saving-");
        if (marker == std::string::npos)
            continue;
        SCOPED_TRACE(name);
        const std::string target = name.substr(1, marker - 1);
        const bool unchanged = newFiles.at(target) == oldFiles.at(target);
        std::map<std::string, std::string> state = committed;
        state.erase(name);
        RestoreFolder(Folder(), state);
        EXPECT_EQ(OpenedDevice(deck), unchanged ? newDevice : oldDevice);
        EXPECT_EQ(FolderBytes(Folder()), unchanged ? newFiles : oldFiles);
        ASSERT_EQ(views.statusTexts.size(), 1u);
        const char* said = unchanged ? "Finished a save that was cut off: " : "Undid a save that was cut off; as before it: ";
        EXPECT_EQ(views.statusTexts[0].rfind(said, 0), 0u) << views.statusTexts[0];
        undone += !unchanged;
    }
    EXPECT_GT(undone, 0);

    // The whole record with all its files is carried out.
    RestoreFolder(Folder(), committed);
    EXPECT_NE(OpenedDevice(deck), oldDevice);
    EXPECT_EQ(FolderNames(Folder()).size(), oldFiles.size());
    ASSERT_EQ(views.statusTexts.size(), 1u);
    EXPECT_EQ(views.statusTexts[0].rfind("Finished a save that was cut off: ", 0), 0u);
}

TEST_F(DeckSaveCrash, OneSaveWritesAndSyncsEveryFileBeforeTheRecordAndRenamesOnlyAfterIt)
{
    const std::string deck = files.Stage(kZRange.fixture, kZRange.deck);
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    kZRange.edit(doc());
    doc().SetModifiedFlag();
    prompts.AllowUnscripted();
    FaultyFileCalls calls;
    ASSERT_TRUE(doc().OnFileSave());

    // Each call by its phase, runs of one phase taken as one.
    auto phaseOf = [](const std::string& step) -> std::string {
        const bool record = step.find(".commit-") != std::string::npos;
        const std::string call = step.substr(0, step.find(' '));
        if (record)
            return call + " record";
        if (call == "syncfolder")
            return "sync folder";
        if (step.find(".saving-") != std::string::npos)
            return call == "rename" ? "rename temporaries over their targets" : "write temporaries";
        if (call == "link" || (call == "remove" && step.find(".old-") != std::string::npos))
            return call + " old files";
        return step;
    };
    std::vector<std::string> phases;
    for (const std::string& step : calls.trace)
        if (phases.empty() || phases.back() != phaseOf(step))
            phases.push_back(phaseOf(step));
    EXPECT_EQ(phases, (std::vector<std::string>{"write temporaries", "link old files", "create record", "write record",
                                                "sync record", "close record", "sync folder",
                                                "rename temporaries over their targets", "sync folder",
                                                "remove record", "remove old files"}));

    // Every temporary file is written, synced and closed, and renamed once.
    std::map<std::string, std::vector<std::string>> callsOfTemporary;
    for (const std::string& step : calls.trace) {
        const std::size_t at = step.find(' ');
        if (at != std::string::npos && step.find(".saving-") != std::string::npos)
            callsOfTemporary[step.substr(at + 1, step.find(' ', at + 1) - at - 1)].push_back(step.substr(0, at));
    }
    ASSERT_EQ(callsOfTemporary.size(), 8u);
    for (const auto& [temporary, steps] : callsOfTemporary)
        EXPECT_EQ(steps, (std::vector<std::string>{"create", "write", "sync", "close", "rename"})) << temporary;
}

TEST_F(DeckSaveCrash, AFolderWhereACutOffSaveCannotBeDealtWithIsNotOpened)
{
    const std::string deck = files.Stage(kZRange.fixture, kZRange.deck);
    const std::vector<std::string> trace = TraceOfAWholeSave(deck, kZRange);
    const auto recordClosed = std::find_if(trace.begin(), trace.end(), [](const std::string& step) {
        return step.rfind("close ", 0) == 0 && step.find(".commit-") != std::string::npos;
    });
    ASSERT_NE(recordClosed, trace.end());
    const int status = SaveInChild(deck, kZRange, static_cast<int>(recordClosed - trace.begin()) + 1);
    ASSERT_TRUE(WIFSIGNALED(status));
    std::string record;
    for (const std::string& name : FolderNames(Folder()))
        if (name.find(".commit-") != std::string::npos)
            record = files.folder.File(name);
    ASSERT_FALSE(record.empty());
    const std::map<std::string, std::string> before = FolderBytes(Folder());

    ASSERT_EQ(::chmod(Folder().c_str(), 0555), 0);
    prompts.Clear();
    prompts.AnswerNext(IDOK);
    const int zsegsBefore = g_nZSegCount;
    const std::string nameBefore = doc().GetPathName();
    const bool opened = doc().OnOpenDocument(deck);
    ::chmod(Folder().c_str(), 0755);
    EXPECT_FALSE(opened);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't open file " + deck + "\nA save that was cut off left " +
                                                        record + ", which cannot be finished or undone:\n" +
                                                        "Permission denied (the folder is read-only)"});
    EXPECT_EQ(FolderBytes(Folder()), before);
    // Nothing was read: the open document stays as it was.
    EXPECT_EQ(g_nZSegCount, zsegsBefore);
    EXPECT_EQ(doc().GetPathName(), nameBefore);
}
