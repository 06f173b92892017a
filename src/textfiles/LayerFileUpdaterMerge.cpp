// Pairing of the fresh statements with the old ones, and the parameter merge of a paired statement.

#include "textfiles/LayerFileUpdater.h"

#include "platform/StringUtil.h"
#include "textfiles/LayerFileUpdaterText.h"
#include "textfiles/LayerParamFlags.h"
#include "textfiles/OldStatementIndex.h"

#include <unordered_map>

using namespace layer_updater;

void CLayerFileUpdater::MatchStructureLines(CKeywordLineList& old, CKeywordLineList& fresh)
{
    const COldStatementIndex index(old);
    int k = 0;
    CKeywordLine remembered;  // the last fresh "layer_mater" statement, with its partner's numbers
    for (CKeywordLine& line : fresh.m_lines) {
        if (IsNonStructureLine(line)) {
            line.m_nLine = -1;
            continue;
        }
        CKeywordLine work = line;
        const std::string& keyword = line.m_strKeyword;
        if (keyword == "column") {
            index.Column(old, work);
        } else if (keyword == "layer") {
            index.Layer(old, work, k);
            ++k;
        } else if (keyword == "layer_mater") {
            index.Mater(old, work, k);
            remembered = work;
        } else if (keyword == "grating_compos") {
            index.Grating(old, work, k);
        } else if (keyword == "top_contact") {
            index.Top(old, work);
        } else if (keyword == "bottom_contact") {
            index.Bottom(old, work);
        } else if (Contains(keyword, "new_doping")) {
            index.NewDoping(old, remembered, work, k);
        } else if (keyword == "vcsel_section") {
            index.Vcsel(old, work);
        }
        line.m_nLine = work.m_nLine;
        line.m_nSource = work.m_nSource;
    }
}

void CLayerFileUpdater::MergeStatement(CKeywordLineList& old, CKeywordLineList& fresh, CKeywordLineList& result,
                                       std::string kind)
{
    // Old structure statements by their number; a merged one has its number negated and no
    // longer answers to it.
    std::unordered_map<int, int> byNumber;
    for (int o = 0; o < old.GetCount(); ++o)
        if (old[o].m_nLine >= 0 && !IsNonStructureLine(old[o]))
            byNumber.emplace(old[o].m_nLine, o);
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
                auto it = byNumber.find(n);
                if (it != byNumber.end() && old[it->second].m_nLine == n)
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
                CKeywordLine out;
                if (kind == "vcsel_section") {
                    out = f;
                    out.RebuildText(ParamTextForm::canonical);
                    out.WrapText();
                } else {
                    CKeywordLine work = f;  // the merge consumes the parameters it pairs
                    MergeParams(old[j], work, out);
                }
                CopyPrecedingLines(old, result, j);
                result.Append(out);
            } else if (!IsUnitUnchanged(old, fresh, s) || !CanWriteIncludeBack(s)) {
                // Something in the included block changed: its lines are merged as lines of the
                // main file and its include statement is not written.
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

// What it means that one statement lacks a parameter the other has (value v on the side that has it).
bool MissingParamIsChange(const std::string& name, const std::string& v)
{
    auto it = g_layerParamFlags.find(name);
    if (it == g_layerParamFlags.end())
        return true;
    if (it->second)
        return false;
    return !((name == "solve_wave" && v == "yes") || (name == "active_macro" && v == "void"));
}

// True when every parameter of a has an equal counterpart in b (or may be missing there).
bool ParamsCoveredBy(const CKeywordLine& a, const CKeywordLine& b)
{
    for (const CKeywordParam& p : a.m_params) {
        const std::string& v = p.m_strValue;
        std::string w = b.GetParam(p.m_strName);
        if (v == "schottky" && w.empty())
            return false;
        if (CompareValueText(v, w))
            continue;
        if (!w.empty())
            return false;
        if (MissingParamIsChange(p.m_strName, v))
            return false;
    }
    return true;
}

std::string StripTrailingDigits(std::string name)
{
    while (!name.empty() && IsDigitChar(name.back()))
        name.pop_back();
    return name;
}

CKeywordParam TextOnlyParam(const std::string& prefix, const std::string& value)
{
    CKeywordParam p;
    p.m_strSourcePrefix = prefix;
    p.m_strSourceValue = value;
    return p;
}

}  // namespace

bool CLayerFileUpdater::IsSameStatement(const CKeywordLine& o, const CKeywordLine& f)
{
    if (&o == &f)
        return true;
    bool oPlain = IsNonStructureLine(o);
    bool fPlain = IsNonStructureLine(f);
    if (oPlain != fPlain)
        return false;
    if (oPlain)
        return o.m_strKeyword == f.m_strKeyword;
    return ParamsCoveredBy(o, f) && ParamsCoveredBy(f, o);
}

void CLayerFileUpdater::MergeParams(const CKeywordLine& o, CKeywordLine& f, CKeywordLine& out)
{
    if (IsSameStatement(o, f)) {
        out = o;
        return;
    }
    out = CKeywordLine();
    out.m_strKeyword = o.m_strKeyword;
    out.m_nSource = o.m_nSource;
    std::map<std::string, bool> flags = GetMergeFlags(o, f);
    for (const CKeywordParam& p : o.m_params) {
        int match = -1;
        for (int k = 0; k < f.GetParamCount(); ++k)
            if (f.m_params[static_cast<std::size_t>(k)].m_strName == p.m_strName) {
                match = k;
                break;
            }
        if (match >= 0) {
            std::string value = f.m_params[static_cast<std::size_t>(match)].m_strValue;
            if (CompareValueText(p.m_strValue, value))
                value = p.m_strSourceValue;
            else
                NormalizeValue(value);
            out.m_params.push_back(TextOnlyParam(p.m_strSourcePrefix, value));
            f.m_params.erase(f.m_params.begin() + match);
            continue;
        }
        auto it = flags.find(StripTrailingDigits(p.m_strName));
        if (it != flags.end() && !it->second)
            continue;  // the model no longer writes it
        out.m_params.push_back(TextOnlyParam(p.m_strSourcePrefix, p.m_strSourceValue));
    }
    for (const CKeywordParam& p : f.m_params) {
        std::string value = p.m_strValue;
        NormalizeValue(value);
        out.m_params.push_back(TextOnlyParam(" " + p.m_strName + "=", value));
    }
    out.RebuildText(ParamTextForm::asRead);
    out.WrapText();
    // Keep the line sound for whoever reads its parameters: parse the written text back.
    std::string text = out.m_strText;
    int source = out.m_nSource;
    out.Parse(text);
    out.m_strText = text;
    out.m_nSource = source;
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
