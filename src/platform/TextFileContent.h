#pragma once
// What a structure file holds, told before it is read as statements. The readers take every byte
// but NUL as a character of the system code page, so a NUL byte marks a file that is no text in
// any encoding they take (a picture, an archive, UTF-16 text); a file of nothing but white space
// holds no statement at all. Both are refused with a message of their own instead of being read as
// a device without columns or as a deck without z-segments.

#include <string>

enum class TextFileContent {
    text,
    empty,       // no byte, or white space only
    notText,     // holds a NUL byte
    unreadable,  // could not be read
};

TextFileContent CheckTextFileContent(const std::string& path);
