#pragma once
// The series list of the series condition dialog without its window: it owns the series' items
// (CSeriesTable), gives the text of every cell of its seven columns, the default series name, and
// writes and reads the definition as a series settings file (".sif").
//
// The settings file is a run of little-endian fields: version 1, the item count, the group count,
// the groups (id, step number) in ascending id, then per item: final and initial value (doubles),
// group id, line, the variable's name (archive text), end and start column, the file's path
// (archive text) and the file's modification time (seconds since 1970; the time of writing when
// the file's status cannot be read).

#include "series/EditBoxSeriesTable.h"

#include <ctime>
#include <string>
#include <vector>

class CArchive;

class CSeriesListCtrl {
public:
    enum : int { IDC_LIST = 8888, kColumnCount = 7 };
    static const char* ColumnHeading(int column);
    static int ColumnWidth(int column);

    CSeriesTable& Table() { return m_Table; }
    const CSeriesTable& Table() const { return m_Table; }

    // Adds the item with the step number of its group; returns the number of items.
    int AddItem(const CSeriesItem& item, int stepNumber);
    // The text of a cell: line, variable, initial, final, step number, group id, file name.
    std::string CellText(int row, int column) const;
    // The default series name: the first item's variable, "_initial_final_" and the local time as
    // "%m%d%Y_%H%M%S"; empty without items.
    std::string FormatItemName(const std::tm& localTime) const;
    std::string FormatItemName() const;

    // Writes the definition into a storing archive.
    void Store(CArchive& archive) const;
    // Reads a definition from a loading archive in place of the items and step numbers. A file of
    // another version, a damaged or short one, or one with a count, text length or step number out
    // of bounds loads nothing: false with the reason in `error`. Items whose file is missing or
    // newer than when the definition was written load with a warning each.
    bool Load(CArchive& archive, std::string& error, std::vector<std::string>& warnings);

    static constexpr int kMaxItems = 100000;
    static constexpr int kMaxTextLength = 32767;

private:
    CSeriesTable m_Table;
};
