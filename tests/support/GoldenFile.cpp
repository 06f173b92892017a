#include "support/GoldenFile.h"

#include "platform/FileIO.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <cstdlib>

void ExpectGoldenFile(const std::string& actual, const std::string& goldenPath)
{
    if (std::getenv("TESSARON_WRITE_GOLDEN")) {
        WriteFileAtomic(goldenPath, actual);
        ADD_FAILURE() << "golden written, nothing checked: " << goldenPath;
        return;
    }
    EXPECT_EQ(actual, ExistingFileBytes(goldenPath)) << goldenPath;
}
