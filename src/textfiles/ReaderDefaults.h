#pragma once
// What the ".layer" reader takes a parameter to be when a statement does not carry it, for the
// parameters whose absence does not simply read as 0 (the value comparison already takes a
// missing number for 0).
//
// The updater asks it about a parameter that only one of two paired statements carries: when the
// parameter holds the value its absence reads as, it says nothing the other statement does not
// say. So the writer's statement for a row may add "var_symbol2=strain var2=0" to an included row
// written before the macro gained its second variable, and the row is still unchanged.
//
//   "layer"        w<K>, upper_w<K>, lower_w<K>   the width of column K (its "column" statement)
//                  gaussian_tail                  0.001
//   "layer_mater"  macro_name                     "void", in the columns the updater names
//                                                 (AllowUnnamedEmptyLayers)
//                  var_symbol<k>, avar_symbol<k>  the macro's own k-th symbol, which leaves the
//                                                 k-th variable where it stands, as long as the
//                                                 statement keeps its free-style reading
//
// A material statement without a macro name is an empty layer, but not quite the one the writer
// names "void": the reader counts a column's layers in use by its named material statements, so
// a row left unnamed lies beyond them. The writer fills such rows with "void" layers; the old
// unnamed text may stand for them only while the column keeps its named rows first.

#include "statements/KeywordLine.h"
#include "statements/KeywordLineList.h"

#include <map>
#include <set>
#include <string>

class CMacroList;

class CReaderDefaults {
public:
    // Knows no column widths and no macros: the widths and symbols are never taken as defaults.
    CReaderDefaults() = default;
    // The column widths come from the "column" statements of the list the file is about to hold;
    // the symbols from the macro list (none when it is null).
    CReaderDefaults(const CKeywordLineList& fresh, CMacroList* macros);

    // True when the parameter, carried by `holder` and missing from `other` (the statement it is
    // paired with), holds the value the reader gives when it is absent.
    bool ReadsAsAbsent(const CKeywordLine& holder, const CKeywordLine& other, const CKeywordParam& param) const;

    // In these columns ("column_num" values) a material statement without a macro name reads as
    // the writer's "void" one.
    void AllowUnnamedEmptyLayers(const std::set<std::string>& columns) { m_unnamedEmptyColumns = columns; }

    // Everything the answers depend on (the widths, the columns above and the macros' contents),
    // as one text: two defaults with the same fingerprint answer every question alike.
    std::string Fingerprint() const;

private:
    bool IsColumnWidth(const std::string& name, const std::string& value) const;
    bool IsOwnSymbol(const CKeywordLine& holder, const CKeywordLine& other, const CKeywordParam& param,
                     bool bulk) const;

    std::map<std::string, std::string> m_columnWidths;  // "column_num" -> "w", as the fresh list has them
    CMacroList* m_pMacros = nullptr;
    std::set<std::string> m_unnamedEmptyColumns;
};

// Appends everything a merge may ask of the macros (each definition's usage, tokens and parameter
// entries) to text; a null list gives its own mark.
void AppendMacroFingerprint(std::string& text, const CMacroList* macros);
