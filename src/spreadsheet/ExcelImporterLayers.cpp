// The column block and the layer rows of a worksheet, and the files of its included structures.

#include "spreadsheet/ExcelImporter.h"

#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "spreadsheet/IncludeWriter.h"

namespace {

const char kColumnMeshWrong[] = "Your column mesh is not correct!";
const char kDopingWrong[] = "Your doping setting is not correct!";
constexpr int kValueRow = 4;
constexpr int kFirstLayerRow = 7;
// Offsets of a layer row's cells within its column block.
constexpr int kThickness = 1, kBulk = 2, kActive = 3, kDoping = 4, kLayerMesh = 5, kRemark = 6;

// The lines of a remark cell, without the line ends the model keeps after each.
std::vector<std::string> RemarkLines(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    while (lines.size() > 1 && lines.back().empty())
        lines.pop_back();
    return lines;
}

}  // namespace

void CExcelImporter::WriteColumnLines(const CImportSheet& sheet, int columns, CStatementVector& out)
{
    Append(out, "$");
    for (int b = 0; b < columns; ++b) {
        std::string text = StrFormat("column column_num=%d", b + 1);
        const std::string width = ToLowerAscii(sheet.Read(kValueRow, b, 1));
        // An empty width stays an empty parameter; a text that is no number is left out.
        const std::string number = width.empty() ? width : sheet.CheckedNumber(kValueRow, b, 1, width);
        if (width.empty() || !number.empty())
            text += " w=" + number;
        std::string mesh;
        if (AppendColumnMesh(ToLowerAscii(sheet.Read(kValueRow, b, 2)), mesh))
            text += mesh;
        else
            AfxMessageBox(kColumnMeshWrong, MB_OK);
        Append(out, text);
    }
}

bool CExcelImporter::AppendColumnMesh(const std::string& text, std::string& out)
{
    const std::vector<std::string> parts = CImportSheet::SplitAll(text, ',');
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    for (const std::string& part : parts)
        if (!CImportSheet::IsNumberText(part))
            return false;
    out = " mesh_num=" + parts[0] + " r=" + parts[1];
    if (parts.size() == 3)
        out += " shift_center=" + parts[2];
    return true;
}

int CExcelImporter::WriteLayerLines(const CImportSheet& sheet, int columns, CStatementVector& out)
{
    int k = 1;
    for (int r = kFirstLayerRow;; ++r) {
        std::string reference = sheet.Read(r, 0, 0);
        CIncludeWriter include;
        const int headingRow = include.ResolveReference(sheet, r, 0, reference);
        if (headingRow > 0) {
            if (!CIncludeWriter::IsPlainRelativeName(reference)) {
                sheet.Report(r, 0, 0, sheet.Read(r, 0, 0), "does not name a file beside the workbook");
                continue;
            }
            if (!ConfirmOverwrite(PathFolder(m_strPath) + reference)) {
                m_nStatus = 0;
                return -1;
            }
            if (!WriteIncludedLayerLines(sheet, headingRow, columns, reference, k))
                return -1;
            Append(out, "include file=" + reference + "\n");
            continue;
        }
        CStatementVector row;
        std::string layer;
        if (r >= sheet.EndRow() || !ConvertLayerRow(sheet, r, columns, false, k, row, layer))
            return r + 1;
        out.insert(out.end(), row.begin(), row.end());
        Append(out, layer);
        ++k;
    }
}

