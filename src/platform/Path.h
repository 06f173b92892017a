#pragma once
// Path routines. Paths read from structure files were written on a system whose separator is "\";
// every routine here treats "\" and "/" alike, and a path is made native ("/") only when a file is
// opened (NativePath, ResolveExistingPath).

#include <string>

bool IsPathSeparator(char c);
// Index of the last "\" or "/", std::string::npos when there is none.
std::size_t FindLastSeparator(const std::string& path);

// The deck routines. They use only the last separator and the last "." of the whole path, so a "."
// in a folder name counts when the file name has none.
// The path up to its last "." (no "." -> "").
std::string PathStripExtension(const std::string& path);
// The file name up to its last "." (no "." in the file name -> "").
std::string PathFileTitle(const std::string& path);
// The path up to and including its last separator. A bare file name lies in the current folder,
// whose folder text is "" (so folder + name is the name itself), never the root.
std::string PathFolder(const std::string& path);
// The part after the last separator (none -> the whole path).
std::string PathFileName(const std::string& path);
// The part from the last "." on, the "." included (no "." -> the whole path).
std::string PathExtension(const std::string& path);

// The path with every "\" turned into "/".
std::string NativePath(const std::string& path);

// Finds the file a path names: the path exactly as given when it exists (a Linux name may hold a
// "\"), else the native path when it exists; otherwise each component that does not exist with its
// exact case is looked up ignoring case in its folder (files come from a case-insensitive system).
// Returns the native path unchanged when nothing matches.
std::string ResolveExistingPath(const std::string& path);

// The file a write of path goes to. The name is kept exactly as given: a file of that name in
// another case is another file (the lookup ignoring case is for reading only); the folder is found
// as ResolveExistingPath finds it. A "\" stays part of a name when the path as given names an
// existing entry, or when only its folder with the "\" kept exists. Symbolic links are followed to
// the file they lead to (FollowSymbolicLinks). The result uses "/" as its only separator.
std::string ResolveWritePath(const std::string& path);

// The path a chain of symbolic links leads to (relative links taken from the link's folder); the
// path itself when it is no link, and the last link's target when that does not exist yet.
std::string FollowSymbolicLinks(const std::string& path);

// True when `marker` (such as ".layer") occurs in the path, ignoring case, after the path's first
// character: how the program tells the kind of a file from its name.
bool PathNamesKind(const std::string& path, const std::string& marker);
