// Pairing of the fresh statements with the old ones, and the parameter merge of a paired statement.

#include "textfiles/LayerFileUpdater.h"

#include "platform/StringUtil.h"
#include "textfiles/LayerFileUpdaterText.h"
#include "textfiles/LayerParamFlags.h"
#include "textfiles/OldStatementIndex.h"

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <unordered_map>
#include <utility>

using namespace layer_updater;

void CLayerFileUpdater::MatchStructureLines(CKeywordLineList& old, CKeywordLineList& fresh)
{
    const COldStatementIndex index(old);
    int k = 0;
    // The last fresh "layer_mater" statement: a "new_doping" statement is looked up by its column.
    static const CKeywordLine kNoMater;
    const CKeywordLine* remembered = &kNoMater;
    for (CKeywordLine& line : fresh.m_lines) {
        if (IsNonStructureLine(line)) {
            line.m_nLine = -1;
            continue;
        }
        // The lookups set the statement's working number and source id, and read nothing else of
        // it but its parameters.
        CKeywordLine& work = line;
        const std::string& keyword = line.m_strKeyword;
        if (IsKeyword(keyword, "column")) {
            index.Column(old, work);
        } else if (IsKeyword(keyword, "layer")) {
            index.Layer(old, work, k);
            ++k;
        } else if (IsKeyword(keyword, "layer_mater")) {
            index.Mater(old, work, k);
            remembered = &line;
        } else if (IsKeyword(keyword, "grating_compos")) {
            index.Grating(old, work, k);
        } else if (IsKeyword(keyword, "top_contact")) {
            index.Top(old, work);
        } else if (IsKeyword(keyword, "bottom_contact")) {
            index.Bottom(old, work);
        } else if (Contains(keyword, "new_doping")) {
            index.NewDoping(old, *remembered, work, k);
        } else if (IsKeyword(keyword, "vcsel_section")) {
            index.Vcsel(old, work);
        }
    }
}

void CLayerFileUpdater::PlanUnnamedEmptyLayers(const CKeywordLineList& old, const CKeywordLineList& fresh)
{
    // Which of a column's rows would keep an old material statement without a macro name, if such
    // a statement stood for the writer's "void" one everywhere. Only a "void" statement whose
    // partner has no macro name can; the others are known to be named rows before the trial.
    // Columns are keyed by views into the fresh statements, which this pass does not change.
    std::unordered_map<int, const CKeywordLine*> oldByNumber;
    bool haveOldByNumber = false;
    std::unordered_map<std::string_view, std::vector<bool>> keptUnnamed;  // column -> by row, in fresh order
    struct Trial {
        std::vector<bool>* rows;
        std::size_t row;
        const CKeywordLine* partner;
        const CKeywordLine* fresh;
    };
    std::vector<Trial> trials;
    for (const CKeywordLine& f : fresh.m_lines) {
        if (!IsKeyword(f.m_strKeyword, "layer_mater"))
            continue;
        std::vector<bool>& rows = keptUnnamed[TrimmedView(f.ParamValue("column_num"))];
        rows.push_back(false);
        if (TrimmedView(f.ParamValue("macro_name")) != "void")
            continue;
        if (!haveOldByNumber) {
            for (const CKeywordLine& line : old.m_lines)
                if (line.m_nLine > 0 && IsKeyword(line.m_strKeyword, "layer_mater"))
                    oldByNumber.emplace(line.m_nLine, &line);
            haveOldByNumber = true;
        }
        auto partner = oldByNumber.find(f.m_nLine);
        if (partner != oldByNumber.end() && partner->second->ParamValue("macro_name").empty())
            trials.push_back(Trial{&rows, rows.size() - 1, partner->second, &f});
    }
    if (!trials.empty()) {
        std::set<std::string> everyColumn;
        for (const auto& column : keptUnnamed)
            everyColumn.emplace(column.first);
        CReaderDefaults trial = m_defaults;
        trial.AllowUnnamedEmptyLayers(everyColumn);
        for (const Trial& t : trials)
            (*t.rows)[t.row] = IsSameStatement(*t.partner, *t.fresh, trial);
    }
    // The reader counts a column's layers by its named rows: unnamed ones may only follow them.
    std::set<std::string> allowed;
    for (const auto& column : keptUnnamed) {
        const std::vector<bool>& rows = column.second;
        const auto firstUnnamed = std::find(rows.begin(), rows.end(), true);
        if (firstUnnamed != rows.begin() && firstUnnamed != rows.end() &&
            std::find(firstUnnamed, rows.end(), false) == rows.end())
            allowed.emplace(column.first);
    }
    m_defaults.AllowUnnamedEmptyLayers(allowed);
}

