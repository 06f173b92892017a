#include "textfiles/ReaderDefaults.h"

#include "LayerFileHarness.h"
#include "support/ParsedStatement.h"
#include "textfiles/LayerFileUpdater.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct DefaultCase {
    const char* holder;  // the statement that carries the parameter
    const char* other;   // the statement it is paired with, which lacks it
    const char* param;
    bool readsAsAbsent;
};

void PrintTo(const DefaultCase& c, std::ostream* os) { *os << c.param << " of '" << c.holder << "'"; }

const DefaultCase kCases[] = {
    // A row's widths start as its column's width (column 1 is 3 wide, column 2 has no width).
    {"layer d=1 w1=3.000000", "layer d=1", "w1", true},
    {"layer d=1 upper_w1=3 lower_w1=2", "layer d=1 lower_w1=2", "upper_w1", true},
    {"layer d=1 w1=2.5", "layer d=1", "w1", false},
    {"layer d=1 w2=1", "layer d=1", "w2", false},
    {"layer d=1 w7=3", "layer d=1", "w7", false},
    {"layer d=1 w1x=3", "layer d=1", "w1x", false},
    {"layer d=1 gaussian_tail=0.001000", "layer d=1", "gaussian_tail", true},
    {"layer d=1 gaussian_tail=0.002", "layer d=1", "gaussian_tail", false},
    // A macro's own symbol on its own variable moves nothing, while both read as free-style.
    {"layer_mater macro_name=ingaas var_symbol1=x var1=0.3 var_symbol2=strain var2=0",
     "layer_mater macro_name=ingaas var_symbol1=x var1=0.3", "var_symbol2", true},
    {"layer_mater macro_name=ingaas var_symbol1=x var_symbol2=strain",
     "layer_mater macro_name=ingaas", "var_symbol2", true},
    {"layer_mater macro_name=ingaas var_symbol1=strain var1=0.3", "layer_mater macro_name=ingaas var1=0.3",
     "var_symbol1", false},
    {"layer_mater macro_name=ingaas var_symbol1=x var1=0.3", "layer_mater macro_name=ingaas var1=0.3", "var_symbol1",
     false},
    {"layer_mater macro_name=nowhere var_symbol1=x", "layer_mater macro_name=nowhere", "var_symbol1", false},
    {"layer_mater macro_name=gaas active_macro=qw_gain avar_symbol2=depth avar2=0",
     "layer_mater macro_name=gaas active_macro=qw_gain", "avar_symbol2", true},
    // An empty layer's name only in the columns the updater allows (column 2 here).
    {"layer_mater macro_name=void column_num=2", "layer_mater column_num=2", "macro_name", true},
    {"layer_mater macro_name=void column_num=1", "layer_mater column_num=1", "macro_name", false},
    {"layer_mater macro_name=inp column_num=2", "layer_mater column_num=2", "macro_name", false},
    // Other statements and parameters have no such value.
    {"column column_num=1 w=3 xpoint=3", "column column_num=1 w=3", "xpoint", false},
};

class ReaderDefaults : public ::testing::TestWithParam<DefaultCase> {
protected:
    ReaderDefaults()
    {
        CKeywordLineList fresh;
        fresh.Append(Parsed("column column_num=1 w=3.000000 mesh_num=4 r=1.000000"));
        fresh.Append(Parsed("column column_num=2 mesh_num=4 r=1.000000"));
        defaults = CReaderDefaults(fresh, &harness.macros);
        defaults.AllowUnnamedEmptyLayers({"2"});
    }

    LayerFileHarness harness;
    CReaderDefaults defaults;
};

}  // namespace

TEST_P(ReaderDefaults, AParameterAtTheValueItsAbsenceReadsAsSaysNothing)
{
    const CKeywordLine holder = Parsed(GetParam().holder);
    const CKeywordLine other = Parsed(GetParam().other);
    const CKeywordParam* param = nullptr;
    for (const CKeywordParam& p : holder.m_params)
        if (p.m_strName == GetParam().param)
            param = &p;
    ASSERT_NE(param, nullptr);
    EXPECT_EQ(defaults.ReadsAsAbsent(holder, other, *param), GetParam().readsAsAbsent);
    // A fresh statement that adds the parameter to the old one says the same exactly then.
    EXPECT_EQ(CLayerFileUpdater::IsSameStatement(other, holder, defaults), GetParam().readsAsAbsent);
}

INSTANTIATE_TEST_SUITE_P(Parameters, ReaderDefaults, ::testing::ValuesIn(kCases));

TEST(ReaderDefaultsWithoutContext, KnowsNoWidthsSymbolsOrEmptyLayers)
{
    const CReaderDefaults none;
    for (const char* text : {"layer d=1 w1=3", "layer_mater macro_name=ingaas var_symbol1=x",
                             "layer_mater macro_name=void column_num=2"}) {
        const CKeywordLine holder = Parsed(text);
        EXPECT_FALSE(none.ReadsAsAbsent(holder, CKeywordLine(), holder.m_params.back())) << text;
    }
    const CKeywordLine tail = Parsed("layer d=1 gaussian_tail=0.001");
    EXPECT_TRUE(none.ReadsAsAbsent(tail, Parsed("layer d=1"), tail.m_params.back()));
}
