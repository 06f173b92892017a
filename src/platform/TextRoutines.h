#pragma once
// Free routines on label, number and path texts used by the document and the parameter series.
// Paths may use "\" or "/" as separator; both count alike.

#include <string>

// Splits a label into its stem and trailing number after trimming white space at both ends:
// "abc12" -> "abc", 12; "abc" -> "abc", 1; "123" -> "", 123; "layer 3" -> "layer ", 3; "" -> "", 0.
void SplitTrailingNumber(std::string text, std::string* stem, int* number);

// True only when the whole text (blanks and TABs around it allowed) is one number; value receives the
// number read also when the result is false. A zero is accepted only when the text's first character
// after the blanks is "0", so "-0", ".0" and "+0" fail. No length limit.
bool ParseDoubleStrict(const std::string& text, double& value);

// Folder (up to and including the last separator), title (the file name before its last ".") and
// extension (after that ".", without it), all three lower-cased. An empty path returns false and
// leaves the outputs untouched. "C:\Data\Dev.old.Layer" -> "c:\data\", "dev.old", "layer".
// The lower-cased values are for comparing only; never open a file by them.
bool SplitPath(const std::string& path, std::string& folder, std::string& title, std::string& extension);

// Drive and directory as folder (ending with a separator when not empty), the file name as title and
// the extension with its leading dot, all lower-cased: "C:\Dir\File.TXT" -> "c:\dir\", "file", ".txt".
void SplitPathParts(const std::string& path, std::string& folder, std::string& title, std::string& extension);

// ASCII letters only: mode 0 lower-cases, 1 upper-cases, 2 swaps the case; other modes do nothing.
void ConvertCase(std::string& text, int mode);

// Appends "\" to a non-empty text that does not already end with "\" or "/". An empty text stays
// empty: it stands for the current folder.
void EnsureTrailingBackslash(std::string& text);

void ReverseString(std::string& text);
