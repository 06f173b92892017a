#pragma once
// The ".layer" reader: builds one z-segment from the statements of a ".layer" text.
//
//   the i-th "column" statement            column i - 1
//   "bottom_contact", "top_contact"        the next range of the column named by "column_num"
//   the (j + 1)-th "layer" statement       row j of every column
//   the n-th "layer_mater" statement       row j, column k, where n = j * C + k + 1
//
// Text that does not fit the records (more than 20 columns, more than 500 rows, more than 8 bottom
// or top contacts for a column) or that is cut off (no "end_layer" after "begin_layer", or fewer
// rows than a column's materials ask for) is refused before anything is changed.

#include <string>
#include <vector>

#include "textfiles/LayerFileContext.h"

class CLayerStatementReader {
public:
    static constexpr int kMaxColumns = 20;
    static constexpr int kMaxRows = 500;
    static constexpr int kMaxContactRanges = 8;

    explicit CLayerStatementReader(CLayerFileContext& ctx) : m_ctx(ctx) {}

    // Builds z-segment nZSeg from the statement list. 1 when built; 0 when the list has no
    // "column" statement or cannot be read (the caller shows "File data error!"); on 0 the
    // z-segment is as it was, but for a column count of 0 when there is no "column" statement.
    int ReadLayerStatements(int nZSeg);
    // True when a row statement gave a layer an upper edge width of its own ("upper_w%d"): the size
    // page then takes both edge widths as edited and the plain width as not (the caller sets the
    // edit block's width flags so; the reader changes nothing outside the records).
    bool HasReadUpperWidth() const { return m_bUpperWidthRead; }

    // True when the statements fit the records and are complete; materials holds the named
    // "layer_mater" statements of each column (CountMacroLinesOfColumns), which the reader needs too.
    static bool IsReadableStructure(const CKeywordLineList& lines, const std::vector<int>& materials);

    // Puts the six variables of a macro, read in file order, into the order of the macro's
    // definition by the statement's symbol parameters ("var_symbol%d" for the bulk macro,
    // "avar_symbol%d" for the active one).
    void ReadVarSymbols(const CKeywordLine& line, const std::string& macroName, double vars[6], bool bulk);

    // True when a "layer_mater" statement names its bulk (or active) macro in the old style:
    // variables without symbols. The reader then looks the macro up under its "_old_style" name.
    static bool ReadsAsOldStyle(const CKeywordLine& statement, bool bulk);

private:
    void ReadColumn(int nZSeg, int k, int layerCount);
    void ReadContactRanges(int nZSeg, int k, bool bottom);
    void ReadLayerMaterial(CLayerRec& layer, int n);
    // The values of a row's "layer" statement that every column's layer of the row takes alike,
    // read once per row rather than once per layer.
    struct RowValues {
        const CKeywordLine* statement = nullptr;
        float height = 0.0f;
        int meshNum = 0;
        float ratio = 0.0f;
        int extraLow = 0;
        int extraHigh = 0;
        const std::string* vcselType = nullptr;  // in the statement
        double shiftCenter = 0.0;
        float gaussianTail = 0.0f;
    };
    static RowValues ReadRowValues(const CKeywordLine& statement);
    void ReadLayerGeometry(CLayerRec& layer, const CColumnRec& column, const CKeywordLine& section,
                           const RowValues& row, int j, int k);
    CCopyOnWrite<CKeywordLine> RowSectionStatement(int row) const;

    CLayerFileContext& m_ctx;
    std::vector<int> m_materLines;  // indexes of the "layer_mater" statements, in order
    std::vector<int> m_layerLines;  // indexes of the "layer" statements, in order
    std::vector<int> m_contactLines[2];  // of the "bottom_contact" and the "top_contact" statements
    std::vector<int> m_columnMaterials;  // named "layer_mater" statements by column index
    bool m_bUpperWidthRead = false;
};
