// The ".msh" reader: a header line, the triangle count, then three vertex lines and one ignored
// line per triangle; a file cut short is read as nothing.

#include "textfiles/MeshFileReader.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

const std::string kFixtures = TESSARON_FIXTURES "/mesh/";

struct ParseCase {
    const char* what;
    std::string bytes;
    CMeshFileReader::EResult result;
    size_t triangles;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.what; }

class MeshFileParse : public ::testing::TestWithParam<ParseCase> {};

// Lines of a file with LF line ends.
std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\n";
    return text;
}

}  // namespace

TEST_P(MeshFileParse, CountsTheTrianglesTheFileHolds)
{
    std::vector<CMeshElement> elements;
    EXPECT_EQ(CMeshFileReader::Parse(GetParam().bytes, elements), GetParam().result);
    EXPECT_EQ(elements.size(), GetParam().triangles);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MeshFileParse,
    ::testing::Values(
        ParseCase{"two triangles", Lines({"h", "2", "0 0", "1 0", "0 1", "x", "1 1", "2 1", "1 2", "y"}),
                  CMeshFileReader::kRead, 2},
        ParseCase{"count 0", Lines({"h", "0", "0 0", "1 0", "0 1", "x"}), CMeshFileReader::kRead, 0},
        ParseCase{"count not a number", Lines({"h", "abc", "0 0"}), CMeshFileReader::kRead, 0},
        ParseCase{"negative count", Lines({"h", "-3"}), CMeshFileReader::kRead, 0},
        ParseCase{"count with text after it", Lines({"h", " 1 triangles", "0 0", "1 0", "0 1", "x"}),
                  CMeshFileReader::kRead, 1},
        ParseCase{"last ignored line missing", Lines({"h", "1", "0 0", "1 0", "0 1"}), CMeshFileReader::kRead, 1},
        ParseCase{"last line without line end", "h\n1\n0 0\n1 0\n0 1", CMeshFileReader::kRead, 1},
        ParseCase{"empty file", "", CMeshFileReader::kCutShort, 0},
        ParseCase{"header only", Lines({"h"}), CMeshFileReader::kCutShort, 0},
        ParseCase{"a vertex line missing", Lines({"h", "1", "0 0", "1 0"}), CMeshFileReader::kCutShort, 0},
        ParseCase{"second triangle missing", Lines({"h", "2", "0 0", "1 0", "0 1", "x"}),
                  CMeshFileReader::kCutShort, 0},
        ParseCase{"a count far beyond the file", Lines({"h", "2000000000", "0 0", "1 0", "0 1", "x"}),
                  CMeshFileReader::kCutShort, 0}));

TEST(MeshFileReader, ReadsVerticesAsPercentFPercentF)
{
    // CR LF line ends, a tab between the numbers, a sign, an exponent, "3." and ".5 x".
    CMeshElementList list;
    ASSERT_EQ(CMeshFileReader::ReadFile(kFixtures + "two_triangles_crlf.msh", list), CMeshFileReader::kRead);
    ASSERT_EQ(list.m_Elements.size(), 2u);
    const float expected[2][3][2] = {{{0.5f, 0.25f}, {1.5f, 0.25f}, {1.0f, 1.75f}},
                                     {{-2.0f, -1.0f}, {3.0f, 0.0f}, {0.5f, 0.0f}}};
    for (int t = 0; t < 2; ++t) {
        const CMeshElement& e = list.m_Elements[t];
        EXPECT_EQ(e.m_nZSeg, -1);
        EXPECT_EQ(e.m_nColumn, -1);
        EXPECT_EQ(e.m_nRow, -1);
        for (float v : e.m_fBox)
            EXPECT_EQ(v, 0.0f);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(e.m_Vertex[i].x, expected[t][i][0]) << t << " " << i;
            EXPECT_EQ(e.m_Vertex[i].y, expected[t][i][1]) << t << " " << i;
            EXPECT_EQ(e.m_Vertex[i].z, 0.0f);
        }
    }
}

TEST(MeshFileReader, AVertexLineWithoutNumbersLeavesZeros)
{
    std::vector<CMeshElement> elements;
    ASSERT_EQ(CMeshFileReader::Parse(Lines({"h", "1", "", "abc 4", "7", "x"}), elements), CMeshFileReader::kRead);
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(elements[0].m_Vertex[0].x, 0.0f);
    EXPECT_EQ(elements[0].m_Vertex[1].x, 0.0f);
    EXPECT_EQ(elements[0].m_Vertex[1].y, 0.0f) << "x failed, so y is not read";
    EXPECT_EQ(elements[0].m_Vertex[2].x, 7.0f);
    EXPECT_EQ(elements[0].m_Vertex[2].y, 0.0f);
}

TEST(MeshFileReader, NumbersAreReadAsFloatsWhateverTheLocale)
{
    std::vector<CMeshElement> elements;
    ASSERT_EQ(CMeshFileReader::Parse(Lines({"h", "1", "0.1 1e-3", "1,5 2", "3.4028235e39 -0", "x"}), elements),
              CMeshFileReader::kRead);
    EXPECT_EQ(elements[0].m_Vertex[0].x, 0.1f);
    EXPECT_EQ(elements[0].m_Vertex[0].y, 0.001f);
    EXPECT_EQ(elements[0].m_Vertex[1].x, 1.0f) << "a comma is no decimal separator";
    EXPECT_EQ(elements[0].m_Vertex[1].y, 0.0f);
    EXPECT_TRUE(std::isinf(elements[0].m_Vertex[2].x)) << "beyond float: infinity, as the C runtime reads it";
}

TEST(MeshFileReader, AFailedReadLeavesTheListAsItWas)
{
    TempFolder folder;
    CMeshElementList list;
    list.m_Elements.resize(3);
    EXPECT_EQ(CMeshFileReader::ReadFile(folder.File("none.msh"), list), CMeshFileReader::kCannotOpen);
    EXPECT_EQ(list.m_Elements.size(), 3u);
    const std::string cut = folder.Write("cut.msh", Lines({"h", "2", "0 0", "1 0", "0 1", "x", "1 1"}));
    EXPECT_EQ(CMeshFileReader::ReadFile(cut, list), CMeshFileReader::kCutShort);
    EXPECT_EQ(list.m_Elements.size(), 3u);
    const std::string good = folder.Write("good.msh", Lines({"h", "1", "0 0", "1 0", "0 1", "x"}));
    EXPECT_EQ(CMeshFileReader::ReadFile(good, list), CMeshFileReader::kRead);
    EXPECT_EQ(list.m_Elements.size(), 1u);
}
