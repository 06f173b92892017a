#include "spreadsheet/XlsxReader.h"

#include "platform/Path.h"
#include "spreadsheet/CellText.h"
#include "spreadsheet/ExcelPalette.h"
#include "spreadsheet/WorkbookData.h"

#include <pugixml.hpp>
#include <zip.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace {

// A part larger than this is refused rather than inflated (a workbook of the largest device is far
// below it).
constexpr zip_uint64_t kMaxPartBytes = zip_uint64_t(1) << 30;
// Column ranges of a <col> element wider than this (a whole-sheet default) are not spread per column.
constexpr int kMaxColumnsOfRange = 16384;

// A file stores a column's width with the cell padding added (in units of the default font's
// digit, 7 pixels, with 5 pixels of padding); the width the user set and sees is without it.
double UserColumnWidth(double stored)
{
    const double pixels = std::floor(stored * 7.0 + 0.5);
    const double width = pixels < 12.0 ? pixels / 12.0 : (pixels - 5.0) / 7.0;
    return std::floor(width * 100.0 + 0.5) / 100.0;
}

struct ZipCloser {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};

// Reads one part of the package; false when it is missing or cannot be read.
bool ReadPart(zip_t* zip, const std::string& name, std::string& bytes)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(zip, name.c_str(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) || stat.size > kMaxPartBytes)
        return false;
    zip_file_t* file = zip_fopen(zip, name.c_str(), 0);
    if (!file)
        return false;
    bytes.assign(static_cast<std::size_t>(stat.size), '\0');
    zip_int64_t done = 0;
    while (done < static_cast<zip_int64_t>(stat.size)) {
        const zip_int64_t got = zip_fread(file, &bytes[static_cast<std::size_t>(done)], stat.size - zip_uint64_t(done));
        if (got <= 0)
            break;
        done += got;
    }
    zip_fclose(file);
    return done == static_cast<zip_int64_t>(stat.size);
}

bool ParseXml(const std::string& bytes, pugi::xml_document& doc)
{
    return doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata);
}

// Element names carry whatever prefix the writer chose: compare the local part.
const char* LocalName(const pugi::xml_node& node)
{
    const char* name = node.name();
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

bool Is(const pugi::xml_node& node, const char* local) { return std::strcmp(LocalName(node), local) == 0; }

pugi::xml_node Child(const pugi::xml_node& node, const char* local)
{
    for (pugi::xml_node child : node.children())
        if (Is(child, local))
            return child;
    return pugi::xml_node();
}

std::vector<pugi::xml_node> Children(const pugi::xml_node& node, const char* local)
{
    std::vector<pugi::xml_node> found;
    for (pugi::xml_node child : node.children())
        if (Is(child, local))
            found.push_back(child);
    return found;
}

// An attribute by its local name (r:id and id alike).
pugi::xml_attribute Attribute(const pugi::xml_node& node, const char* local)
{
    for (pugi::xml_attribute attribute : node.attributes()) {
        const char* name = attribute.name();
        const char* colon = std::strrchr(name, ':');
        if (std::strcmp(colon ? colon + 1 : name, local) == 0)
            return attribute;
    }
    return pugi::xml_attribute();
}

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The workbook format writes characters XML cannot carry as "_xHHHH_" (and a literal "_x" as "_x005F_x").
std::string DecodeEscapes(const std::string& text)
{
    if (text.find("_x") == std::string::npos)
        return text;
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "_x") == 0 && i + 7 <= text.size() && text[i + 6] == '_' && IsHex(text[i + 2]) &&
            IsHex(text[i + 3]) && IsHex(text[i + 4]) && IsHex(text[i + 5])) {
            AppendUtf8(out, static_cast<unsigned>(std::strtoul(text.substr(i + 2, 4).c_str(), nullptr, 16)));
            i += 7;
        } else {
            out += text[i++];
        }
    }
    return out;
}

// The text of a string item: its <t> or the <t> of each run; phonetic runs are no part of it.
std::string StringItemText(const pugi::xml_node& item)
{
    std::string text;
    for (pugi::xml_node child : item.children()) {
        if (Is(child, "t"))
            text += child.text().get();
        else if (Is(child, "r"))
            text += Child(child, "t").text().get();
    }
    return DecodeEscapes(text);
}

