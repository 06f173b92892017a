// Reads arbitrary text as a ".sol" deck: the section check, the z-segment count with the bounds of
// the records, the material blocks (or the 2-D deck), the "load_mesh" files, the z extents with
// tapers and sections, the solution method; then writes both default decks of what was read and
// converts the deck for what was read (the passes must end on any deck).
//
// The deck lies in a folder that does not exist, so no companion or ".layer" file is found and
// nothing is written. Besides crashes it checks that the z-segment count never exceeds the records,
// and that a deck whose sections passed the check has a place for all of them when its z extents
// are all in one form.

#include "model/ZSegment.h"
#include "platform/Archive.h"
#include "platform/FileTransaction.h"
#include "platform/UserPrompts.h"
#include "statements/KeywordLineList.h"
#include "support/QuietPrompts.h"
#include "textfiles/MacroList.h"
#include "textfiles/SolFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char kDeck[] = "no-such-folder-for-fuzzing/input.sol";

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// True when every "z_structure" statement with an extent gives it in the same form.
bool OneForm(const CKeywordLineList& lines)
{
    int positions = 0;
    int lengths = 0;
    for (const CKeywordLine& line : lines.m_lines) {
        if (line.m_strKeyword != "z_structure")
            continue;
        if (!line.GetParam("uniform_zseg_from").empty())
            ++positions;
        else
            ++lengths;
    }
    return positions == 0 || lengths == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QuietPrompts prompts;
    SetUserPrompts(&prompts);

    std::vector<CZSegment> zsegs;
    CKeywordLineList lines;
    std::vector<CMaterialSet> sets;
    std::vector<CVcselSection> sections;
    CMacroList macros;
    CSolDocument doc{zsegs, lines, sets, sections, macros, 2, CDeckSettings()};
    CSolFile sol;
    sol.SetDocument(&doc);

    CArchive archive;
    archive.OpenLoadFromMemory(std::string(reinterpret_cast<const char*>(data), size), kDeck);
    lines.SerializeFlat(archive);
    CSolFile::DetectDeckSimulator(kDeck);

    if (!sol.CheckZStructure() || !sol.SetupZSegments(kDeck))
        return 0;
    Check(doc.settings.zsegCount >= 0 && doc.settings.zsegCount <= static_cast<int>(zsegs.size()));
    Check(zsegs.size() == static_cast<std::size_t>(CZSegment::kMaxZSegments));
    sol.ReadLoadMeshStatements("no-such-folder-for-fuzzing/");
    const bool placed = sol.ReadZStructure() == 1;
    Check(placed || !OneForm(lines));
    sol.ReadSolutionMethod();
    sol.SnapSegmentColumns();
    sol.ReadCylindrical();
    sol.CheckSimulatorMatch();
    for (const CZSegment& segment : zsegs)
        Check(segment.m_Params.m_nTaperPointCount >= 0 &&
              segment.m_Params.m_nTaperPointCount <= CZSegmentParams::kMaxTaperPoints);

    doc.settings.lengthForm = 0;
    CKeywordLineList deck;
    sol.SetDestinationPath(kDeck);
    sol.WriteCorvexDeck(deck);
    deck.StoreFlatText();
    doc.settings.lengthForm = 1;
    sol.WriteLumivoDeck(deck);
    deck.StoreFlatText();

    // The conversion works in a file set that is never committed: the input is the source deck.
    CFileTransaction files;
    files.Stage(kDeck, std::string(reinterpret_cast<const char*>(data), size));
    sol.SetFileTransaction(&files);
    Check(sol.ConvertSolFile(kDeck, kDeck, false));
    sol.UpdatePreviousLayer();
    return 0;
}
