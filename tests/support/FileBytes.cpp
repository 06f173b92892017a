#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

bool ReadWhole(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace

std::string FileBytes(const std::string& path)
{
    std::string bytes;
    ReadWhole(path, bytes);
    return bytes;
}

std::string ExistingFileBytes(const std::string& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWhole(path, bytes)) << path;
    return bytes;
}

std::string JoinedStatements(const std::string& saved)
{
    std::string text;
    for (size_t i = 0; i < saved.size(); ++i) {
        if (saved.compare(i, 4, "&&\r\n") == 0) {
            i += 3;
            continue;
        }
        if (saved[i] == ' ' && !text.empty() && text.back() == ' ')
            continue;
        text += saved[i];
    }
    return text;
}