// "AB12" -> row 11, column 27; false when the reference is no cell name.
bool ParseCellName(const char* name, int& row, int& column)
{
    int c = 0, r = 0;
    const char* p = name;
    while (*p >= 'A' && *p <= 'Z') {
        c = c * 26 + (*p - 'A' + 1);
        if (c > kMaxColumnsOfRange)
            return false;
        ++p;
    }
    if (p == name || *p < '1' || *p > '9')
        return false;
    while (*p >= '0' && *p <= '9') {
        r = r * 10 + (*p - '0');
        if (r > 1048576)
            return false;
        ++p;
    }
    if (*p)
        return false;
    row = r - 1;
    column = c - 1;
    return true;
}

bool TrueAttribute(const pugi::xml_node& node, const char* name, bool missing)
{
    pugi::xml_attribute attribute = Attribute(node, name);
    if (!attribute)
        return missing;
    const std::string value = attribute.value();
    return value != "0" && value != "false";
}

int WeightOfBorderStyle(const std::string& style)
{
    if (style == "hair")
        return 1;
    if (style == "thin")
        return 2;
    if (style == "medium")
        return -4138;
    if (style == "thick")
        return 4;
    return style.empty() || style == "none" ? 0 : 2;
}

std::int32_t ColourOf(const pugi::xml_node& colour)
{
    if (pugi::xml_attribute rgb = Attribute(colour, "rgb")) {
        const std::string text = rgb.value();
        return static_cast<std::int32_t>(std::strtoul(text.c_str(), nullptr, 16) & 0xFFFFFF);
    }
    if (pugi::xml_attribute indexed = Attribute(colour, "indexed")) {
        const int index = indexed.as_int();
        if (index >= 0 && index < 8)
            return PaletteColour(index + 1);
        return PaletteColour(index - 7);
    }
    return CCellStyle::kNoFill;
}

// The formats of cellXfs, as the table ids of the workbook's styles.
std::vector<int> ReadStyles(const std::string& bytes, CStyleTable& table)
{
    std::vector<int> ids;
    pugi::xml_document doc;
    if (bytes.empty() || !ParseXml(bytes, doc))
        return ids;
    const pugi::xml_node root = doc.document_element();
    std::vector<CCellStyle> fonts;
    for (pugi::xml_node font : Children(Child(root, "fonts"), "font")) {
        CCellStyle style;
        style.m_strFontName = Attribute(Child(font, "name"), "val").value();
        style.m_dFontSize = Attribute(Child(font, "sz"), "val").as_double();
        pugi::xml_node bold = Child(font, "b");
        style.m_bBold = bold && TrueAttribute(bold, "val", true);
        fonts.push_back(style);
    }
    std::vector<std::int32_t> fills;
    for (pugi::xml_node fill : Children(Child(root, "fills"), "fill")) {
        pugi::xml_node pattern = Child(fill, "patternFill");
        const std::string type = Attribute(pattern, "patternType").value();
        fills.push_back(type == "solid" ? ColourOf(Child(pattern, "fgColor")) : CCellStyle::kNoFill);
    }
    std::vector<int> borders;
    for (pugi::xml_node border : Children(Child(root, "borders"), "border")) {
        int weight = 0;
        for (const char* edge : {"left", "right", "top", "bottom"})
            if (weight == 0)
                weight = WeightOfBorderStyle(Attribute(Child(border, edge), "style").value());
        borders.push_back(weight);
    }
    for (pugi::xml_node xf : Children(Child(root, "cellXfs"), "xf")) {
        CCellStyle style;
        const std::size_t font = Attribute(xf, "fontId").as_uint();
        const std::size_t fill = Attribute(xf, "fillId").as_uint();
        const std::size_t border = Attribute(xf, "borderId").as_uint();
        if (font < fonts.size())
            style = fonts[font];
        if (fill < fills.size())
            style.m_nFillRgb = fills[fill];
        if (border < borders.size())
            style.m_nBorderWeight = borders[border];
        style.m_bWrapText = TrueAttribute(Child(xf, "alignment"), "wrapText", false);
        ids.push_back(table.Intern(style));
    }
    return ids;
}

std::vector<std::string> ReadSharedStrings(const std::string& bytes)
{
    std::vector<std::string> strings;
    pugi::xml_document doc;
    if (bytes.empty() || !ParseXml(bytes, doc))
        return strings;
    for (pugi::xml_node item : Children(doc.document_element(), "si"))
        strings.push_back(StringItemText(item));
    return strings;
}

std::string CellValueText(const pugi::xml_node& cell, const std::vector<std::string>& shared)
{
    const std::string type = Attribute(cell, "t").value();
    if (type == "inlineStr")
        return StringItemText(Child(cell, "is"));
    const std::string value = Child(cell, "v").text().get();
    if (type == "s") {
        const std::size_t index = static_cast<std::size_t>(std::strtoul(value.c_str(), nullptr, 10));
        return index < shared.size() ? shared[index] : std::string();
    }
    if (type == "b")
        return value == "1" ? "TRUE" : "FALSE";
    if (type == "str")
        return DecodeEscapes(value);
    return value;
}

