#include "model/VoidMacroName.h"

#include <gtest/gtest.h>

#include <string>

TEST(VoidMacroName, StoredAndRecordForms)
{
    struct Case {
        std::string stored, record;  // the record form ToVoidMacroName gives for the stored form
        bool isVoid;
    } cases[] = {
        {"void", "void macro", true},   {"void2", "void macro2", true},
        {"void macro", "void macro", true}, {"v", "v", true},
        {"", "", true},                 {"Void", "Void", false},
        {"gaas", "gaas", false},        {"avoid", "avoid", false},
    };
    for (const Case& c : cases) {
        std::string name = c.stored;
        ToVoidMacroName(name);
        EXPECT_EQ(name, c.record) << c.stored;
        EXPECT_EQ(IsVoidMacroName(c.stored), c.isVoid) << c.stored;
        EXPECT_EQ(IsVoidMacroName(c.record), c.isVoid) << c.record;
    }
    struct Back {
        std::string record, stored;
    } backs[] = {{"void macro", "void"}, {"void macro2", "void2"}, {"void", "void"},
                 {"x", "x"},             {"", ""},                 {"Void macro", "Void macro"}};
    for (const Back& b : backs) {
        std::string name = b.record;
        FromVoidMacroName(name);
        EXPECT_EQ(name, b.stored) << b.record;
    }
}
