// Files a new user may well try to open, each wrong in one way: every message names the file (and,
// for a value the reader cannot use, its line), a refused file leaves the open document as it was,
// and a file whose values are only unusable opens with one report of them.

#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "textfiles/LayerFileHarness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::string kFixtures = TESSARON_FIXTURES "/";

// A sound one-z-segment deck (dev.sol) and its file dev1.layer, written before each case; a case
// writes its own file over one of them or beside them.
const char kDeck[] =
    "begin\r\n"
    "z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10\r\n"
    "load_mesh mesh_inf=dev1.msh zseg_num=1\r\n"
    "output sol_outf=dev1.out zseg_num=1\r\n"
    "begin_zmater zseg_num=1\r\n"
    "end_zmater\r\n"
    "equilibrium zseg_num=1\r\n"
    "end\r\n";
const char kLayer[] =
    "begin_layer\r\n"
    "column column_num=1 w=2 mesh_num=4 r=1\r\n"
    "layer_mater macro_name=gaas column_num=1 n_doping=1.e+24\r\n"
    "layer d=1 n=4 r=1\r\n"
    "end_layer\r\n";

struct BadFile {
    const char* what;
    const char* name;   // the file opened
    std::string bytes;  // its bytes; "" with `keep` for a file of the staged deck left as it is
    bool keep;
    const char* remove;  // a file of the deck removed first; nullptr none
    std::vector<std::string> messages;  // "{dir}" stands for the folder
    bool opens;
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.what; }

const std::string kBinary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);

const BadFile kBadFiles[] = {
    {"a binary .layer", "picture.layer", kBinary, false, nullptr,
     {"File data error!\n{dir}picture.layer: it is not a text file (it holds NUL bytes)."}, false},
    {"a binary .sol, refused before the deck reader speaks", "picture.sol", kBinary, false, nullptr,
     {"File data error!\n{dir}picture.sol: it is not a text file (it holds NUL bytes)."}, false},
    {"UTF-16 text", "wide.layer", std::string("b\0e\0g\0i\0n\0", 10), false, nullptr,
     {"File data error!\n{dir}wide.layer: it is not a text file (it holds NUL bytes)."}, false},
    {"an empty .layer", "empty.layer", "", false, nullptr, {"File data error!\n{dir}empty.layer: the file is empty."},
     false},
    {"an empty .sol", "empty.sol", "", false, nullptr, {"File data error!\n{dir}empty.sol: the file is empty."}, false},
    {"a .sol of blank lines", "blank.sol", "\r\n   \r\n\t\r\n", false, nullptr,
     {"File data error!\n{dir}blank.sol: the file is empty."}, false},
    {"a truncated .layer", "cut.layer", std::string(kLayer).substr(0, 60), false, nullptr,
     {"File data error!\n{dir}cut.layer: begin_layer has no end_layer after it; the file may be cut off."}, false},
    {"a width that is no number", "abc.layer",
     "begin_layer\r\ncolumn column_num=1 w=abc mesh_num=4\r\nlayer_mater macro_name=gaas column_num=1\r\n"
     "layer d=1 n=4\r\nend_layer\r\n",
     false, nullptr, {"Some values cannot be used as numbers:\n{dir}abc.layer, line 2: w=abc (not a number, read as 0)"},
     true},
    {"a negative height", "neg.layer",
     "begin_layer\r\ncolumn column_num=1 w=2 mesh_num=4\r\nlayer_mater macro_name=gaas column_num=1\r\n"
     "$ the only row\r\nlayer d=-1 n=4\r\nend_layer\r\n",
     false, nullptr, {"Some values cannot be used as numbers:\n{dir}neg.layer, line 5: d=-1 (less than 0.00001)"}, true},
    {"a deck statement naming z-segment 41", "over.sol",
     "begin\r\nz_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10\r\nload_mesh mesh_inf=dev1.msh zseg_num=1\r\n"
     "\r\noutput sol_outf=dev41.out zseg_num=41\r\nend\r\n",
     false, nullptr, {"File data error!\n{dir}over.sol, line 5: output sol_outf=dev41.out zseg_num=41"}, false},
    {"a deck z_structure without its number, over two lines", "unnumbered.sol",
     "begin\r\n$ the device\r\nz_structure uniform_zseg_from=0 &&\r\n  uniform_zseg_to=10\r\n"
     "load_mesh mesh_inf=dev1.msh zseg_num=1\r\nend\r\n",
     false, nullptr,
     {"File data error!\n{dir}unnumbered.sol, line 3: z_structure uniform_zseg_from=0 uniform_zseg_to=10"}, false},
    {"a missing z-segment file", "dev.sol", "", true, "dev1.layer",
     {"Can't find correct layer file!\n{dir}dev1.layer"}, false},
    {"a z-segment file that is no device", "dev.sol", "", true, nullptr, {"File data error!\n{dir}dev1.layer: it has no column statement."}, false},
    {"a z-segment file with a width that is no number", "dev.sol", "", true, nullptr,
     {"Some values cannot be used as numbers:\n{dir}dev1.layer, line 2: w=wide (not a number, read as 0)"}, true},
};

class BadFiles : public DocFixture, public ::testing::WithParamInterface<BadFile> {
protected:
    BadFiles() { doc().SetMacroList(&layers.macros); }

    // The deck's z-segment file as the case needs it.
    std::string LayerOfDeck() const
    {
        const std::string what = GetParam().what;
        if (what == "a z-segment file that is no device")
            return "begin_layer\r\nlayer d=1\r\nend_layer\r\n";
        if (what == "a z-segment file with a width that is no number")
            return "begin_layer\r\ncolumn column_num=1 w=wide mesh_num=4 r=1\r\n"
                   "layer_mater macro_name=gaas column_num=1\r\nlayer d=1 n=4 r=1\r\nend_layer\r\n";
        return kLayer;
    }
    std::string Named(std::string text) const
    {
        const std::size_t at = text.find("{dir}");
        return at == std::string::npos ? text : text.replace(at, 5, folder.File(""));
    }

    LayerFileHarness layers;
    TempFolder folder;
};

}  // namespace

TEST_P(BadFiles, AreNamedInTheirMessagesAndRefusedWithoutLosingTheOpenDocument)
{
    const BadFile& c = GetParam();
    const std::string good = folder.Write("good.layer", FileBytes(kFixtures + "layer/ridge_two_columns.layer"));
    ASSERT_TRUE(doc().OnOpenDocument(good));
    folder.Write("dev.sol", kDeck);
    folder.Write("dev1.layer", LayerOfDeck());
    if (c.remove) {
        ASSERT_EQ(std::remove(folder.File(c.remove).c_str()), 0);
    }
    const std::string path = c.keep ? folder.File(c.name) : folder.Write(c.name, c.bytes);

    prompts.Clear();
    std::vector<std::string> expected;
    for (const std::string& message : c.messages) {
        expected.push_back(Named(message));
        prompts.AnswerNext(IDOK);
    }
    EXPECT_EQ(doc().OnOpenDocument(path), c.opens);
    EXPECT_EQ(prompts.Texts(), expected);
    EXPECT_EQ(doc().GetPathName(), c.opens ? path : good);
    EXPECT_EQ(g_nZSegCount, 1);
    // A refused file leaves the two columns of the open device; an opened one is read whole.
    EXPECT_EQ(Seg(0).GetColumnCount(), c.opens ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(Opening, BadFiles, ::testing::ValuesIn(kBadFiles));
