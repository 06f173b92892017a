// Value tests, the lookups of an old partner, and the removal of parameters at their default value.

#include "textfiles/LayerFileUpdater.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "textfiles/LayerFileUpdaterText.h"

#include <functional>

using namespace layer_updater;

bool IsDigitChar(char c)
{
    return c >= '0' && c <= '9';
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

bool CompareValueText(std::string a, std::string b)
{
    a = Trim(a);
    b = Trim(b);
    if (IsNumberText(a))
        return AtoF(a) == AtoF(b);
    return EqualsNoCase(a, b);
}

void CLayerFileUpdater::NormalizeValue(std::string& s)
{
    if (s.empty())
        return;
    std::size_t used = 0;
    double number = StrToD(s, &used);
    const bool restEmpty = used >= s.size();
    if (number == 0.0) {
        if (restEmpty)
            s = "0";
        return;
    }
    if (!restEmpty || s.find('.') == std::string::npos)
        return;
    auto trimFraction = [](std::string mantissa) {
        std::size_t point = mantissa.find('.');
        while (mantissa.size() > point + 1 && mantissa.back() == '0')
            mantissa.pop_back();
        return mantissa;
    };
    std::size_t e = s.find_first_of("eE");
    if (e == std::string::npos) {
        s = trimFraction(s);
        return;
    }
    std::string mantissa = s.substr(0, e);
    std::string exponent = s.substr(e);  // "e", an optional sign, digits
    std::size_t digits = 1;
    if (digits < exponent.size() && (exponent[digits] == '+' || exponent[digits] == '-'))
        ++digits;
    std::size_t firstNonZero = exponent.find_first_not_of('0', digits);
    if (firstNonZero != std::string::npos && firstNonZero > digits && IsDigitChar(exponent[firstNonZero]))
        exponent.erase(digits, firstNonZero - digits);
    if (mantissa.find('.') != std::string::npos)
        mantissa = trimFraction(mantissa);
    s = mantissa + exponent;
}

namespace {

// The shared scan of the lookups: visits the structure statements of the old list with their index
// and hands the fresh statement the numbers of the first one that passes.
int FindPartner(const CKeywordLineList& old, CKeywordLine& fresh,
                const std::function<bool(const CKeywordLine&)>& passes)
{
    for (int i = 0; i < old.GetCount(); ++i) {
        const CKeywordLine& line = old[i];
        if (IsNonStructureLine(line))
            continue;
        if (passes(line)) {
            fresh.m_nLine = line.m_nLine;
            fresh.m_nSource = line.m_nSource;
            return i;
        }
    }
    fresh.m_nLine = -2;
    return -1;
}

std::string Key(const CKeywordLine& line, const char* name)
{
    return Trim(line.GetParam(name));
}

// A statement of keyword (ignoring case) and column key that has exactly n "layer" statements
// before it.
int FindOfColumnInLayer(const CKeywordLineList& old, CKeywordLine& fresh, int n, const char* keyword)
{
    const std::string column = Key(fresh, "column_num");
    int layers = 0;
    return FindPartner(old, fresh, [&](const CKeywordLine& line) {
        if (line.m_strKeyword == "layer") {
            ++layers;
            return false;
        }
        return EqualsNoCase(line.m_strKeyword, keyword) && layers == n && Key(line, "column_num") == column;
    });
}

int FindContact(const CKeywordLineList& old, CKeywordLine& fresh, const char* keyword)
{
    const std::string column = Key(fresh, "column_num");
    const std::string number = Key(fresh, "contact_num");
    return FindPartner(old, fresh, [&](const CKeywordLine& line) {
        return EqualsNoCase(line.m_strKeyword, keyword) && Key(line, "column_num") == column &&
               Key(line, "contact_num") == number;
    });
}

}  // namespace

int CLayerFileUpdater::FindNthColumn(const CKeywordLineList& old, CKeywordLine& fresh)
{
    const std::string column = Key(fresh, "column_num");
    return FindPartner(old, fresh, [&](const CKeywordLine& line) {
        return EqualsNoCase(line.m_strKeyword, "column") && Key(line, "column_num") == column;
    });
}

int CLayerFileUpdater::FindNthLayer(const CKeywordLineList& old, CKeywordLine& fresh, int n)
{
    int layers = 0;
    return FindPartner(old, fresh, [&](const CKeywordLine& line) {
        if (!EqualsNoCase(line.m_strKeyword, "layer"))
            return false;
        return layers++ == n;
    });
}

int CLayerFileUpdater::FindLayerMaterOfColumn(const CKeywordLineList& old, CKeywordLine& fresh, int n)
{
    return FindOfColumnInLayer(old, fresh, n, "layer_mater");
}

int CLayerFileUpdater::FindGratingComposOfColumn(const CKeywordLineList& old, CKeywordLine& fresh, int n)
{
    return FindOfColumnInLayer(old, fresh, n, "grating_compos");
}

int CLayerFileUpdater::FindTopContact(const CKeywordLineList& old, CKeywordLine& fresh)
{
    return FindContact(old, fresh, "top_contact");
}

int CLayerFileUpdater::FindBottomContact(const CKeywordLineList& old, CKeywordLine& fresh)
{
    return FindContact(old, fresh, "bottom_contact");
}

int CLayerFileUpdater::FindNewDoping(const CKeywordLineList& old, CKeywordLine layerMater, CKeywordLine& fresh, int n)
{
    const std::string column = Key(layerMater, "column_num");
    int layers = 0;
    std::string lastMaterColumn;
    return FindPartner(old, fresh, [&](const CKeywordLine& line) {
        const std::string& keyword = line.m_strKeyword;
        bool passes = Contains(keyword, "new_doping") && layers == n && lastMaterColumn == column;
        if (keyword == "layer")
            ++layers;
        else if (keyword == "layer_mater")
            lastMaterColumn = Key(line, "column_num");
        return passes;
    });
}

int CLayerFileUpdater::FindVcselSection(const CKeywordLineList& old, CKeywordLine& fresh)
{
    const std::string type = Key(fresh, "vcsel_type");
    return FindPartner(old, fresh, [&](const CKeywordLine& line) {
        return EqualsNoCase(line.m_strKeyword, "vcsel_section") && Key(line, "vcsel_type") == type;
    });
}

bool CLayerFileUpdater::RemoveMatchingParams(CKeywordLine pattern, CKeywordLine& s, bool matchValue)
{
    bool removed = false;
    int i = 0;
    while (i < s.GetParamCount()) {
        const CKeywordParam& p = s.m_params[static_cast<std::size_t>(i)];
        bool found = false;
        for (const CKeywordParam& q : pattern.m_params)
            if (q.m_strName == p.m_strName && (!matchValue || q.m_strValue == p.m_strValue)) {
                found = true;
                break;
            }
        if (found) {
            s.RemoveParam(i);
            removed = true;
        } else {
            ++i;
        }
    }
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

void CLayerFileUpdater::RemoveDefaultParamsOfLine(CKeywordLine& s)
{
    CKeywordLine defaults[2];
    defaults[0].Parse(g_strLayerMaterDefault);
    defaults[1].Parse(g_strZStructureDefault);
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
