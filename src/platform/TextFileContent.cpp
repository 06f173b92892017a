#include "platform/TextFileContent.h"

#include "platform/FileIO.h"

#include <cstring>
#include <string_view>

TextFileContent CheckTextFileContent(const std::string& path)
{
    // Looked at piece by piece: the file is read again as statements right after, and holding a
    // whole copy of a large file just to look at it costs as much memory again.
    bool nul = false;
    bool printable = false;
    const bool read = ReadFilePieces(path, [&](const char* data, std::size_t size) {
        nul = std::memchr(data, '\0', size) != nullptr;
        if (!printable)
            printable = std::string_view(data, size).find_first_not_of(" \t\r\n\f\v") != std::string_view::npos;
        return !nul;
    });
    if (!read)
        return TextFileContent::unreadable;
    if (nul)
        return TextFileContent::notText;
    return printable ? TextFileContent::text : TextFileContent::empty;
}
