// Two ".layer" files read into two documents at the same time give exactly what reading them one
// after the other gives: every read has its own load context and touches nothing process-wide.

#include "document/TessaronDoc.h"
#include "platform/Profile.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/LayerFileHarness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string FixtureFile(int i)
{
    return kLayerFixtures + (i == 0 ? "ridge_two_columns.layer" : "three_columns_include.layer");
}

// A document with a macro list of its own: looking a macro up moves the list's cursor, so two
// documents reading at once must not share one.
struct Reader {
    LayerFileHarness macros;
    std::unique_ptr<CTessaronDoc> doc = std::make_unique<CTessaronDoc>();
    CLayerFileRead read;

    Reader() { doc->SetMacroList(&macros.macros); }
    void Read(const std::string& path) { read = doc->ReadLayerFileRecords(path); }
};

struct LoadNumber {
    int line, source;
    bool operator==(const LoadNumber& o) const { return line == o.line && source == o.source; }
};

void PrintTo(const LoadNumber& n, std::ostream* os) { *os << "(" << n.line << ", " << n.source << ")"; }

std::vector<LoadNumber> LoadNumbers(const CKeywordLineList& lines)
{
    std::vector<LoadNumber> numbers;
    for (const CKeywordLine& line : lines.m_lines)
        numbers.push_back({line.m_nLine, line.m_nSource});
    return numbers;
}

void ExpectSameRead(const Reader& expected, const Reader& actual, const std::string& file)
{
    SCOPED_TRACE(file);
    const CTessaronDoc& e = *expected.doc;
    const CTessaronDoc& a = *actual.doc;
    ASSERT_EQ(actual.read.m_status, CLayerFileRead::read);
    EXPECT_EQ(actual.read.m_bUpperWidthRead, expected.read.m_bUpperWidthRead);
    EXPECT_EQ(a.m_LayerLines->StoreRawText(), e.m_LayerLines->StoreRawText());
    EXPECT_EQ(LoadNumbers(*a.m_LayerLines), LoadNumbers(*e.m_LayerLines));
    EXPECT_EQ(a.m_LoadContext.m_nLineCounter, e.m_LoadContext.m_nLineCounter);
    EXPECT_EQ(a.m_LoadContext.m_Includes, e.m_LoadContext.m_Includes);
    ASSERT_EQ(a.m_MaterialSets.size(), 1u);
    EXPECT_EQ(a.m_MaterialSets[0].m_Includes, e.m_MaterialSets[0].m_Includes);
    EXPECT_EQ(a.m_MaterialSets[0].m_strIncludeFolder, e.m_MaterialSets[0].m_strIncludeFolder);
    EXPECT_EQ(a.m_MaterialSets[0].m_Lines->StoreRawText(), e.m_MaterialSets[0].m_Lines->StoreRawText());
    EXPECT_EQ(a.m_LoadedLines->StoreRawText(), e.m_LoadedLines->StoreRawText());
    EXPECT_EQ(a.m_VcselSections.size(), e.m_VcselSections.size());
    ExpectSameZSegment(e.m_ZSegments.at(0), a.m_ZSegments.at(0));
    EXPECT_EQ(a.m_ZSegments.at(0).m_strLayerFile, file);
}

TEST(SideBySideRead, TwoFilesReadAtOnceGiveWhatTheyGiveOneAfterTheOther)
{
    CMemoryProfile profile;
    SetProfile(&profile);
    ScriptedPrompts prompts;  // a read that goes well asks nothing

    // One after the other, into documents of their own.
    Reader alone[2];
    for (int i = 0; i < 2; ++i)
        alone[i].Read(FixtureFile(i));
    ASSERT_EQ(alone[0].read.m_status, CLayerFileRead::read);
    ASSERT_EQ(alone[1].read.m_status, CLayerFileRead::read);
    ASSERT_FALSE(alone[1].doc->m_LoadContext.m_Includes.empty()) << "the second file includes another";

    // The same two files at the same time, a few times over so that the reads overlap.
    for (int round = 0; round < 8; ++round) {
        Reader together[2];
        std::atomic<int> ready{0};
        std::vector<std::thread> threads;
        for (int i = 0; i < 2; ++i) {
            threads.emplace_back([&, i] {
                ++ready;
                while (ready.load() < 2) {
                }
                together[i].Read(FixtureFile(i));
            });
        }
        for (std::thread& thread : threads)
            thread.join();
        for (int i = 0; i < 2; ++i)
            ExpectSameRead(alone[i], together[i], FixtureFile(i));
    }
    EXPECT_TRUE(prompts.Texts().empty());
    for (Reader& reader : alone)
        reader.doc.reset();
    SetProfile(nullptr);
}

}  // namespace
