#include "textfiles/SolDeckHarness.h"

#include "platform/Archive.h"
#include "support/FileBytes.h"

#include <filesystem>

const std::string kSolFixtures = TESSARON_FIXTURES "/sol/";

SolDeckHarness::SolDeckHarness()
    : doc{layers.zsegs, layers.lines, materialSets, layers.vcsel, layers.macros, 2, CDeckSettings()}
{
    sol.SetDocument(&doc);
}

std::string SolDeckHarness::Stage(const std::string& fixtureFolder, const std::string& deck)
{
    for (const auto& entry : std::filesystem::directory_iterator(kSolFixtures + fixtureFolder))
        if (entry.is_regular_file())
            folder.Write(entry.path().filename().string(), FileBytes(entry.path().string()));
    return folder.File(deck);
}

std::string SolDeckHarness::WriteDeck(const std::string& name, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return folder.Write(name, bytes);
}

void SolDeckHarness::LoadDeck(const std::vector<std::string>& lines)
{
    CSolFile::ReadDeckFile(WriteDeck("loaded.sol", lines), layers.lines);
}

std::string DeckText(const CKeywordLineList& deck)
{
    return deck.StoreFlatText();
}
