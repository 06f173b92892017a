#pragma once
// The commands of the model-based series behind the document: the width series collects its
// variables in the series table; the composition series asks for one macro parameter's range and
// runs at once. Both run on the document and give it back as they found it.

#include "document/ModelSeriesHandler.h"

#include <string>

class CSeriesVariable;
class IModelSeriesWindows;

class CModelSeriesCommands : public IModelSeriesHandler {
public:
    // Series name suffixes by kind: 0 height, 1 width, 2 bulk macro, 3 active macro.
    static const char* const kKindSuffixes[4];

    explicit CModelSeriesCommands(IModelSeriesWindows& windows) : m_windows(windows) {}

    void OnSeriColumnWidth(CTessaronDoc& doc) override;
    void OnSeriCompos(CTessaronDoc& doc, bool active) override;

    // Adds the variable to the series table after the user set its range: refused with a message
    // while the document has unsaved changes, silently when the table does not admit it.
    void AddSeriesVariable(CTessaronDoc& doc, CSeriesVariable variable);
    // The item dialog on the variable's range; false when cancelled.
    bool EditSeriesVariable(CSeriesVariable& variable);
    // The composition series of kind 2 (bulk) or 3 (active) over variable row + 1 of the selected
    // layer's macro; false when nothing was generated.
    bool AddCompositionSeries(CTessaronDoc& doc, int kind, int row, double from, double to, double step);
    // The series name: the root file's title, the kind and the parameter ("dev-Bulk-var2-").
    static std::string CompositionSeriesName(const std::string& root, int kind, int row);

private:
    IModelSeriesWindows& m_windows;
};
