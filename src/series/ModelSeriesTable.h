#pragma once
// The series table ("Series table", dialog 222) without its window: the variables of one
// model-based series, the list that shows them (row i shows variable i), the number of points and
// the series name. "Generate Series" applies point i of every variable to the document, saves the
// changed z-segments into value folder i of a series project and gives the document back as it was.
//
// The list keeps each row's initial and final as numbers; "%g" is only how it shows them, so two
// values that print alike stay apart.

#include "series/SeriesVariable.h"

#include <ctime>
#include <string>
#include <vector>

class CTessaronDoc;

class CModelSeriesTable {
public:
    enum : int {
        IDD = 222,
        IDC_EDIT = 1014,
        IDC_LIST = 1174,
        IDC_VALUE_COUNT = 1175,
        IDC_DELETE = 1177,
        IDC_NAME = 1190,
    };
    static constexpr int kListColumns = 4;
    static const char* const kColumnHeadings[kListColumns];

    struct Row {
        double initial = 0.0;
        double final = 0.0;
    };

    std::vector<CSeriesVariable> m_Variables;
    std::vector<Row> m_Rows;
    int m_nValueCount = 2;
    std::string m_strSeriesName;

    // false: the list shows the variables; true: the variables take the list's ranges, with the
    // step that spreads each over the value count (one point: final and step equal initial).
    void ExchangeItems(bool save);
    // The text of a list cell: name, initial ("%g"), final ("%g") and label.
    std::string GetItemText(int row, int column) const;
    int GetRowCount() const { return static_cast<int>(m_Rows.size()); }

    // Whether the variable may join the table (the families rule and no duplicate).
    bool IsNewSeriesVariable(const CSeriesVariable& variable) const;
    // Appends the variable, shows the list again and names the series after the first variable.
    void AddVariable(const CSeriesVariable& variable, std::time_t now);
    // "Edit": the row's range as the item dialog gave it; the variable follows at generation.
    void SetRowRange(int row, double initial, double final);
    // "Delete": the row and its variable go.
    void DeleteRow(int row);

    // "%s_%g_%g_%s": the variable's name, initial, final and the local time "%m%d%Y_%H%M%S".
    static std::string MakeSeriesName(const CSeriesVariable& variable, std::time_t now);
    void StampSeriesName(std::time_t now);

    // The checks of "Generate Series" on the value count read from its box; false (after the
    // message) when the table stays open.
    bool CheckValueCount() const;
    // "Generate Series" with the value count and the name read from their boxes: false (after the
    // message) when the count is refused and the table stays open; otherwise the variables take
    // the list's ranges, the series is generated when the table holds a variable, and true tells
    // the table to close.
    bool OnOK(CTessaronDoc& doc);
    // The series on the document: false when nothing was generated (no root file, the project
    // refused or the user cancelled, a file could not be written). The document is given back
    // whole in every case.
    bool GenerateSeries(CTessaronDoc& doc);
    // The z-segments the variables change, each once, in the order met.
    std::vector<int> ChangedZsegments() const;
};
