#include "spreadsheet/ImportSheet.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "platform/TextRoutines.h"
#include "platform/UserPrompts.h"
#include "spreadsheet/SheetIOBase.h"
#include "spreadsheet/WorkbookData.h"

#include <cmath>
#include <cstdlib>

std::string CImportSheet::ReadRaw(int row, int block, int offset) const
{
    if (!m_sheet.IsValid() || row < 1)
        return std::string();
    const CCellData* cell = m_sheet.Data().FindCell(row - 1, block * CSheetIOBase::kColumnsPerBlock + offset);
    return cell ? cell->m_strText : std::string();
}

std::string CImportSheet::Read(int row, int block, int offset) const { return Trim(ReadRaw(row, block, offset)); }

int CImportSheet::EndRow() const { return m_sheet.IsValid() ? m_sheet.Data().RowCount() + 1 : 1; }

std::string CImportSheet::CellName(int row, int block, int offset) const
{
    return Name() + "!" + CSheetIOBase::ColumnName(block, offset) + std::to_string(row);
}

void CImportSheet::Report(int row, int block, int offset, const std::string& text, const std::string& what) const
{
    AfxMessageBox(CellName(row, block, offset) + ": '" + text + "' " + what, MB_OK);
}

std::string CImportSheet::CheckedNumber(int row, int block, int offset, const std::string& text) const
{
    if (IsNumberText(text))
        return Trim(text);
    Report(row, block, offset, text, "is not a number");
    return std::string();
}

std::string CImportSheet::CheckedName(int row, int block, int offset, const std::string& text) const
{
    if (IsNameText(text))
        return text;
    Report(row, block, offset, text, "is not a name");
    return std::string();
}

bool CImportSheet::SplitAt(const std::string& text, char separator, std::string& first, std::string& second)
{
    const std::size_t at = text.find(separator);
    if (at == std::string::npos) {
        first = Trim(text);
        second.clear();
        return false;
    }
    first = Trim(text.substr(0, at));
    second = Trim(text.substr(at + 1));
    return true;
}

std::vector<std::string> CImportSheet::SplitAll(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string rest = text;
    std::string part;
    while (SplitAt(rest, separator, part, rest))
        parts.push_back(part);
    parts.push_back(part);
    return parts;
}

bool CImportSheet::IsNumberText(const std::string& text)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty())
        return false;
    double value = 0.0;
    if (!ParseDoubleStrict(trimmed, value)) {
        // "-0" and ".0" are numbers too; the strict reading only refuses them as zero.
        std::size_t used = 0;
        value = StrToD(trimmed.c_str(), &used);
        if (used != trimmed.size() || value != 0.0)
            return false;
    }
    // "inf" and "nan" read as numbers but no statement takes them; a number starts as one does.
    const char first = trimmed[0];
    return std::isfinite(value) && (IsDigit(first) || first == '-' || first == '+' || first == '.');
}

bool CImportSheet::IsNameText(const std::string& text)
{
    if (text.empty())
        return false;
    for (const char c : text)
        if (static_cast<unsigned char>(c) <= ' ' || c == '=' || c == '"' || c == '&')
            return false;
    return true;
}

int CImportSheet::LeadingInt(const std::string& text) { return AtoI(Trim(text)); }

double CImportSheet::LeadingDouble(const std::string& text) { return AtoF(Trim(text)); }
