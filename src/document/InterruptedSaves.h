#pragma once
// Before the document opens a file or saves into a folder, the folder is settled: a save of a file
// set that was cut off there (the program killed, the machine switched off) is finished or undone,
// and the hidden files of saves that ended are removed (platform/FileSetRecovery.h). What was
// finished or undone is said in the status bar. A folder where that cannot be done is not used
// silently: the caller refuses after the message.

#include <string>

class IViewsHub;

// The file a document path names on the disk when it is reached through a symbolic link (the
// file the link leads to, so that a deck and the files beside it are found in the folder of the
// deck itself); otherwise the path as given.
std::string ResolveDocumentPath(const std::string& path);

// Settles the folder of `file`. False after a message of `lead`, a line break
// and the reason, when the folder holds a save that cannot be finished or undone.
bool SettleInterruptedSaves(const std::string& file, IViewsHub* views, const std::string& lead);