bool CExcelImporter::ConvertLayerRow(const CImportSheet& sheet, int row, int columns, bool included,
                                     int layerNumber, CStatementVector& out, std::string& layer)
{
    layer = "layer";
    bool any = false;
    for (int b = 0; b < columns; ++b) {
        if (included)
            NoteLastRow(row);
        const std::string thickness = sheet.Read(row, b, kThickness);
        if (thickness.empty())
            continue;
        any = true;
        layer += AppendThickness(sheet, row, b, thickness);
        if (b == 0)
            layer += AppendLayerMesh(sheet.Read(row, 0, kLayerMesh));
        std::string material = "layer_mater" + AppendBulkMacro(sheet, row, b, sheet.Read(row, b, kBulk));
        std::string grating;
        material += AppendActiveMacro(sheet, row, b, sheet.Read(row, b, kActive), grating);
        layer += AppendDoping(b, sheet.Read(row, b, kDoping));
        // The remark keeps its blanks: the model holds them after the "$".
        const std::string remark = sheet.ReadRaw(row, b, kRemark);
        if (b == 0 && !included)
            AppendRemark(remark, StrFormat(",##Layer%d", layerNumber), out);
        else if (!remark.empty())
            AppendRemark(remark, "", out);
        material += StrFormat(" column_num=%d", b + 1);
        Append(out, material);
        if (!grating.empty())
            Append(out, grating);
    }
    return any;
}

void CExcelImporter::AppendRemark(const std::string& text, const std::string& suffix, CStatementVector& out)
{
    const std::vector<std::string> lines = RemarkLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        // A later line of a remark the export wrote still has its own '$'.
        if (i > 0 && !line.empty() && line[0] == '$')
            line.erase(0, 1);
        Append(out, "$" + line + (i + 1 == lines.size() ? suffix : std::string()));
    }
}

std::string CExcelImporter::AppendThickness(const CImportSheet& sheet, int row, int block, const std::string& text)
{
    std::string d, rest, lower, upper;
    CImportSheet::SplitAt(text, ',', d, rest);
    std::string out;
    if (block == 0 && !d.empty()) {
        const std::string number = sheet.CheckedNumber(row, block, kThickness, d);
        if (!number.empty())
            out += " d=" + number;
    }
    if (rest.empty())
        return out;
    CImportSheet::SplitAt(rest, ',', lower, upper);
    if (!lower.empty() && !(lower = sheet.CheckedNumber(row, block, kThickness, lower)).empty())
        out += StrFormat(" lower_w%d=%s", block + 1, lower.c_str());
    if (!upper.empty() && !(upper = sheet.CheckedNumber(row, block, kThickness, upper)).empty())
        out += StrFormat(" upper_w%d=%s", block + 1, upper.c_str());
    return out;
}

std::string CExcelImporter::AppendLayerMesh(const std::string& text)
{
    if (text.empty())
        return std::string();
    const std::vector<std::string> parts = CImportSheet::SplitAll(text, ',');
    if (parts.size() < 2 || parts.size() > 3)
        return std::string();
    for (const std::string& part : parts)
        if (!CImportSheet::IsNumberText(part))
            return std::string();
    std::string out = " n=" + parts[0] + " r=" + parts[1];
    if (parts.size() == 3)
        out += " shift_center=" + parts[2];
    return out;
}

std::string CExcelImporter::AppendDoping(int block, const std::string& text)
{
    if (text.empty())
        return std::string();
    std::string type, value;
    if (!CImportSheet::SplitAt(text, ',', type, value) || (type != "n" && type != "p") ||
        !CImportSheet::IsNumberText(value)) {
        AfxMessageBox(kDopingWrong, MB_OK);
        return std::string();
    }
    return StrFormat(" %s_doping%d=%s", type.c_str(), block + 1, value.c_str());
}

bool CExcelImporter::WriteIncludedLayerLines(const CImportSheet& sheet, int headingRow, int columns,
                                             const std::string& name, int& layerNumber)
{
    CStatementVector lines;
    for (int r = headingRow + 1;; ++r) {
        CStatementVector row;
        std::string layer;
        if (r >= sheet.EndRow() || !ConvertLayerRow(sheet, r, columns, true, layerNumber, row, layer))
            break;
        lines.insert(lines.end(), row.begin(), row.end());
        Append(lines, layer);
        ++layerNumber;
    }
    return WriteTextFile(PathFolder(m_strPath) + name, StatementBytes(lines));
}
