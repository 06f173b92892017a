#include "platform/TextFileContent.h"

#include "platform/FileIO.h"

#include <cstring>

TextFileContent CheckTextFileContent(const std::string& path)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return TextFileContent::unreadable;
    if (std::memchr(bytes.data(), '\0', bytes.size()) != nullptr)
        return TextFileContent::notText;
    if (bytes.find_first_not_of(" \t\r\n\f\v") == std::string::npos)
        return TextFileContent::empty;
    return TextFileContent::text;
}
