#pragma once
// A deck save writes each z-segment's companion files (".gain", ".doping", ".mater") under the
// name of the z-segment's ".layer" file, whatever the deck called them before. A file of that name
// may already lie in the folder without being one of the deck's: replacing it would lose a file of
// the user's. Such files are asked about before anything is written; those the deck the document
// came from named are its own and are replaced without a question.

#include <string>

class CFileTransaction;

// True when the save may go on: no staged companion file replaces a file the previous deck did not
// name, or the user agreed to replace them (one question naming them all).
bool ConfirmReplacingUnnamedCompanions(const CFileTransaction& files, const std::string& previousDeck);
