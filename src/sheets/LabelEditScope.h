#pragma once
// Which stored labels an accepted layer sheet replaces with the two lists of its label page: the
// column labels of one column and the row labels of one row of the current z-segment. The label
// page checks a new name against its own lists; every other label of the device is checked here,
// and only the labels the OK really overwrites are left out:
//
// - Modify Layer: the selected column's labels, the edited layer's labels and the labels of the
//   other layers of its row that are not empty ("void").
// - New Layer: the selected column's labels and the labels of the row the new layer joins (the row
//   above the selected one) in the other columns; the selected row keeps its labels, and so does
//   the layer of the selected column that moves up over the new one.
// - New Column: the labels of row 0, which the new column's layer joins; no existing column's
//   labels are replaced.

#include <string>

class CTessaronDoc;
struct CLabelLocation;

class CLabelEditScope {
public:
    // What the sheet of edit mode `mode` (1 New Column, 2 New Layer, 3 Modify) replaces in
    // z-segment `zseg` (counted from 0) whose selected column and row are given.
    static CLabelEditScope ForEdit(int mode, int zseg, int column, int row);

    // True when no stored label of any z-segment in use carries `text`, leaving out the labels the
    // sheet replaces. Texts compare exactly (case-sensitive).
    bool IsNameFree(const CTessaronDoc& doc, const std::string& text) const;

    int GetZSeg() const { return m_nZSeg; }
    int GetColumn() const { return m_nColumn; }
    int GetRow() const { return m_nRow; }

private:
    bool Replaces(const CTessaronDoc& doc, const CLabelLocation& where) const;

    int m_nZSeg = -1;
    int m_nColumn = -1;        // whose column labels are replaced; -1 none
    int m_nRow = -1;           // whose row labels are replaced; -1 none
    int m_nEditedColumn = -1;  // the layer of that row in this column is replaced whatever it holds
    int m_nKeptColumn = -1;    // the layer of that row in this column keeps its labels
};
