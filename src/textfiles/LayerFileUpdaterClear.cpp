// Clearing of the macro parameters of old material and grating statements, which the fresh
// statements supply anew, and the flag map of a material statement's merge.

#include "textfiles/LayerFileUpdater.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "textfiles/LayerFileUpdaterText.h"
#include "textfiles/LayerParamFlags.h"
#include "textfiles/MacroList.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

using layer_updater::IsKeyword;

void ReparseFlattenedKeepNumber(CKeywordLine& s);
bool CannotHoldParamOf(const CKeywordLine& s, const CKeywordLine& pattern);
CKeywordLine ParsedStatement(const std::string& text);

namespace {

bool HasParam(const CKeywordLine& s, const std::string& name)
{
    for (const CKeywordParam& p : s.m_params)
        if (p.m_strName == name)
            return true;
    return false;
}

std::string NumberedNames(const char* stem, int from, int to)
{
    std::string text;
    for (int i = from; i <= to; ++i)
        text += StrFormat(" %s%d=0", stem, i);
    return text;
}

// Removes every parameter of s that the pattern names, whatever its value; s stays exactly as it
// was when it holds none of them. When it changed and before is given, before gets s as it was.
bool ClearByPattern(const CKeywordLine& pattern, CKeywordLine& s, CKeywordLine* before = nullptr)
{
    if (CannotHoldParamOf(s, pattern))
        return false;
    CKeywordLine saved = s;
    ReparseFlattenedKeepNumber(s);
    if (!CLayerFileUpdater::RemoveMatchingParams(pattern, s, false)) {
        s = std::move(saved);
        return false;
    }
    if (before != nullptr)
        *before = std::move(saved);
    return true;
}

}  // namespace

void CLayerFileUpdater::ClearGratingMacroParams(CKeywordLineList& old)
{
    std::string text = "grating_compos";
    for (const char* side : {"hi_", "lo_"}) {
        std::string prefix = side;
        text += NumberedNames((prefix + "var_symbol").c_str(), 1, 5);
        text += NumberedNames((prefix + "var").c_str(), 1, 5);
        text += NumberedNames((prefix + "avar_symbol").c_str(), 1, 5);
        text += NumberedNames((prefix + "avar").c_str(), 1, 5);
    }
    CKeywordLine pattern;
    pattern.Parse(text);
    for (CKeywordLine& line : old.m_lines)
        if (IsKeyword(line.m_strKeyword, "grating_compos"))
            ClearByPattern(pattern, line);
}

void CLayerFileUpdater::UpdateLayerMaterPass(CKeywordLineList& old, const CKeywordLineList& fresh)
{
    // The first fresh material statement of each number: after the pairing, its partner's. Sorted
    // pairs of number and place rather than a hashed map: one block for the whole file, and the
    // numbers, those of the old statements in order, mostly come sorted already.
    std::vector<std::pair<int, int>> partners;
    for (int i = 0; i < fresh.GetCount(); ++i)
        if (IsKeyword(fresh[i].m_strKeyword, "layer_mater"))
            partners.emplace_back(fresh[i].m_nLine, i);
    if (!std::is_sorted(partners.begin(), partners.end()))
        std::sort(partners.begin(), partners.end());
    // The statement as it was before its clearing is kept for the merge: one of the main file only
    // when the clearing changed it, as nothing else changes such a statement before the merge reads
    // it (the merge reads the statement itself otherwise). One of an included file was kept whole
    // by RememberBeforeClearing: its source id changes when its block is merged into the file.
    CKeywordLine before;
    for (CKeywordLine& o : old.m_lines) {
        if (!IsKeyword(o.m_strKeyword, "layer_mater"))
            continue;
        auto it = std::lower_bound(partners.begin(), partners.end(), std::make_pair(o.m_nLine, INT_MIN));
        if (it == partners.end() || it->first != o.m_nLine)
            continue;
        const bool remember = o.m_nLine > 0 && o.m_nSource == 0;
        if (ClearLayerMaterParams(o, fresh[it->second], remember ? &before : nullptr) && remember)
            m_beforeClearing.emplace(o.m_nLine, std::move(before));
    }
}

void CLayerFileUpdater::ClearLayerMaterParams(CKeywordLine& o, const CKeywordLine& f)
{
    ClearLayerMaterParams(o, f, nullptr);
}

bool CLayerFileUpdater::ClearLayerMaterParams(CKeywordLine& o, const CKeywordLine& f, CKeywordLine* before)
{
    const bool macroChanged = MacroSymbolsChanged(o, f);
    const bool activeChanged = ActiveSymbolsChanged(o, f);
    const CKeywordLine& pattern = LayerMaterClearingPattern(macroChanged, activeChanged);
    const bool keepBulk = macroChanged && KeepsUnwrittenVariable(o, f, "macro_name", "var_symbol");
    const bool keepActive = activeChanged && KeepsUnwrittenVariable(o, f, "active_macro", "avar_symbol");
    if (!keepBulk && !keepActive)
        return ClearByPattern(pattern, o, before);
    // The variables of an old-style macro that the fresh statement leaves out stay as written.
    CKeywordLine narrowed = pattern;
    auto kept = [&](const CKeywordParam& p) {
        const std::string stem = layer_updater::StripTrailingDigits(p.m_strName);
        return ((keepBulk && stem == "var") || (keepActive && stem == "avar")) && KeepsOldVariable(o, f, p.m_strName);
    };
    narrowed.m_params.erase(std::remove_if(narrowed.m_params.begin(), narrowed.m_params.end(), kept),
                            narrowed.m_params.end());
    return ClearByPattern(narrowed, o, before);
}

