#pragma once
// Texts of the device as a workbook cell takes them. Names and remarks are the bytes of the
// structure files: valid UTF-8 stays as it is, any other text is read as code page 1252 (the
// files come from Windows) and converted. A cell holds at most kMaxCellCharacters characters.

#include <string>

constexpr std::size_t kMaxCellCharacters = 32767;

bool IsValidUtf8(const std::string& text);
// The text as UTF-8 (see above); characters XML cannot carry (controls other than tab, line feed
// and carriage return) become blanks.
std::string ToCellText(const std::string& bytes);
// Characters (not bytes) of a UTF-8 text.
std::size_t CountUtf8Characters(const std::string& text);
// The first `characters` characters of a UTF-8 text.
std::string CutUtf8(const std::string& text, std::size_t characters);
// Appends one character of the Basic Multilingual Plane, given by its code, as UTF-8.
void AppendUtf8(std::string& out, unsigned code);
