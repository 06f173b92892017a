#pragma once
// The "grating_compos" statements of a ".layer" file: a layer made of two alternating compositions,
// hi and lo, each a bulk and an active macro with up to five variables, with the four thicknesses
// and the grating order.

#include <string>

#include "textfiles/LayerFileContext.h"

class CGratingStatements {
public:
    explicit CGratingStatements(CLayerFileContext& ctx) : m_ctx(ctx) {}

    // Reads every "grating_compos" statement into the layer of the row of the "layer" statement
    // that follows it. A statement after the last "layer" statement shows "Grating_compos is not
    // correct!" and ends the reading. Returns 1.
    int ReadGratingCompos(int n);
    // Puts five values read in file order into the order of the macro's definition, by the
    // statement's symbol parameters.
    void ReadHiLoVarSymbols(const CKeywordLine& line, const std::string& macroName, double values[5],
                            bool bulk, bool hi);
    // True when the layer's composition is complete; the answer goes into its embedded flag.
    bool IsGratingComplete(int n, int column, int row);
    // Appends the layer's "grating_compos" statement when its composition is complete.
    bool WriteGratingCompos(int n, int column, int row);

    static bool IsComplete(const CGratingComposRec& rec);
    // The statement of a complete composition (keyword and parameters).
    CKeywordLine FormatGratingCompos(const CGratingComposRec& rec, int column);

private:
    void AppendVariables(CKeywordLine& line, const std::string& macroName, const double values[5],
                         const char* symbolFormat, const char* valueFormat);
    CLayerFileContext& m_ctx;
};
