// Saving a deck. A document that was not opened from a deck gets a new default deck; one that was
// gets its old deck converted: the old deck is read, the default deck of the current device is
// built beside it, and a fixed series of passes carries the device's z-segment statements,
// material blocks, sections and settings into the old deck, while every statement the program
// does not own stays where it was.

#include "textfiles/SolFile.h"

#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"

namespace {

const char kCantCreate[] = "Can't create file!";

}  // namespace

bool CSolFile::IsNewDeckSource(const std::string& previous)
{
    return previous.size() <= 2 || ToLowerAscii(previous).find(".sol", 1) == std::string::npos;
}

bool CSolFile::ConvertSolFile(const std::string& source, const std::string& destination, bool newDeck)
{
    return ConvertToSol3D(source, destination, newDeck);
}

bool CSolFile::ConvertToSol3D(const std::string& source, const std::string& destination, bool newDeck)
{
    m_strDestinationPath = destination;
    m_nZExtentForm = 0;
    m_dRunningZ = 0.0;
    AddDefaultSections();
    if (newDeck)
        return CreateDefaultSolFile(destination);

    CKeywordLineList deck;
    // A deck that cannot be read is not replaced by what the passes would make of nothing.
    if (!LoadFlat(source, deck)) {
        AfxMessageBox("Can't open file " + source, MB_OK);
        return false;
    }
    RemoveLooseMaterialIncludes(deck);
    StripZStructureLengths(deck);
    m_nZExtentForm = m_pDoc ? m_pDoc->settings.lengthForm : 0;
    DropStatementsBeyondSegments(deck);
    CheckTaperLineCounts();
    CKeywordLineList defaults;
    if (!WriteDefaultDeck(defaults))
        return false;
    UpdateZmaterBlocks(deck, defaults);
    // The statements of z-segments the device no longer has stay unwritten.
    DropStatementsBeyondSegments(deck);
    InsertDefaultStatements(deck, defaults);
    CompleteZmaterBlocks(deck);
    WriteSolutionMethod(deck);
    UpdateLayerMacros(deck);
    UpdateTaperLength(deck);
    UpdateCylindrical(deck);
    RemoveZsolBlock(deck);
    MergeZmaterBlocks(deck, defaults);
    UpdateOutputZsegNum(deck);
    RenumberSections(deck);
    RemoveDuplicateIncludes(deck);
    if (!StoreDeck(destination, deck))
        return false;
    RenameCompanionIncludes(".gain");
    return true;
}

bool CSolFile::CreateDefaultSolFile(const std::string& path)
{
    CKeywordLineList deck;
    if (!WriteDefaultDeck(deck))
        return false;
    AddZsegNumbers(deck, CKeywordLineList());
    UpdateLayerMacros(deck);
    UpdateCylindrical(deck);
    UpdateOutputZsegNum(deck);
    return StoreDeck(path, deck);
}

bool CSolFile::StoreDeck(const std::string& path, const CKeywordLineList& deck)
{
    std::string reason;
    if (StoreBytes(path, deck.StoreFlatText(), &reason))
        return true;
    AfxMessageBox(std::string(kCantCreate) + "\n" + path + ": " + reason, MB_OK);
    return false;
}
