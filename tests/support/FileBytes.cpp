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
