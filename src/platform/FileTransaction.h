#pragma once
// A set of files written as one: a save of several files that belong together (a ".sol" deck with
// its z-segment ".layer" files and their companion files) either replaces all of them or none.
//
// While a save prepares its files it stages their bytes here (Stage) and reads what it staged
// back (Read), so that a pass working on a file written by an earlier pass sees that file. Commit
// first settles the folders it writes into (FileSetRecovery.h: what an earlier save cut off is
// finished or undone), then writes every staged file to a temporary file beside its target
// (CAtomicFileWriter) and syncs it. A failure while writing removes every temporary file and
// leaves every target as it was. Every file that could not be written is listed, not only the
// first.
//
// Once all are written, a set of several files is put in place through one commit point, as a
// database commits a transaction that spans several files: each old file is kept under a second
// name, an intent record naming every target, temporary and kept file (FileSetRecord.h) is
// written and synced, and its folder synced; only then are the temporary files renamed over their
// targets, the folders synced again and the record removed. A crash before the record is on the
// disk leaves the old files; after it, whoever finds the record finishes the save. A rename that
// fails in the running program puts back the files already replaced. A set of one file is simply
// renamed over its target, and its folder synced.
//
//     CFileTransaction files;
//     files.Stage(deckPath, deckText);
//     files.Stage(layerPath, layerText);
//     if (!files.Commit()) { ...files.Failures() ... }

#include <memory>
#include <string>
#include <vector>

class CAtomicFileWriter;

class CFileTransaction {
public:
    // A file that could not be written, with the system's reason.
    struct Failure {
        std::string path;
        std::string reason;
    };

    CFileTransaction() = default;
    CFileTransaction(const CFileTransaction&) = delete;
    CFileTransaction& operator=(const CFileTransaction&) = delete;

    // The bytes path is to hold once the transaction commits; a later Stage of the same file
    // replaces them.
    void Stage(const std::string& path, const std::string& bytes);
    // The staged bytes of path, or else the file's bytes on disk; false when neither exists.
    bool Read(const std::string& path, std::string& bytes) const;
    bool IsStaged(const std::string& path) const;
    // Staged, or a file on disk.
    bool Exists(const std::string& path) const;
    int GetCount() const { return static_cast<int>(m_files.size()); }
    // The staged files' paths, in the order they were first staged.
    std::vector<std::string> StagedPaths() const;

    // Writes every staged file (see above); true when all are in place. The staged files are
    // dropped either way.
    bool Commit();
    // Tests and benchmarks only: false puts a set in place without the commit point (each file
    // renamed and its folder synced in turn, nothing settled first), as saves were made before.
    static void UseCommitPoint(bool use);

    // After a failed Commit: every file that could not be written.
    const std::vector<Failure>& Failures() const { return m_failures; }
    // "path: reason" per failed file, one a line.
    std::string FailureText() const;

private:
    struct Staged {
        std::string key;   // the file a write of the path goes to (ResolveWritePath)
        std::string path;  // as given
        std::string bytes;
    };
    using Writers = std::vector<std::unique_ptr<CAtomicFileWriter>>;

    int IndexOf(const std::string& path) const;
    bool SettleFolders(const std::vector<Staged>& files);
    bool PlaceOne(const Staged& file, CAtomicFileWriter& writer);
    bool PlaceOneByOne(const std::vector<Staged>& files, Writers& writers);
    bool PlaceThroughRecord(const std::vector<Staged>& files, Writers& writers);
    const Staged* Find(const std::string& path) const;

    std::vector<Staged> m_files;
    std::vector<Failure> m_failures;
};
