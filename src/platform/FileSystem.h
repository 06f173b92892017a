#pragma once
// Folder and file routines. Paths may use "\" or "/"; they are made native when used.

#include <string>
#include <vector>

// True when the path names an existing file or folder.
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// True when the path names one regular file (a link is followed) that this process may read: not a
// folder, a pipe or a device, which a reader would refuse or wait on.
bool ReadableFileExists(const std::string& path);

// Creates every folder along the path that does not exist yet, outermost first. With
// endsWithFileName the last component is a file name and is not created; the result tells whether
// the folder of the file exists afterwards. Otherwise the whole path is created as a folder and the
// result tells whether it exists.
bool MakeDirectoryPath(const std::string& path, bool endsWithFileName);

// Appends the files (not folders) of a folder whose name matches "*." + extension, ignoring case
// ("" or "*" lists every file), sorted by name. fullPaths gives folder + separator + name, else the
// bare name. The list is not emptied first; true when it holds at least one text afterwards.
bool ListFolderFiles(const std::string& folder, const std::string& extension, std::vector<std::string>& list,
                     bool fullPaths);
// Appends the bare names of the sub-folders of a folder, sorted; same result rule.
bool ListSubfolders(const std::string& folder, std::vector<std::string>& list);

// Copies a file's bytes (written safely, see FileIO.h). With failIfExists an existing target is
// left alone and the result is false.
bool CopyFileBytes(const std::string& from, const std::string& to, bool failIfExists = false);
bool DeleteFilePath(const std::string& path);
// Last modification time in seconds since 1970 (UTC); false when the status cannot be read.
bool FileModificationTime(const std::string& path, long long& seconds);
