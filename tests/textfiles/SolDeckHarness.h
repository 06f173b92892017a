#pragma once
// A document-free setting for the ".sol" deck handler: 40 z-segment records, the statement list, the
// material sets, the VCSEL sections and the macro list of the ".layer" fixtures, with a handler bound
// to them; and the fixture decks staged in a temporary folder, each z-segment's ".layer" file and the
// companion files beside its deck.

#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "textfiles/LayerFileHarness.h"
#include "textfiles/SolFile.h"

extern const std::string kSolFixtures;  // folder of the deck fixtures, with its separator

class SolDeckHarness {
public:
    SolDeckHarness();

    // Copies every file of a fixture folder (below kSolFixtures) into the temporary folder; returns
    // the path the named file has there.
    std::string Stage(const std::string& fixtureFolder, const std::string& deck);
    // Writes a deck (lines joined with CR LF) into the temporary folder; returns its path.
    std::string WriteDeck(const std::string& name, const std::vector<std::string>& lines);
    // Loads a deck's statements flat into the statement list, as the reader has them while it reads.
    void LoadDeck(const std::vector<std::string>& lines);

    CZSegment& Seg(int index) { return layers.zsegs.at(static_cast<std::size_t>(index)); }

    TempFolder folder;
    LayerFileHarness layers;  // records, statement list, VCSEL sections and macros
    std::vector<CMaterialSet> materialSets;
    CSolDocument doc;
    CSolFile sol;
};

// The statements of a default deck as the flat store writes them.
std::string DeckText(const CKeywordLineList& deck);
