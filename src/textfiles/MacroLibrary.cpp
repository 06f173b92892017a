#include "textfiles/MacroLibrary.h"

#include "platform/Archive.h"
#include "platform/StringUtil.h"
#include "statements/KeywordLineList.h"

#include <string_view>

namespace {

const std::string kFrameOpen = "/" + std::string(48, '*') + " \r\n";
const std::string kFrameClose = std::string(48, '*') + "/ \r\n";
const int kMacroVariables = 6;

std::string Numbered(const char* stem, int k) { return stem + std::to_string(k); }

}  // namespace

void CMacroLibrary::LoadFromLayerFile(const std::string& path)
{
    m_macroList.RemoveAll();
    if (Contains(path, ".layer"))
        ReadUserMacros(path);
}

void CMacroLibrary::ReadUserMacros(const std::string& path)
{
    CArchive archive;
    if (!archive.OpenLoad(path))
        return;
    // The file is read flat (no numbering, no includes). Only material statements make macros, so
    // only a statement whose text holds the keyword at all is parsed: the rest of a large file is
    // passed over instead of being parsed and kept a second time beside the document's copy.
    static constexpr std::string_view kMaterial = "layer_mater";
    std::string logical, raw;
    CKeywordLine statement;
    while (CKeywordLineList::ReadNextStatement(archive, logical, raw)) {
        if (logical.find(kMaterial) == std::string::npos)
            continue;
        statement.ParseAsRead(logical, std::move(raw));
        if (statement.GetKeyword() != kMaterial)
            continue;
        MakeUserMacro(statement);
        MakeActiveLayerMacro(statement);
    }
    archive.Close();
}

bool CMacroLibrary::MakeUserMacro(const CKeywordLine& statement)
{
    static const MacroKind bulk = {"macro_name", "var_symbol", "var", "$  load_macro name="};
    return MakeMacro(statement, bulk);
}

bool CMacroLibrary::MakeActiveLayerMacro(const CKeywordLine& statement)
{
    static const MacroKind active = {"active_macro", "avar_symbol", "avar", "$  get_active_layer  name="};
    return MakeMacro(statement, active);
}

// True when the holder's own list or the application's list has a definition of that name.
bool CMacroLibrary::IsDefined(const std::string& name)
{
    // Asked once per material statement of the file: the definitions are looked at, not copied.
    return m_macroList.FindDefinition(name) || (m_pAppMacros && m_pAppMacros->FindDefinition(name));
}

bool CMacroLibrary::MakeMacro(const CKeywordLine& statement, const MacroKind& kind)
{
    const std::string name = statement.GetParam(kind.nameParam);
    if (name.empty())
        return false;
    const bool freeStyle = !statement.GetParam(Numbered(kind.symbolParam, 1)).empty();
    if (IsDefined(freeStyle ? name : name + "_old_style"))
        return false;

    // The definition's parameters are var1..var6 (with var_symbol1..) for both kinds of macro.
    std::string usage = kind.usageHead + name + " mater=#m";
    for (int k = 1; k <= kMacroVariables; ++k) {
        const std::string symbol = statement.GetParam(Numbered(kind.symbolParam, k));
        if (!symbol.empty())
            usage += " " + Numbered("var_symbol", k) + "=" + symbol;
        const std::string value = symbol.empty() ? Numbered("var", k) : symbol;
        if (!statement.GetParam(Numbered(kind.varParam, k)).empty())
            usage += " " + Numbered("var", k) + "=#" + value;
    }
    std::string comment = kFrameOpen + " User macro, created by Brenvik/Tessaron \r\n";
    if (freeStyle)
        comment += "   [free-style] \r\n";
    comment += usage + "\r\n" + kFrameClose;
    m_macroList.ParseMacroText(usage, comment);
    return true;
}

void CMacroLibrary::AddContactMacro()
{
    m_macroList.RemoveAll();
    const std::string head = kFrameOpen + " Contact macro\r\n" + " contact_type: 0 is ohmic, 1 is schottky\r\n";

    const std::string usage1 = std::string("load_macro macro_name=contact mater=#m  ")
                               + "var1=#contact_num var2=#contact_type  "
                               + "var3=#barrier     var4=#work_function ";
    m_macroList.ParseMacroText(usage1, head + usage1 + "\r\n" + kFrameClose);

    const std::string usage2 = usage1 + "var_symbol1=contact_num var_symbol2=contact_type    "
                               + "var_symbol3=barrier var_symbol4=work_function";
    m_macroList.ParseMacroText(usage2, head + "   [free-style] \r\n" + usage2 + "\r\n" + kFrameClose);
}