bool CLayerFileUpdater::KeepsUnwrittenVariable(const CKeywordLine& o, const CKeywordLine& f, const char* nameParam,
                                               const char* symbolStem)
{
    // Only the same old-style macro on both sides: a free-style statement's variables go with its
    // symbols, and a contact layer's are written under their own names.
    const std::string& name = o.ParamValue(nameParam);
    if (name.empty() || name != f.ParamValue(nameParam) || name.compare(0, 7, "contact") == 0)
        return false;
    // Asked of every material statement a save merges: one name buffer serves the six symbols.
    std::string symbol = symbolStem;
    symbol += '1';
    for (char digit = '1'; digit <= '6'; ++digit) {
        symbol.back() = digit;
        if (!o.ParamValue(symbol).empty() || !f.ParamValue(symbol).empty())
            return false;
    }
    return true;
}

bool CLayerFileUpdater::KeepsOldVariable(const CKeywordLine& o, const CKeywordLine& f, const std::string& name)
{
    // The writer leaves out an old-style macro's variables beyond the count its definition gives
    // (none when the program does not know the macro under its old-style name), although the
    // layer holds them as read. Such a variable stays when the fresh statement does not carry it,
    // unless it is the bulk variable the fresh statement grades.
    if (HasParam(f, name) || !HasParam(o, name))
        return false;
    const std::string grade = f.GetParam("grade_var");
    return grade.empty() || name != "var" + Trim(grade);
}

const CKeywordLine& CLayerFileUpdater::LayerMaterClearingPattern(bool macroChanged, bool activeChanged)
{
    // The four patterns are made once: a save clears every material statement of the file.
    static const std::vector<CKeywordLine> patterns = [] {
        std::vector<CKeywordLine> made;
        for (int macro = 0; macro < 2; ++macro)
            for (int active = 0; active < 2; ++active) {
                std::string text = "layer_mater n_newdoping_index=0 p_newdoping_index=0";
                if (macro)
                    text += NumberedNames("var_symbol", 1, 6) + NumberedNames("var", 1, 6) +
                            " grade_var=0 grade_from=0 grade_to=0";
                if (active)
                    text += NumberedNames("avar_symbol", 1, 6) + NumberedNames("avar", 1, 6);
                made.push_back(ParsedStatement(text));
            }
        return made;
    }();
    return patterns[static_cast<std::size_t>((macroChanged ? 2 : 0) + (activeChanged ? 1 : 0))];
}

namespace {

// Whether the old statement's macro (named by nameParam) takes parameters the fresh statement
// supplies anew: it changed, or it is a macro the application knows with parameters.
bool SymbolsChanged(CMacroList* macros, const CKeywordLine& o, const CKeywordLine& f, const char* nameParam,
                    const char* symbolStem)
{
    const std::string& a = o.ParamValue(nameParam);
    if (a != f.ParamValue(nameParam))
        return true;
    // Free style: one of the symbols 1 to 6 is set (the first parameter of its name has a value).
    // Asked of every material statement twice a save: one walk over its parameters answers it.
    bool freeStyle = false;
    const std::string_view stem = symbolStem;
    bool seen[7] = {};
    for (const CKeywordParam& p : o.m_params) {
        const std::string& name = p.m_strName;
        if (name.size() != stem.size() + 1 || name.compare(0, stem.size(), stem) != 0)
            continue;
        const char digit = name.back();
        if (digit < '1' || digit > '6' || seen[digit - '0'])
            continue;
        seen[digit - '0'] = true;
        if (!p.m_strValue.empty()) {
            freeStyle = true;
            break;
        }
    }
    if (macros == nullptr)
        return false;
    int c1 = macros->GetParamCountOf(a);
    if (freeStyle)
        return c1 != 0;
    int c2 = macros->GetParamCountOf(a + "_old_style");
    return c1 != 0 || c2 != 0;
}

}  // namespace

bool CLayerFileUpdater::MacroSymbolsChanged(const CKeywordLine& o, const CKeywordLine& f)
{
    return SymbolsChanged(m_pMacros, o, f, "macro_name", "var_symbol");
}

bool CLayerFileUpdater::ActiveSymbolsChanged(const CKeywordLine& o, const CKeywordLine& f)
{
    return SymbolsChanged(m_pMacros, o, f, "active_macro", "avar_symbol");
}

std::map<std::string, bool> CLayerFileUpdater::GetMergeFlags(const CKeywordLine& o, const CKeywordLine& f)
{
    std::map<std::string, bool> flags = LayerParamFlags();
    if (IsKeyword(o.m_strKeyword, "layer_mater")) {
        if (!MacroSymbolsChanged(o, f))
            flags.erase("var");
        if (!ActiveSymbolsChanged(o, f))
            flags.erase("avar");
    }
    return flags;
}
