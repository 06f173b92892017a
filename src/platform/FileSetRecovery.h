#pragma once
// Settling a folder after a save of a file set that was cut off (FileTransaction.h). Before a file
// of the folder is opened, and before a save writes into it, every intent record found there is
// dealt with:
//   - a whole record whose files are each either still waiting under their temporary name or
//     already in place is carried out: the remaining renames are made, the folder synced, the
//     record removed (the save is finished);
//   - a record cut short (its checksum does not match), unreadable, or one whose temporary file is
//     gone without its target holding the new bytes, is undone: files already renamed get their
//     kept old files back, the temporary files and the record are removed (the old files stand).
// Then the hidden ".saving-" and ".old-" files that no running save holds are removed. A record
// that a running save holds (its lock) is left alone.
//
// A folder where that cannot be done (read-only, a rename refused) is reported with the record
// and the reason, and nothing more is removed there, so that the record can still be dealt with.

#include <string>
#include <vector>

class CFileSetRecovery {
public:
    // What a recovery did.
    struct Report {
        std::vector<std::string> finished;  // files a finished save put in place
        std::vector<std::string> undone;    // files an undone save left (or put back) as they were
        int cutRecords = 0;                 // records cut short or unreadable, undone
        std::string refusedRecord;          // a record that could not be dealt with ("" when none)
        std::string refusedReason;

        bool Refused() const { return !refusedRecord.empty(); }
        bool DidSomething() const { return !finished.empty() || !undone.empty() || cutRecords > 0; }
        // A line for the status bar: what was finished or undone ("" when nothing was).
        std::string StatusText() const;
        // The message of a folder that could not be settled, naming the record and the reason.
        std::string RefusalText() const;
    };

    // Settles the folder ("" is the current folder; a trailing "/" is optional).
    static Report RecoverFolder(const std::string& folder);
};
