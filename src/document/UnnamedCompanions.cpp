#include "document/UnnamedCompanions.h"

#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/FileTransaction.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "textfiles/SolFile.h"

#include <set>
#include <vector>

namespace {

const char* const kCompanionExtensions[] = {".gain", ".doping", ".mater"};

bool IsCompanionPath(const std::string& path)
{
    const std::string extension = ToLowerAscii(PathExtension(PathFileName(path)));
    for (const char* companion : kCompanionExtensions)
        if (extension == companion)
            return true;
    return false;
}

// The companion files the deck names: every include's file, in the deck's folder (where the deck
// reader looks for it).
std::set<std::string> CompanionsNamedBy(const std::string& deck)
{
    std::set<std::string> named;
    if (deck.empty() || !PathNamesKind(deck, ".sol"))
        return named;
    CKeywordLineList lines;
    if (!CSolFile::ReadDeckFile(deck, lines))
        return named;
    const std::string folder = PathFolder(ResolveExistingPath(deck));
    for (const CKeywordLine& line : lines.m_lines) {
        if (line.m_strKeyword != "include")
            continue;
        const std::string file = PathFileName(line.GetParam("file"));
        if (!file.empty())
            named.insert(ResolveWritePath(folder + file));
    }
    return named;
}

}  // namespace

bool ConfirmReplacingUnnamedCompanions(const CFileTransaction& files, const std::string& previousDeck)
{
    std::vector<std::string> unnamed;
    std::set<std::string> named;
    bool namedRead = false;
    for (const std::string& path : files.StagedPaths()) {
        if (!IsCompanionPath(path) || !FileExists(path))
            continue;
        // A file that keeps its bytes loses nothing.
        std::string onDisk, staged;
        if (ReadFileBytes(path, onDisk) && files.Read(path, staged) && onDisk == staged)
            continue;
        if (!namedRead) {
            named = CompanionsNamedBy(previousDeck);
            namedRead = true;
        }
        if (named.count(ResolveWritePath(path)) == 0)
            unnamed.push_back(path);
    }
    if (unnamed.empty())
        return true;
    std::string text = "The save would replace ";
    text += unnamed.size() == 1 ? "this file, which is not one of the deck's files:" : "these files, which are not files of the deck:";
    for (const std::string& path : unnamed)
        text += "\n" + path;
    text += "\nReplace ";
    text += unnamed.size() == 1 ? "it?" : "them?";
    return AfxMessageBox(text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
