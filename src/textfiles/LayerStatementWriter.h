#pragma once
// The ".layer" writer: appends the statements of one z-segment, from "begin_layer" to "end_layer",
// to the statement list. This is the one place where the statement sequence of the file is fixed:
//
//   comments, begin_layer, $, rotation,
//   comments, each column with its column_position labels, $,
//   comments, the bottom_contact ranges column by column, $ $,
//   per row: its comments, vcsel_section (once per type), a layer_mater (or contact) statement per
//            column with its new-doping line, grating_compos per column, the row's layer statement,
//            its left/right contacts, its layer_position labels, $,
//   comments, the top_contact ranges, $, comments, end_layer;
//
// then the contact-layer statements are put into their file form.
//
// The statements carry keyword and parameters only (numbers 0, no raw text); the merge with the
// file's old lines gives them their text.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "textfiles/LayerFileContext.h"

class CLayerStatementWriter {
public:
    explicit CLayerStatementWriter(CLayerFileContext& ctx) : m_ctx(ctx) {}

    // Appends the statements of z-segment nZSeg (from 0). Sets the embedded flag of every layer in
    // use that is not a contact layer from its grating's completeness; nothing else of the model
    // changes.
    void WriteLayerStatements(int nZSeg);

    // The "layer_mater" statement of a layer that is not a contact layer.
    CKeywordLine FormatLayerMater(const CLayerRec& layer, int column);

private:
    const CLayerRec& RowLayer(int column, int row) const;
    void PrepareFillers(int row);
    void AppendComments(std::string block);
    // Moves the statements to the end of the list.
    void AppendStatements(std::vector<CKeywordLine>& statements);
    void AppendSeparator();
    void WriteColumns();
    void WriteContactRanges(bool bottom);
    void WriteRow(int row, std::vector<std::string>& writtenTypes);
    // How a row's layer gives its widths in the row's "layer" statement: not at all, by one width
    // ("w<c>"), or by both ("upper_w<c>", "lower_w<c>").
    enum class WidthForm { none, single, trapezoid };
    WidthForm RowWidthForm(int column, int row) const;
    CKeywordLine FormatLayer(int row);
    CKeywordLine FormatColumn(const CColumnRec& column, int k) const;
    std::string LookUpSymbol(const std::string& macroName, int k, const char* message);
    // FileNumber of variable k (from 0) of the bulk macro (active: of the active macro). The
    // columns of a row mostly hold one material, so a variable's text is made once for a run of
    // equal values (equal bit for bit: -0 keeps its own text).
    const std::string& VariableText(bool active, int k, double value);

    CLayerFileContext& m_ctx;
    int m_nZSeg = 0;
    int m_nColumns = 0;
    int m_nRows = 0;            // the largest number of layers in use among the columns
    int m_nReference = 0;       // the first column with that many layers
    int m_nCurrentRow = -1;     // the row being written
    std::vector<CLayerRec> m_fillers;       // per column: the empty layer written in a row it lacks
    std::vector<CLayerRec> m_prevFillers;   // the same for the row below
    std::vector<WidthForm> m_widthForms;    // per column: the widths of the row being written
    struct CNumberText {
        std::uint64_t bits = 0;
        std::string text;  // "" before the first
    };
    std::array<CNumberText, 12> m_variableTexts;  // the last text of each variable, bulk then active
};
