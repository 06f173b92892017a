#include "model/CopyOnWrite.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Value {
    std::string text = "default";
    int number = 1;
};

TEST(CopyOnWrite, ReadsTheDefaultUntilEditedAndCopiesNeverSeeEachOthersEdits)
{
    CCopyOnWrite<Value> a;
    EXPECT_EQ(a->text, "default");
    EXPECT_EQ(&*a, &*CCopyOnWrite<Value>());  // unset holders read one shared default

    a.Edit().text = "edited";
    CCopyOnWrite<Value> b = a;
    EXPECT_EQ(&*a, &*b);  // a copy shares the value until it is edited
    b.Edit().number = 2;
    EXPECT_NE(&*a, &*b);
    EXPECT_EQ(a->number, 1);
    EXPECT_EQ(b->text, "edited");

    const Value& read = a;
    EXPECT_EQ(read.text, "edited");
    a.SetDefault();
    EXPECT_EQ(a->text, "default");
    EXPECT_EQ(b->text, "edited");

    a = Value{"assigned", 3};
    EXPECT_EQ(a->text, "assigned");
    EXPECT_EQ(b->number, 2);
}

}  // namespace
