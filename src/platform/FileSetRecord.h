#pragma once
// The intent record of a file set being put in place (FileTransaction.h): a small hidden file
// beside the files that names, for every file of the set, its target, the temporary file that holds
// its new bytes, the second name its old file is kept under, and the size and hash of the new
// bytes. Once the record is on the disk the save counts as made: whoever finds the record finishes
// it (FileSetRecovery.h). The record ends with a checksum of itself, so a record cut short by a
// crash while it was written is told from a whole one.
//
//     tessaron file set 1
//     files 2
//     5:a.sol 22:.a.sol.saving-Ab12Cd 19:.a.sol.old-Ab12Cd 812 9f0c...
//     7:a.layer 24:.a.layer.saving-Xy34Zw 0: 4096 03ab...
//     check 5e1f...
//
// Names are given with their length, so any byte may occur in them; a name without a "/" lies in
// the record's folder, any other is a whole path. An empty kept name: the target did not exist.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CFileSetRecord {
public:
    struct Entry {
        std::string target;  // as written: a name in the record's folder, or a whole path
        std::string temp;
        std::string kept;    // "" when the target did not exist before the save
        std::uint64_t size = 0;
        std::uint64_t hash = 0;
    };

    // The part of a record's name before its six unique characters: ".<name>.commit-".
    static std::string NamePrefix(const std::string& firstTargetName);
    // Whether a folder entry's name is that of a record (".<something>.commit-" and six characters).
    static bool IsRecordName(const std::string& name);

    // A hash of bytes, for telling a file's new bytes from its old ones.
    static std::uint64_t Hash(const void* data, std::size_t size);

    // The record's text.
    static std::string Encode(const std::vector<Entry>& entries);
    // False when the bytes are not a whole record (cut short, changed, or not a record at all).
    static bool Decode(const std::string& bytes, std::vector<Entry>& entries);

    // The name an entry gives to a path: the name alone within folder ("" or ending in "/"),
    // else the whole path; and back.
    static std::string NameInFolder(const std::string& folder, const std::string& path);
    static std::string PathInFolder(const std::string& folder, const std::string& name);
};