void CLayerFileUpdater::MergeStatement(CKeywordLineList& old, CKeywordLineList& fresh, CKeywordLineList& result,
                                       std::string kind)
{
    // Old structure statements by their number, the first of each number answering; a merged one
    // has its number negated and no longer answers to it. Sorted pairs rather than a hashed map:
    // one block for the whole file, and the load numbers come in order already.
    std::vector<std::pair<int, int>> byNumber;
    byNumber.reserve(static_cast<std::size_t>(old.GetCount()));
    for (int o = 0; o < old.GetCount(); ++o)
        if (old[o].m_nLine >= 0 && !IsNonStructureLine(old[o]))
            byNumber.emplace_back(old[o].m_nLine, o);
    if (!std::is_sorted(byNumber.begin(), byNumber.end()))
        std::sort(byNumber.begin(), byNumber.end());
    for (int i = 0; i < fresh.GetCount(); ++i) {
        if (KindCovering(fresh[i]) != kind)
            continue;
        for (;;) {
            CKeywordLine& f = fresh[i];
            const int n = f.m_nLine;
            if (n == -1)
                break;
            int j = -1;
            if (n >= 0) {
                auto it = std::lower_bound(byNumber.begin(), byNumber.end(), std::make_pair(n, INT_MIN));
                if (it != byNumber.end() && it->first == n && old[it->second].m_nLine == n)
                    j = it->second;
            }
            if (j < 0) {
                // No partner, or its partner was taken by an earlier statement (two fresh
                // statements paired with one old one): written as a new statement.
                f.m_nLine = -1;
                CKeywordLine copy = f;
                RebuildLineText(copy);
                result.Append(copy);
                break;
            }
            const int s = f.m_nSource;
            if (s == 0) {
                // The statement lands after the plain lines that stood before its partner.
                CopyPrecedingLines(old, result, j);
                CKeywordLine out;
                if (kind == "vcsel_section") {
                    out = f;
                    out.RebuildText(ParamTextForm::canonical);
                    out.WrapText();
                } else {
                    MergeParamsOrRecall(old[j], f, out, result.GetCount());
                }
                result.m_lines.push_back(std::move(out));
            } else if (!IsUnitUnchanged(old, fresh, s) || !CanWriteIncludeBack(s) || !ReachIncludedFile(s)) {
                // Something in the included block changed, or its file cannot be reached from the
                // saved file: its lines are merged as lines of the main file and its include
                // statement is not written.
                InlineUnit(old, fresh, s);
                continue;
            } else {
                WriteIncludeBack(old, result, s);
            }
            f.m_nLine = -1;
            old[j].m_nLine = -old[j].m_nLine;
            break;
        }
    }
}

void CLayerFileUpdater::CopyPrecedingLines(CKeywordLineList& old, CKeywordLineList& result, int j)
{
    if (j <= 0)
        return;
    int first = j;
    while (first > 0 && IsNonStructureLine(old[first - 1]))
        --first;
    for (int i = first; i < j; ++i) {
        CKeywordLine& line = old[i];
        // Lines of included files stay with their include; a line already written stays written.
        if (line.m_nSource >= 100 || line.m_nLine < 0)
            continue;
        result.Append(line);
        line.m_nLine = -1;
    }
}

