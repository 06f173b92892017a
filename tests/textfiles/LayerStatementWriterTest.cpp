#include <fstream>

#include <gtest/gtest.h>

#include "LayerFileHarness.h"
#include "support/ScriptedPrompts.h"

namespace {

TEST(LayerGolden, Dump)
{
    for (const char* name : {"ridge_two_columns.layer", "three_columns_include.layer"}) {
        LayerFileHarness h;
        ASSERT_TRUE(h.LoadFixture(name));
        ASSERT_EQ(1, h.Read(0));
        std::ofstream(std::string("/tmp/") + name) << h.WriteText(0);
    }
}

}  // namespace
