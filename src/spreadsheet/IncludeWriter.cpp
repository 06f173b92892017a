#include "spreadsheet/IncludeWriter.h"

#include "platform/UserPrompts.h"

namespace {

const char kBadReference[] = "Your include refrence is not correct!";

}  // namespace

int CIncludeWriter::ResolveReference(const CImportSheet& sheet, int row, int block, std::string& reference)
{
    if (reference.empty())
        return -1;
    std::string before, tail;
    if (!CImportSheet::SplitAt(reference, ';', before, tail) || tail.size() < 4)
        return -1;
    const bool bracketed = tail.front() == '[' || tail.back() == ']';
    const bool quoted = tail[1] == '"' || tail[tail.size() - 2] == '"';
    if (!bracketed || !quoted) {
        AfxMessageBox(kBadReference, MB_OK);
        return -1;
    }
    std::string name;
    for (const char c : tail)
        if (c != '[' && c != ']' && c != '"')
            name += c;
    const int found = FindBlockRow(sheet, row, block, tail);
    reference = name;
    return found;
}

int CIncludeWriter::FindBlockRow(const CImportSheet& sheet, int row, int block, const std::string& tag)
{
    for (int r = row + 1; r < sheet.EndRow(); ++r)
        if (sheet.Read(r, block, 0) == tag)
            return r;
    return -1;
}

bool CIncludeWriter::IsPlainRelativeName(const std::string& name)
{
    if (!CImportSheet::IsNameText(name) || name[0] == '/' || name[0] == '\\' ||
        (name.size() > 1 && name[1] == ':'))
        return false;
    // No part of the path may climb out of the workbook's folder.
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string::npos)
            end = name.size();
        if (name.compare(start, end - start, "..") == 0 && end - start == 2)
            return false;
        start = end + 1;
    }
    return true;
}
