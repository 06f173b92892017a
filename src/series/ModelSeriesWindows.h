#pragma once
// The windows of the model-based series: the item dialog, the series table (modeless, at most
// one) and the composition dialog. The GUI implements them with wx; tests script them.

#include <string>

class CMacroList;
class CModelSeriesTable;
class CTessaronDoc;

// One run of the "Series Item" dialog: on OK initial and final hold the user's range.
struct SeriesItemRequest {
    double initial = 0.0;
    double current = 0.0;
    double final = 0.0;
    std::string caption;
};

// One run of the "Seri Compos" dialog: the macro with its six variable values; on OK the row
// picked (0 to 5) and its From, To and Step.
struct SeriComposRequest {
    std::string macroName;
    double values[6] = {};
    CMacroList* macros = nullptr;
    int row = 0;
    double from = 0.0;
    double to = 0.0;
    double step = 0.0;
};

class IModelSeriesWindows {
public:
    virtual ~IModelSeriesWindows() = default;
    // Runs the item dialog modally; true on OK.
    virtual bool RunSeriesItemDlg(SeriesItemRequest& request) = 0;
    // The open series table, or nullptr.
    virtual CModelSeriesTable* FindSeriesTable() = 0;
    // Opens the series table for the document when none is open, shows it beside the 2-D view
    // and returns it.
    virtual CModelSeriesTable& ShowSeriesTable(CTessaronDoc& doc) = 0;
    // The table's variables or name changed: its window shows them again.
    virtual void RefreshSeriesTable() = 0;
    // Runs the composition dialog modally; true on OK.
    virtual bool RunSeriComposDlg(SeriComposRequest& request) = 0;
};
