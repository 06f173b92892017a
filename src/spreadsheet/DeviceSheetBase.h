#pragma once
// The texts of device data that the spreadsheet exchange writes into cells and the 2-D view shows
// in its hover box: layer thickness and edge widths, column and layer mesh, top and bottom contact
// ranges, and the bulk and active macros with their values. Each formatter reads a record and
// changes nothing; numbers are written with "%f" in the normal form of TrimNumberText.

#include "spreadsheet/SheetIOBase.h"

#include <string>

class CColumnRec;
class CLayerRec;
class CMacroList;
struct CMeshSettings;

class CDeviceSheetBase : public CSheetIOBase {
public:
    // The macro list gives the number of values each macro has; without one no macro has any.
    explicit CDeviceSheetBase(CMacroList* macros = nullptr) : m_pMacros(macros) {}

    // The layer's thickness and, unless both edge widths are within 0.001 of each other and of
    // the column width, ", lower width, upper width" ("0.5, 2, 3").
    static std::string FormatWidthList(float columnWidth, const CLayerRec& layer,
                                       NumberForm form = NumberForm::fixed);
    // Thickness, and the upper width for a layer whose edges are equal (within 0.001), else its width.
    static void GetLayerWidths(const CLayerRec& layer, float& width, float& thickness);
    // "count,ratio" or "count,ratio,shift" (the shift only from 0.0001 on); "" while the mesh
    // count is unset (0 or less).
    static std::string FormatColumnMesh(const CColumnRec& column, NumberForm form = NumberForm::fixed);
    static std::string FormatLayerMesh(const CLayerRec& layer, NumberForm form = NumberForm::fixed);
    // "Contact Top:" / "Contact Bottom:" followed by "type, from-to" of every range ("%.1f"), run
    // together, or by "void" when the column has none.
    static std::string FormatTopContacts(const CColumnRec& column);
    static std::string FormatBottomContacts(const CColumnRec& column);
    // The macro name (without "_old_style") and ", value" for its values up to the last one that
    // is given; a graded value reads "from-to". "" for an empty ("void") layer.
    std::string FormatBulkMacro(const CLayerRec& layer, NumberForm form = NumberForm::fixed) const;
    // The active macro name and ", value" for each of its values; "" when there is none.
    std::string FormatActiveMacro(const CLayerRec& layer, NumberForm form = NumberForm::fixed) const;

private:
    static std::string FormatMesh(const CMeshSettings& mesh, NumberForm form);
    // The stored form of a macro name ("void macro..." back to "void..."), "" for plain "void".
    static std::string MacroNameOf(std::string name);
    // How many values the named macro has, at most the six a layer holds.
    int ValueCountOf(const std::string& name) const;
    // The name with its "_old_style" suffix (and whatever follows it) cut off.
    static std::string WithoutOldStyle(const std::string& name);

    CMacroList* m_pMacros;
};
