#include "textfiles/MacroLib.h"

#include "platform/Archive.h"
#include "platform/Path.h"
#include "platform/Profile.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "statements/KeywordLineList.h"

#include <atomic>
#include <sstream>

namespace {

// The words of an end line, separated by white space.
std::vector<std::string> SplitWords(const std::string& line)
{
    std::istringstream words(line);
    std::vector<std::string> out;
    std::string word;
    while (words >> word)
        out.push_back(word);
    return out;
}

// The last generation handed out, over every library of the process.
std::atomic<std::uint64_t> g_lastGeneration{0};

}  // namespace

void CMacroLib::MarkChanged() { m_nGeneration = ++g_lastGeneration; }

void CMacroLib::Load()
{
    CArchive archive;
    if (!archive.OpenLoad(m_strPath)) {
        if (!OfferSearchFor() || !archive.OpenLoad(m_strPath))
            return;
    }
    Read(archive);
}

// Asks the user to find a library that is not where it was expected; true with the path replaced.
bool CMacroLib::OfferSearchFor()
{
    if (AfxMessageBox("Can't Find " + m_strPath + ",Search and load it?", MB_YESNO) != IDYES)
        return false;
    FileDialogRequest request;
    request.open = true;
    request.initialPath = m_strPath;
    request.filter = "Macro Files (*.mac)|*.mac|All Files (*.*)|*.*||";
    if (!UserPrompts().FileDialog(request) || request.chosenPaths.empty())
        return false;
    m_strPath = request.chosenPaths.front();
    Profile().WriteProfileString("Settings", "macPath", PathFolder(m_strPath));
    return true;
}

void CMacroLib::Read(CArchive& archive)
{
    SkipHeaderBlock(archive);
    std::string comment;
    std::string line;
    while (CKeywordLineList::ReadLogicalLine(archive, line)) {
        if (line.size() < 3)
            continue;
        line = Trim(line);
        if (IsCommentFrameLine(line) && !ReadCommentBlock(archive, line, comment))
            break;
        if (StartsWith(line, "begin_macro") || StartsWith(line, "begin_active_layer")) {
            ParseMacroBlock(archive, comment, StartsWith(line, "begin_active_layer"));
            comment.clear();
        }
    }
}

// A comment block: the frame line and the "$" lines after it. The first longer line that is not
// a comment ends the block and is left in the line for the caller; false at the end of the file.
bool CMacroLib::ReadCommentBlock(CArchive& archive, std::string& line, std::string& comment)
{
    comment = line + "\r\n";
    while (CKeywordLineList::ReadLogicalLine(archive, line)) {
        line = Trim(line);
        if (line.size() <= 3)
            continue;
        if (line[0] != '$')
            return true;
        comment += line + "\r\n";
    }
    return false;
}

void CMacroLib::SkipHeaderBlock(CArchive& archive)
{
    std::string line;
    bool frameSeen = false;
    while (CKeywordLineList::ReadLogicalLine(archive, line)) {
        if (line.size() < 3)
            continue;
        if (IsCommentFrameLine(Trim(line))) {
            if (frameSeen)
                return;
            frameSeen = true;
        }
    }
}

void CMacroLib::ParseMacroBlock(CArchive& archive, const std::string& comment, bool activeLayer)
{
    const bool freeStyle = Contains(comment, "free-style");
    std::string line;
    if (!CKeywordLineList::ReadLogicalLine(archive, line))  // the line after the begin line carries nothing we use
        return;
    std::vector<std::string> names;
    bool ended = false;
    while (CKeywordLineList::ReadLogicalLine(archive, line)) {
        line = Trim(line);
        if (Contains(line, "end_active_layer") || Contains(line, "end_macro")) {
            ended = true;
            break;
        }
        if (StartsWith(line, "function"))
            AddFunctionParams(line, names, freeStyle);
    }
    if (!ended)  // a block cut off by the end of the file has no name to go by
        return;
    const std::vector<std::string> words = SplitWords(line);
    const std::string name = words.size() > 1 ? words[1] : std::string();
    ParseMacroText(MakeUsageText(name, names, freeStyle, activeLayer), comment);
}

// 'function f(x, y)': the names between the first "(" and the line's last character. A function
// without parameters ('function f()') names none; an empty name between commas is a name.
void CMacroLib::AddFunctionParams(const std::string& line, std::vector<std::string>& names,
                                  bool freeStyle)
{
    const std::string::size_type open = line.find('(');
    const std::string::size_type begin = open == std::string::npos ? 0 : open + 1;
    const std::string::size_type end = line.size() - 1;
    if (begin >= end)
        return;
    const std::string list = line.substr(begin, end - begin);
    if (Trim(list).empty())
        return;
    std::string::size_type from = 0;
    for (;;) {
        const std::string::size_type comma = list.find(',', from);
        AddParamName(list.substr(from, comma == std::string::npos ? std::string::npos : comma - from), names,
                     freeStyle);
        if (comma == std::string::npos)
            return;
        from = comma + 1;
    }
}

std::string CMacroLib::MakeUsageText(const std::string& name, const std::vector<std::string>& names,
                                     bool freeStyle, bool activeLayer)
{
    std::string usage = (activeLayer ? "$  get_active_layer name=" : "$  load_macro name=") + name
                        + " mater=#m";
    for (size_t i = 0; i < names.size(); ++i)
        usage += " var" + std::to_string(i + 1) + "=#" + names[i];
    if (freeStyle)
        for (size_t i = 0; i < names.size(); ++i)
            usage += " var_symbol" + std::to_string(i + 1) + "=" + names[i];
    return usage;
}

void CMacroLib::ParseMacroText(const std::string& usage, const std::string& comment)
{
    CMacroDef def(usage);
    def.Tokenize(g_specialChars, g_nSpecialChars);
    def.RemoveToken("$");
    def.RemoveToken("#");
    def.RemoveTriple("mater", "m", "=");
    def.SetComment(comment);
    def.Normalize();
    m_defs.push_back(def);
    MarkChanged();
}

void CMacroLib::AddParamName(std::string name, std::vector<std::string>& names, bool freeStyle)
{
    name = Trim(name);
    // An empty name is kept like any other: the macro it belongs to then reads as invalid.
    if (!IsKeptMacroParam(name, freeStyle))
        return;
    for (const std::string& known : names)
        if (known == name)
            return;
    names.push_back(name);
}

bool CMacroLib::IsKeptMacroParam(const std::string& name, bool freeStyle)
{
    const std::string lower = ToLowerAscii(name);
    if (Contains(lower, "doping_") || Contains(lower, "trap_"))
        return false;
    return !(freeStyle && Contains(lower, "temper"));
}

bool CMacroLib::IsCommentFrameLine(const std::string& line)
{
    if (line.size() < 4 || line[0] != '$')
        return false;
    const std::string::size_type at = line.find_first_not_of(" \t\r\n\v\f", 1);
    return at != std::string::npos && (line[at] == '*' || line[at] == '=');
}
