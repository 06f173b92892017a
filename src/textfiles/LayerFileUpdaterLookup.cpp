// Value tests, the lookups of an old partner, and the removal of parameters at their default value.

#include "textfiles/LayerFileUpdater.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "textfiles/LayerFileUpdaterText.h"
#include "textfiles/OldStatementIndex.h"


using namespace layer_updater;

bool IsDigitChar(char c)
{
    return IsDigit(c);
}

bool IsNumberText(std::string text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (IsDigitChar(c) || c == '.' || c == '-' || c == '+' || c == ' ')
            continue;
        if ((c == 'e' || c == 'E') && i + 1 < text.size() &&
            (text[i + 1] == '+' || text[i + 1] == '-' || IsDigitChar(text[i + 1])))
            continue;
        return false;
    }
    return true;
}

bool CompareValueText(const std::string& a, const std::string& b)
{
    // The same text says the same (no number text reads as NaN); a save compares every value.
    if (a == b)
        return true;
    const std::string ta = Trim(a);
    const std::string tb = Trim(b);
    if (IsNumberText(ta))
        return AtoF(ta) == AtoF(tb);
    return EqualsNoCase(ta, tb);
}

void CLayerFileUpdater::NormalizeValue(std::string& s)
{
    // Values are compared in the compact number form every statement is written with.
    NormalizeNumberText(s);
}

namespace {

// The trimmed value, as a view into the statement.
std::string_view Key(const CKeywordLine& line, const char* name)
{
    return TrimmedView(line.ParamValue(name));
}

}  // namespace

// The old structure statements, indexed by what the lookups ask for. Every key keeps the first
// statement that has it, as a scan of the old list in order would find it.
COldStatementIndex::COldStatementIndex(const CKeywordLineList& old)
{
    int layers = 0;      // "layer" statements (exact keyword) so far
    int anyLayers = 0;   // "layer" statements ignoring case so far
    std::string_view lastMaterColumn;
    for (int i = 0; i < old.GetCount(); ++i) {
        const CKeywordLine& line = old[i];
        if (IsNonStructureLine(line))
            continue;
        const std::string& keyword = line.m_strKeyword;
        if (IsWordNoCase(keyword, "column"))
            m_columns.emplace(Key(line, "column_num"), i);
        if (IsWordNoCase(keyword, "layer"))
            m_layers.emplace(anyLayers++, i);
        if (IsWordNoCase(keyword, "layer_mater"))
            m_maters.emplace(std::make_pair(layers, Key(line, "column_num")), i);
        if (IsWordNoCase(keyword, "grating_compos"))
            m_gratings.emplace(std::make_pair(layers, Key(line, "column_num")), i);
        if (IsWordNoCase(keyword, "top_contact"))
            m_tops.emplace(std::make_pair(Key(line, "column_num"), Key(line, "contact_num")), i);
        if (IsWordNoCase(keyword, "bottom_contact"))
            m_bottoms.emplace(std::make_pair(Key(line, "column_num"), Key(line, "contact_num")), i);
        if (Contains(keyword, "new_doping"))
            m_newDopings.emplace(std::make_pair(layers, lastMaterColumn), i);
        if (IsWordNoCase(keyword, "vcsel_section"))
            m_vcsels.emplace(Key(line, "vcsel_type"), i);
        if (IsKeyword(keyword, "layer"))
            ++layers;
        else if (IsKeyword(keyword, "layer_mater"))
            lastMaterColumn = Key(line, "column_num");
    }
}

int COldStatementIndex::Hand(const CKeywordLineList& old, CKeywordLine& fresh, int index)
{
    if (index < 0) {
        fresh.m_nLine = -2;
        return -1;
    }
    fresh.m_nLine = old[index].m_nLine;
    fresh.m_nSource = old[index].m_nSource;
    return index;
}

int COldStatementIndex::Column(const CKeywordLineList& old, CKeywordLine& fresh) const
{
    return Hand(old, fresh, Lookup(m_columns, Key(fresh, "column_num")));
}

int COldStatementIndex::Layer(const CKeywordLineList& old, CKeywordLine& fresh, int n) const
{
    return Hand(old, fresh, Lookup(m_layers, n));
}

int COldStatementIndex::Mater(const CKeywordLineList& old, CKeywordLine& fresh, int n) const
{
    return Hand(old, fresh, Lookup(m_maters, std::make_pair(n, Key(fresh, "column_num"))));
}

int COldStatementIndex::Grating(const CKeywordLineList& old, CKeywordLine& fresh, int n) const
{
    return Hand(old, fresh, Lookup(m_gratings, std::make_pair(n, Key(fresh, "column_num"))));
}

int COldStatementIndex::Top(const CKeywordLineList& old, CKeywordLine& fresh) const
{
    return Hand(old, fresh, Lookup(m_tops, std::make_pair(Key(fresh, "column_num"), Key(fresh, "contact_num"))));
}

int COldStatementIndex::Bottom(const CKeywordLineList& old, CKeywordLine& fresh) const
{
    return Hand(old, fresh,
                Lookup(m_bottoms, std::make_pair(Key(fresh, "column_num"), Key(fresh, "contact_num"))));
}

