#include "spreadsheet/DeviceInfoText.h"

#include "document/TessaronDoc.h"
#include "platform/NumberText.h"

namespace {

const char kContinuation[] = "   ";

// A meshing text of one character says nothing worth a line.
bool IsWorthALine(const std::string& text) { return text.size() > 1; }

} // namespace

CDeviceInfoText::CDeviceInfoText(CTessaronDoc& doc) : CDeviceSheetBase(&doc.GetMacroList()), m_doc(doc) {}

void CDeviceInfoText::SetPosition(float x, float y)
{
    m_x = x;
    m_y = y;
}

void CDeviceInfoText::GetDoping(const CLayerRec& layer, std::string& type, float& concentration)
{
    type = layer.m_Doping.m_strKind;
    concentration = layer.m_Doping.m_fValue;
}

bool CDeviceInfoText::BuildLines(int zseg, int column, int row, std::vector<std::string>& lines) const
{
    lines.clear();
    if (zseg < 0 || zseg >= int(m_doc.m_ZSegments.size()) || !m_doc.m_ZSegments[zseg].HasLayer(column, row))
        return false;
    const CColumnRec& columnRec = m_doc.m_ZSegments[zseg].GetColumn(column);
    for (const std::string& line : RawLines(columnRec, columnRec.GetLayer(row), column, row)) {
        const std::vector<std::string> pieces = SplitLongText(line);
        lines.insert(lines.end(), pieces.begin(), pieces.end());
    }
    while (int(lines.size()) < kMinLines)
        lines.push_back(kContinuation);
    return true;
}

std::vector<std::string> CDeviceInfoText::RawLines(const CColumnRec& column, const CLayerRec& layer,
                                                   int columnIndex, int row) const
{
    std::vector<std::string> lines;
    const float columnWidth = column.GetLayer(0).m_fLowerWidth;
    lines.push_back(StrFormat("Column No.: %d", columnIndex + 1));
    lines.push_back(StrFormat("Column width: %.2f", double(columnWidth)));
    const std::string columnMesh = FormatColumnMesh(column);
    if (IsWorthALine(columnMesh))
        lines.push_back("Column mesh: " + columnMesh);
    lines.push_back(FormatTopContacts(column));
    lines.push_back(FormatBottomContacts(column));
    lines.push_back("     ");

    lines.push_back(StrFormat("Layer No.: %d", row + 1));
    lines.push_back("Thickness:" + FormatWidthList(columnWidth, layer));
    const std::string bulk = FormatBulkMacro(layer);
    lines.push_back("Bulk_macro: " + (IsEmptyText(bulk) ? std::string("void") : bulk));
    const std::string active = FormatActiveMacro(layer);
    if (!active.empty())
        lines.push_back((layer.m_Grating->m_nPresent ? "Mild Active_macro: " : "Active_macro: ") + active);
    std::string dopingType;
    float concentration = 0.0f;
    GetDoping(layer, dopingType, concentration);
    if (dopingType == "n" || dopingType == "p")
        lines.push_back(StrFormat("Doping: %s,%e", dopingType.c_str(), double(concentration)));
    const std::string layerMesh = FormatLayerMesh(layer);
    if (IsWorthALine(layerMesh))
        lines.push_back("Layer mesh: " + layerMesh);
    lines.push_back("        ");
    lines.push_back(StrFormat("Coordinate: (%.3f, %.3f)", double(m_x), double(m_y)));
    return lines;
}

std::vector<std::string> CDeviceInfoText::SplitLongText(const std::string& text)
{
    std::vector<std::string> pieces;
    std::string line;
    for (char c : text) {
        if (int(line.size()) == kLineWidth) {
            const std::size_t cut = line.find_last_of(",;");
            if (cut == std::string::npos) {
                pieces.push_back(line);
                line.clear();
            } else {
                pieces.push_back(line.substr(0, cut + 1));
                line = kContinuation + line.substr(cut + 1);
            }
        }
        line += c;
    }
    pieces.push_back(line);
    return pieces;
}