namespace {

// Parameters the model writes only when they differ from their default (or are set at all): a
// statement of the model that lacks one says "default", so an old value must not survive it, and a
// new value must not be taken for no change.
bool IsOptionalModelParam(const std::string& keyword, const std::string& name)
{
    if (IsKeyword(keyword, "layer"))
        return name == "shift_center" || name == "gaussian_tail" || name == "vcsel_type";
    if (IsKeyword(keyword, "column"))
        return name == "shift_center";
    if (IsKeyword(keyword, "layer_mater"))
        return name == "insulator_macro";
    if (IsKeyword(keyword, "top_contact") || IsKeyword(keyword, "bottom_contact"))
        return name == "contact_type" || name == "barrier" || name == "work_function";
    return false;
}

// What it means that one statement lacks a parameter the other has (value v on the side that has
// it, which is the fresh statement when fromModel is set).
bool MissingParamIsChange(const std::string& keyword, const std::string& name, const std::string& v, bool fromModel)
{
    if (IsOptionalModelParam(keyword, name))
        return true;
    if ((name == "solve_wave" && v == "yes") || (name == "active_macro" && v == "void"))
        return false;  // what the file means without them
    // A value the model writes and the old statement lacks is new: keeping the old text would lose
    // it (an old statement without "macro_name" would stay without it).
    if (fromModel)
        return true;
    const std::map<std::string, bool>& flags = LayerParamFlags();
    auto it = flags.find(name);
    if (it == flags.end())
        return true;
    return !it->second;
}

// Index of the first parameter of f with that name, -1 when none.
int FindParam(const CKeywordLine& f, const std::string& name)
{
    for (int k = 0; k < f.GetParamCount(); ++k)
        if (f.m_params[static_cast<std::size_t>(k)].m_strName == name)
            return k;
    return -1;
}

// True when every parameter of a has an equal counterpart in b (or may be missing there).
bool ParamsCoveredBy(const CKeywordLine& a, const CKeywordLine& b, const std::string& keyword, bool aIsFresh,
                     const CReaderDefaults& defaults)
{
    static const std::string kAbsent;
    for (const CKeywordParam& p : a.m_params) {
        const std::string& v = p.m_strValue;
        const int match = FindParam(b, p.m_strName);
        const std::string& w = match >= 0 ? b.m_params[static_cast<std::size_t>(match)].m_strValue : kAbsent;
        if (v == "schottky" && w.empty())
            return false;
        if (CompareValueText(v, w))
            continue;
        if (!w.empty())
            return false;
        // A parameter that holds what its absence reads as changes nothing, on either side.
        if (defaults.ReadsAsAbsent(a, b, p))
            continue;
        if (MissingParamIsChange(keyword, p.m_strName, v, aIsFresh))
            return false;
    }
    return true;
}

CKeywordParam TextOnlyParam(const std::string& prefix, const std::string& value)
{
    CKeywordParam p;
    p.m_strSourcePrefix = prefix;
    p.m_strSourceValue = value;
    return p;
}

// The text of an old parameter whose fresh counterpart has the value: the old text when both say
// the same, the fresh value in compact form otherwise.
std::string MergedValueText(const CKeywordParam& p, const std::string& freshValue)
{
    if (CompareValueText(p.m_strValue, freshValue))
        return p.m_strSourceValue;
    std::string value = freshValue;
    CLayerFileUpdater::NormalizeValue(value);
    return value;
}

// The digits after a variable's prefix ("var3" and "var" give "3"); "" when the rest of the name is
// not a plain number.
std::string VariableNumber(const std::string& name, const std::string& prefix)
{
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return "";
    for (std::size_t i = prefix.size(); i < name.size(); ++i)
        if (!IsDigitChar(name[i]))
            return "";
    return name.substr(prefix.size());
}

// A macro variable ("var<k>", "avar<k>") the fresh statement gives at 0: the reader takes a
// variable the statement does not carry for 0, except a contact macro's, which it keeps unset.
bool IsVariableAtAbsentValue(const CKeywordLine& fresh, const CKeywordParam& p)
{
    const bool bulk = !VariableNumber(p.m_strName, "var").empty();
    const bool active = !VariableNumber(p.m_strName, "avar").empty();
    if (!bulk && !active)
        return false;
    if (bulk && Trim(fresh.GetParam("macro_name")).compare(0, 7, "contact") == 0)
        return false;
    return CompareValueText(p.m_strValue, "");
}

// The variable a symbol parameter names ("var_symbol3" gives "var3", "avar_symbol3" "avar3"); ""
// for any other parameter.
std::string VariableOfSymbol(const std::string& name)
{
    for (const char* stem : {"var", "avar"}) {
        const std::string number = VariableNumber(name, std::string(stem) + "_symbol");
        if (!number.empty())
            return stem + number;
    }
    return "";
}

bool SameKeywordAndParams(const CKeywordLine& a, const CKeywordLine& b)
{
    if (&a == &b)
        return true;
    if (a.m_strKeyword != b.m_strKeyword || a.m_params.size() != b.m_params.size())
        return false;
    for (std::size_t i = 0; i < a.m_params.size(); ++i) {
        const CKeywordParam& p = a.m_params[i];
        const CKeywordParam& q = b.m_params[i];
        if (p.m_strName != q.m_strName || p.m_strValue != q.m_strValue)
            return false;
    }
    return true;
}

bool SameTexts(const std::vector<CKeywordParam>& built, const std::vector<CKeywordParam>& read)
{
    if (built.size() != read.size())
        return false;
    for (std::size_t i = 0; i < built.size(); ++i)
        if (built[i].m_strSourcePrefix != read[i].m_strSourcePrefix ||
            built[i].m_strSourceValue != read[i].m_strSourceValue)
            return false;
    return true;
}

}  // namespace

