#include "textfiles/ContactMacroLines.h"
#include <string_view>

#include "model/UnsetValue.h"
#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "statements/KeywordLineList.h"

#include <cmath>

namespace {

bool IsContactStatement(const CKeywordLine& line)
{
    return std::string_view(line.GetKeyword()) == "layer_mater" && StartsWith(line.ParamValue("macro_name"), "contact");
}

// Gives the first parameter whose name contains from the name to; its index, -1 when none.
int RenameParam(CKeywordLine& line, const char* from, const char* to)
{
    const int index = line.IndexOfParamContaining(from);
    if (index >= 0)
        line.SetParamName(index, to);
    return index;
}

std::string ContactTypeToModel(const std::string& type)
{
    return type == "schottky" ? "1.0" : "0.0";
}

std::string ContactTypeToFile(const std::string& value)
{
    const float f = static_cast<float>(AtoF(value));
    if (std::fabs(f) < 0.00001f)
        return "ohmic";
    return std::fabs(f - 1.0f) < 0.00001f ? "schottky" : "ohmic";
}

bool IsUnsetValue(const std::string& value)
{
    return UnsetDistance(AtoF(value)) <= 0.01;
}

// Whether a contact statement keeps a parameter: the identity (macro_name, column_num), and unless
// identityOnly the file form's contact_num, contact_type and a set barrier or work function.
bool KeepsParam(const CKeywordParam& param, bool identityOnly)
{
    const std::string& name = param.m_strName;
    if (name == "macro_name" || name == "column_num")
        return true;
    if (identityOnly)
        return false;
    if (name == "contact_num" || name == "contact_type")
        return true;
    return (name == "barrier" || name == "work_function") && !IsUnsetValue(param.m_strValue);
}

void RemoveUnkeptParams(CKeywordLine& line, bool identityOnly)
{
    for (int i = 0; i < line.GetParamCount();) {
        if (KeepsParam(line.m_params[static_cast<std::size_t>(i)], identityOnly)) {
            ++i;
        } else {
            line.RemoveParam(i);
            i = 0;
        }
    }
}

void RebuildCanonicalWrapped(CKeywordLine& line)
{
    line.RebuildText(ParamTextForm::canonical);
    line.WrapText();
}

// Parses a statement again from its own text; its load number and source stay.
void ReparseKeepingPlace(CKeywordLine& line)
{
    const int number = line.m_nLine;
    const int source = line.m_nSource;
    std::string text = line.GetText();
    line.Parse(text);
    line.WrapText();
    line.m_nLine = number;
    line.m_nSource = source;
}

}  // namespace

bool HasContactMacroLines(const CKeywordLineList& list)
{
    for (const CKeywordLine& line : list.m_lines)
        if (IsContactStatement(line))
            return true;
    return false;
}

void ReadContactMacroLines(CKeywordLineList& list)
{
    for (CKeywordLine& line : list.m_lines) {
        if (!IsContactStatement(line))
            continue;
        RenameParam(line, "contact_num", "var1");
        const std::string type = line.GetParam("contact_type");
        const int typeIndex = RenameParam(line, "contact_type", "var2");
        if (typeIndex >= 0)
            line.SetParamValue(typeIndex, ContactTypeToModel(type));
        else
            line.m_params.emplace_back("contact_type", "ohmic");
        RenameParam(line, "barrier", "var3");
        RenameParam(line, "work_function", "var4");
        line.RebuildText(ParamTextForm::canonical);
    }
}

void WriteContactMacroLines(CKeywordLineList& list)
{
    for (CKeywordLine& line : list.m_lines) {
        if (!IsContactStatement(line))
            continue;
        const std::string number = line.GetParam("var1");
        const int numberIndex = RenameParam(line, "var1", "contact_num");
        if (numberIndex >= 0)
            line.SetParamValue(numberIndex, StrFormat("%d", AtoI(number)));
        const std::string type = line.GetParam("var2");
        const int typeIndex = RenameParam(line, "var2", "contact_type");
        if (typeIndex >= 0)
            line.SetParamValue(typeIndex, ContactTypeToFile(type));
        RenameParam(line, "var3", "barrier");
        RenameParam(line, "var4", "work_function");
        RemoveUnkeptParams(line, false);
        RebuildCanonicalWrapped(line);
    }
}

void NormalizeContactMacroParams(CKeywordLineList& list, bool identityOnly)
{
    for (CKeywordLine& line : list.m_lines)
        NormalizeContactMacroParamsOfLine(line, identityOnly);
}

void NormalizeContactMacroParamsOfLine(CKeywordLine& line, bool identityOnly)
{
    if (line.m_strKeyword != "layer_mater")
        return;
    ReparseKeepingPlace(line);
    if (!StartsWith(line.GetParam("macro_name"), "contact"))
        return;
    RemoveUnkeptParams(line, identityOnly);
    RebuildCanonicalWrapped(line);
}

void NormalizeTopBottomContacts(CKeywordLineList& list)
{
    for (CKeywordLine& line : list.m_lines) {
        if (line.GetKeyword() != "top_contact" && line.GetKeyword() != "bottom_contact")
            continue;
        ReparseKeepingPlace(line);
        for (int i = 0; i < line.GetParamCount();) {
            const std::string& name = line.m_params[static_cast<std::size_t>(i)].m_strName;
            if (name == "barrier" || name == "work_function")
                line.RemoveParam(i);
            else
                ++i;
        }
        RebuildCanonicalWrapped(line);
    }
}
