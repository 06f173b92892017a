#pragma once
// Small byte-string helpers in place of the string class the structure files were first handled with.
// Texts are std::string holding bytes; "white space" is blank, TAB, CR, LF, vertical tab and form feed;
// case folding touches the ASCII letters only.

#include <string>
#include <string_view>

inline bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
// Blank or TAB: the separators inside a statement line.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// "0" to "9" only, whatever the locale.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string TrimLeft(const std::string& text);
std::string TrimRight(const std::string& text);
// The bounds of the text without white space at either end: [start, end).
void TrimmedBounds(const std::string& text, std::size_t& start, std::size_t& end);
std::string Trim(const std::string& text);
// Trim without the copy: a view into the text.
std::string_view TrimmedView(const std::string& text);

std::string ToLowerAscii(std::string text);
std::string ToUpperAscii(std::string text);

// Comparison ignoring the case of ASCII letters.
bool EqualsNoCase(const std::string& a, const std::string& b);
// <0, 0, >0 like strcmp, ignoring the case of ASCII letters.
int CompareNoCase(const std::string& a, const std::string& b);

// Views, so that a text literal compared with is not first made into a string.
bool StartsWith(std::string_view text, std::string_view prefix);
bool EndsWith(std::string_view text, std::string_view suffix);
bool Contains(std::string_view text, std::string_view part);