int COldStatementIndex::NewDoping(const CKeywordLineList& old, const CKeywordLine& layerMater, CKeywordLine& fresh,
                                  int n) const
{
    return Hand(old, fresh, Lookup(m_newDopings, std::make_pair(n, Key(layerMater, "column_num"))));
}

int COldStatementIndex::Vcsel(const CKeywordLineList& old, CKeywordLine& fresh) const
{
    return Hand(old, fresh, Lookup(m_vcsels, Key(fresh, "vcsel_type")));
}

int CLayerFileUpdater::FindNthColumn(const CKeywordLineList& old, CKeywordLine& fresh)
{
    return COldStatementIndex(old).Column(old, fresh);
}

int CLayerFileUpdater::FindNthLayer(const CKeywordLineList& old, CKeywordLine& fresh, int n)
{
    return COldStatementIndex(old).Layer(old, fresh, n);
}

int CLayerFileUpdater::FindLayerMaterOfColumn(const CKeywordLineList& old, CKeywordLine& fresh, int n)
{
    return COldStatementIndex(old).Mater(old, fresh, n);
}

int CLayerFileUpdater::FindGratingComposOfColumn(const CKeywordLineList& old, CKeywordLine& fresh, int n)
{
    return COldStatementIndex(old).Grating(old, fresh, n);
}

int CLayerFileUpdater::FindTopContact(const CKeywordLineList& old, CKeywordLine& fresh)
{
    return COldStatementIndex(old).Top(old, fresh);
}

int CLayerFileUpdater::FindBottomContact(const CKeywordLineList& old, CKeywordLine& fresh)
{
    return COldStatementIndex(old).Bottom(old, fresh);
}

int CLayerFileUpdater::FindNewDoping(const CKeywordLineList& old, CKeywordLine layerMater, CKeywordLine& fresh, int n)
{
    return COldStatementIndex(old).NewDoping(old, layerMater, fresh, n);
}

int CLayerFileUpdater::FindVcselSection(const CKeywordLineList& old, CKeywordLine& fresh)
{
    return COldStatementIndex(old).Vcsel(old, fresh);
}

bool CLayerFileUpdater::RemoveMatchingParams(const CKeywordLine& pattern, CKeywordLine& s, bool matchValue)
{
    // Whether a parameter matches does not depend on the others, and the text a removal leaves
    // depends only on the parameters left: one rebuild after flagging them all writes the same.
    std::vector<bool> remove(s.m_params.size(), false);
    bool removed = false;
    for (std::size_t i = 0; i < s.m_params.size(); ++i) {
        const CKeywordParam& p = s.m_params[i];
        for (const CKeywordParam& q : pattern.m_params)
            if (q.m_strName == p.m_strName && (!matchValue || q.m_strValue == p.m_strValue)) {
                remove[i] = true;
                removed = true;
                break;
            }
    }
    s.RemoveFlaggedParams(remove);
    return removed;
}

namespace {

// Parses the statement again from its own text with continuation marks read as blanks, as the
// removal and clearing passes do before they look at the parameters.
void ReparseFlattened(CKeywordLine& s)
{
    std::string t = Trim(s.m_strText);
    if (t.size() <= 1)
        return;
    for (char& c : t)
        if (c == '&')
            c = ' ';
    s.Parse(t);
}

}  // namespace

bool CannotHoldParamOf(const CKeywordLine& s, const CKeywordLine& pattern)
{
    // Only a text of more than one character is parsed again (ReparseFlattened); a parameter name
    // read from it stands in it as it is, so without any of the pattern's names in the text no
    // parameter read from it matches the pattern.
    const std::string& text = s.m_strText;
    if (TrimmedView(text).size() <= 1)
        return false;
    for (const CKeywordParam& param : pattern.m_params)
        if (text.find(param.m_strName) != std::string::npos)
            return false;
    return true;
}

CKeywordLine ParsedStatement(const std::string& text)
{
    CKeywordLine line;
    line.Parse(text);
    return line;
}

namespace {

// The two default statements, parsed once.
const std::vector<CKeywordLine>& DefaultStatements()
{
    static const std::vector<CKeywordLine> defaults = {ParsedStatement(g_strLayerMaterDefault),
                                                       ParsedStatement(g_strZStructureDefault)};
    return defaults;
}

}  // namespace

void CLayerFileUpdater::RemoveDefaultParamsOfLine(CKeywordLine& s)
{
    const std::vector<CKeywordLine>& defaults = DefaultStatements();
    if (CannotHoldParamOf(s, defaults[0]) && CannotHoldParamOf(s, defaults[1]))
        return;
    const CKeywordLine saved = s;
    ReparseFlattened(s);
    for (const CKeywordLine& pattern : defaults)
        if (pattern.m_strKeyword == s.m_strKeyword && RemoveMatchingParams(pattern, s, true))
            return;
    s = saved;
}

void CLayerFileUpdater::RemoveDefaultParams(CKeywordLineList& list)
{
    for (CKeywordLine& line : list.m_lines)
        RemoveDefaultParamsOfLine(line);
}

// Shared with the clearing passes.
void ReparseFlattenedKeepNumber(CKeywordLine& s)
{
    int number = s.m_nLine;
    ReparseFlattened(s);
    s.m_nLine = number;
}