void ReadSheet(const pugi::xml_node& root, const std::vector<std::string>& shared, const std::vector<int>& styles,
               CWorksheetData& sheet)
{
    for (pugi::xml_node col : Children(Child(root, "cols"), "col")) {
        const int first = Attribute(col, "min").as_int();
        const int last = std::min(Attribute(col, "max").as_int(), first + kMaxColumnsOfRange);
        if (first < 1 || !Attribute(col, "width"))
            continue;
        for (int c = first; c <= last; ++c)
            sheet.m_ColumnWidths[c - 1] = UserColumnWidth(Attribute(col, "width").as_double());
    }
    int nextRow = 0;
    for (pugi::xml_node row : Children(Child(root, "sheetData"), "row")) {
        const int rowIndex = Attribute(row, "r") ? Attribute(row, "r").as_int() - 1 : nextRow;
        if (rowIndex < 0)
            continue;
        nextRow = rowIndex + 1;
        if (Attribute(row, "ht") && TrueAttribute(row, "customHeight", false))
            sheet.m_RowHeights[rowIndex] = Attribute(row, "ht").as_double();
        int nextColumn = 0;
        for (pugi::xml_node cell : Children(row, "c")) {
            int r = rowIndex, c = nextColumn;
            if (Attribute(cell, "r") && !ParseCellName(Attribute(cell, "r").value(), r, c))
                continue;
            nextColumn = c + 1;
            CCellData& data = sheet.Cell(r, c);
            const std::size_t style = Attribute(cell, "s").as_uint();
            data.m_nStyle = style < styles.size() ? styles[style] : 0;
            data.m_bHasValue = Child(cell, "v") || Child(cell, "is");
            if (data.m_bHasValue)
                data.m_strText = CellValueText(cell, shared);
        }
    }
}

// Relationship id -> part name below the package root.
std::map<std::string, std::string> ReadRelationships(const std::string& bytes)
{
    std::map<std::string, std::string> targets;
    pugi::xml_document doc;
    if (!ParseXml(bytes, doc))
        return targets;
    for (pugi::xml_node rel : Children(doc.document_element(), "Relationship")) {
        std::string target = Attribute(rel, "Target").value();
        target = target.size() > 0 && target[0] == '/' ? target.substr(1) : "xl/" + target;
        targets[Attribute(rel, "Id").value()] = target;
    }
    return targets;
}

}  // namespace

bool CXlsxReader::Read(const std::string& path, CWorkbookData& workbook)
{
    m_strError.clear();
    int error = 0;
    std::unique_ptr<zip_t, ZipCloser> zip(zip_open(NativePath(path).c_str(), ZIP_RDONLY, &error));
    if (!zip) {
        m_strError = "It is not a workbook (no zip package).";
        return false;
    }
    std::string workbookXml, relsXml, stylesXml, sharedXml;
    if (!ReadPart(zip.get(), "xl/workbook.xml", workbookXml) ||
        !ReadPart(zip.get(), "xl/_rels/workbook.xml.rels", relsXml)) {
        m_strError = "It is not a workbook (no workbook part).";
        return false;
    }
    ReadPart(zip.get(), "xl/styles.xml", stylesXml);
    ReadPart(zip.get(), "xl/sharedStrings.xml", sharedXml);
    const std::vector<int> styles = ReadStyles(stylesXml, workbook.m_Styles);
    const std::vector<std::string> shared = ReadSharedStrings(sharedXml);
    const std::map<std::string, std::string> targets = ReadRelationships(relsXml);

    pugi::xml_document doc;
    if (!ParseXml(workbookXml, doc)) {
        m_strError = "The workbook part cannot be read.";
        return false;
    }
    for (pugi::xml_node entry : Children(Child(doc.document_element(), "sheets"), "sheet")) {
        auto target = targets.find(Attribute(entry, "id").value());
        std::string bytes;
        pugi::xml_document sheetDoc;
        if (target == targets.end() || !ReadPart(zip.get(), target->second, bytes) || !ParseXml(bytes, sheetDoc)) {
            m_strError = std::string("The worksheet \"") + Attribute(entry, "name").value() + "\" cannot be read.";
            return false;
        }
        ReadSheet(sheetDoc.document_element(), shared, styles, workbook.AddSheet(Attribute(entry, "name").value()));
    }
    return true;
}