bool CLayerFileUpdater::IsSameStatement(const CKeywordLine& o, const CKeywordLine& f,
                                        const CReaderDefaults& defaults)
{
    if (&o == &f)
        return true;
    bool oPlain = IsNonStructureLine(o);
    bool fPlain = IsNonStructureLine(f);
    if (oPlain != fPlain)
        return false;
    if (oPlain)
        return o.m_strKeyword == f.m_strKeyword;
    return ParamsCoveredBy(o, f, o.m_strKeyword, false, defaults) &&
           ParamsCoveredBy(f, o, o.m_strKeyword, true, defaults);
}

void CLayerFileUpdater::MergeParams(const CKeywordLine& o, const CKeywordLine& fresh, CKeywordLine& out)
{
    // The statement as it was before its macro parameters were cleared: when it says what the
    // model says, it stays as the user wrote it. Otherwise a cleared parameter takes the fresh
    // value where it stood, so that the user's order survives and a second save writes what the
    // first one wrote.
    auto before = m_beforeClearing.find(o.m_nLine);
    const CKeywordLine& u = (o.m_nLine > 0 && before != m_beforeClearing.end()) ? before->second : o;
    if (IsSameStatement(u, fresh, m_defaults)) {
        out = u;
        return;
    }
    // A statement its clearing left as it was says what it said: the test would be the same.
    if (!SameKeywordAndParams(o, u) && IsSameStatement(o, fresh, m_defaults)) {
        out = o;
        return;
    }

    CKeywordLine f = fresh;  // the merge consumes the parameters it pairs
    out = CKeywordLine();
    out.m_strKeyword = o.m_strKeyword;
    // GetMergeFlags without copying the map: "var" and "avar" of a material statement count as
    // not written by the model only when its macro's symbols changed.
    const std::map<std::string, bool>& flags = LayerParamFlags();
    const bool mater = IsKeyword(o.m_strKeyword, "layer_mater");
    const bool varFlagged = !mater || MacroSymbolsChanged(o, f);
    const bool avarFlagged = !mater || ActiveSymbolsChanged(o, f);
    // An old-style macro's variables that the fresh statement leaves out were kept by the clearing.
    const bool keepVar = mater && KeepsUnwrittenVariable(u, fresh, "macro_name", "var_symbol");
    const bool keepAvar = mater && KeepsUnwrittenVariable(u, fresh, "active_macro", "avar_symbol");
    std::size_t kept = 0;  // o's parameters are those of u that were not cleared, in u's order
    for (const CKeywordParam& p : u.m_params) {
        const bool cleared = !(kept < o.m_params.size() && o.m_params[kept].m_strName == p.m_strName);
        if (!cleared)
            ++kept;
        int match = FindParam(f, p.m_strName);
        if (match >= 0) {
            const std::string value = MergedValueText(p, f.m_params[static_cast<std::size_t>(match)].m_strValue);
            f.m_params.erase(f.m_params.begin() + match);
            if (!value.empty())
                out.m_params.push_back(TextOnlyParam(p.m_strSourcePrefix, value));
            continue;
        }
        if (cleared || IsOptionalModelParam(o.m_strKeyword, p.m_strName))
            continue;  // the model says it is not there
        const std::string stem = StripTrailingDigits(p.m_strName);
        const bool keptVariable = ((stem == "var" && keepVar) || (stem == "avar" && keepAvar)) &&
                                  KeepsOldVariable(u, fresh, p.m_strName);
        if (!keptVariable && (stem != "var" || varFlagged) && (stem != "avar" || avarFlagged)) {
            auto it = flags.find(stem);
            if (it != flags.end() && !it->second)
                continue;  // the model no longer writes it
        }
        out.m_params.push_back(TextOnlyParam(p.m_strSourcePrefix, p.m_strSourceValue));
    }
    // What the old statement does not say and the fresh one says at the value its absence reads
    // as changes nothing, here as in the comparison: a macro variable at 0 and the macro's own
    // symbol for it are not added, so an edit of one value changes only that value's text.
    std::set<std::string> variablesLeftOut;
    for (const CKeywordParam& p : f.m_params)
        if (IsVariableAtAbsentValue(fresh, p))
            variablesLeftOut.insert(p.m_strName);
    for (const CKeywordParam& p : f.m_params) {
        if (variablesLeftOut.count(p.m_strName))
            continue;
        const std::string variable = VariableOfSymbol(p.m_strName);
        if (!variable.empty() && variablesLeftOut.count(variable) && m_defaults.ReadsAsAbsent(fresh, u, p))
            continue;
        // "name=" with nothing after it would take the next parameter as its value when read back;
        // an empty value reads the same as none.
        std::string value = p.m_strValue;
        NormalizeValue(value);
        if (!value.empty())
            out.m_params.push_back(TextOnlyParam(" " + p.m_strName + "=", value));
    }
    if (SameTexts(out.m_params, u.m_params)) {
        out = u;  // nothing changed after all: the text stays as the user laid it out
        return;
    }
    out.RebuildText(ParamTextForm::asRead);
    out.WrapText();
    // Keep the line sound for whoever reads its parameters: parse the written text back.
    std::string text = out.m_strText;
    out.Parse(text);
    out.m_strText = text;
}

void CLayerFileUpdater::RebuildLineText(CKeywordLine& line)
{
    static const std::string kBreak = " &&\r\n";
    std::string text;
    std::string current = line.m_strKeyword;
    // A comment is never cut: a "$" line is not continued when it is read back.
    while (current.size() > 80 && !line.IsComment()) {
        text += current.substr(0, 77) + kBreak;
        current = "  " + current.substr(77);
    }
    for (const CKeywordParam& p : line.m_params) {
        if (p.m_strValue.empty())
            continue;  // would swallow the next parameter when read back
        std::string t = p.GetText(ParamTextForm::canonical);
        if (t.size() + current.size() + 1 > 77) {
            text += current + kBreak;
            current = "  ";
        }
        current += " " + t;
    }
    text += current;
    line.SetText(text);
}
