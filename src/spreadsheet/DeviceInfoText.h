#pragma once
// The lines of the 2-D view's hover box for one layer: its column (number, width, mesh, top and
// bottom contacts), the layer (number, thickness and widths, bulk and active macros, doping, mesh)
// and the position under the cursor in device coordinates. Long lines are cut into pieces of 27
// characters, and the box always has at least 18 lines.

#include "spreadsheet/DeviceSheetBase.h"

#include <string>
#include <vector>

class CTessaronDoc;

class CDeviceInfoText : public CDeviceSheetBase {
public:
    static constexpr int kLineWidth = 27;  // a line is cut when it reaches this many characters
    static constexpr int kMinLines = 18;

    explicit CDeviceInfoText(CTessaronDoc& doc);

    // The device coordinate shown in the last line.
    void SetPosition(float x, float y);
    // The lines for layer (column, row) of z-segment zseg (indices from 0); false and no lines
    // when there is no such layer.
    bool BuildLines(int zseg, int column, int row, std::vector<std::string>& lines) const;
    // The layer's doping type text and concentration.
    static void GetDoping(const CLayerRec& layer, std::string& type, float& concentration);
    // Cuts a line into pieces whenever it has reached kLineWidth characters: after its last ',' or
    // ';' (the rest goes on behind three blanks) or, without one, hard after the 27th character.
    static std::vector<std::string> SplitLongText(const std::string& text);

private:
    // The lines before they are cut.
    std::vector<std::string> RawLines(const CColumnRec& column, const CLayerRec& layer, int columnIndex,
                                      int row) const;

    CTessaronDoc& m_doc;
    float m_x = 0.0f, m_y = 0.0f;
};
