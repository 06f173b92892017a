#pragma once
// Whole-file reads for tests. They open the path exactly as given (no lookup ignoring case), so a
// test sees what is on disk under that very name.

#include <string>

// The bytes of the file; "" when it cannot be read.
std::string FileBytes(const std::string& path);
// The same, and the test fails when the file cannot be read.
std::string ExistingFileBytes(const std::string& path);

// A saved ".layer" text with its statements one to a line: continuation lines joined, runs of
// blanks made one, so a test can look for a whole statement whatever its wrapping.
std::string JoinedStatements(const std::string& saved);
