#pragma once
// The "Contact" page (dialog 221) without its window: one grid with the bottom and top contact
// ranges of the edited column (g_EditColumn) and the side contacts of the selected layer, edited
// in place, and the conversion of the grid's rows back into those records when the page is left.
//
// The grid has a heading row and one data row per contact, at least eight. Its columns are Num,
// Side, From, To, Type, then in the 3-D editor "Link Prev Seg", Barrier, Work_function, and in the
// layer builder Barrier, Work_function. Every row remembers the record it was filled from and the
// texts it showed, so a cell the user did not change gives back the record's own value (no number
// is rebuilt from its text) and fields the grid does not show stay with their contact, also when
// rows move up after Remove. A page left without any change hands back exactly what it was given.
//
// The conversion checks the whole grid before it stores anything: an incomplete row, a cell that
// is not wholly a number and a ninth bottom or top range are each reported with a message and keep
// the user on the page. Otherwise the ranges go into g_EditColumn, the selected layer's side
// contacts into the working groups (m_sideContacts, which the sheet takes on OK), contacts with one
// number share the type, barrier and work function of the topmost row that carries it, and the
// owner learns when the contacts' count, type, barrier or work function changed.
//
// Every value cell (From, To, Barrier, Work_function) of a filled row carries the series target of
// its value in the saved ".layer" file: a range by the column and its place among the column's
// ranges of its kind, a side contact by its layer row and its place among that row's contacts of
// its side, in the order the file writer writes them.

#include "model/ColumnContacts.h"
#include "model/ContactRec.h"
#include "sheets/GridCtrl.h"
#include "sheets/SheetPage.h"

#include <functional>
#include <string>
#include <vector>

class CLayerContact : public CSheetPage {
public:
    enum : int {
        IDD = 221,
        IDC_GRID = 100,
        IDC_REMOVE = 1262,
        IDC_REMOVE_ALL = 1263,
    };
    // Columns both modes share; the rest follow from the mode (LinkColumn, BarrierColumn, ...).
    enum Column { NUM = 0, SIDE = 1, FROM = 2, TO = 3, TYPE = 4 };
    static constexpr int kMinDataRows = 8;
    // Where the window puts the grid, in page client pixels.
    static constexpr int kGridLeft = 10, kGridTop = 25, kGridRight = 420, kGridBottom = 300;

    static const char kIncompleteRow[];   // "Please input all contact info. at line %d\n"
    static const char kNotANumber[];      // "The %s value \"%s\" at line %d is not a number."
    static const char kTooManyRanges[];   // "A column holds at most %d %s contacts: line %d is one too many."

    CLayerContact();

    // The sheet hands over the current z-segment's side-contact groups and the layer row whose
    // contacts the grid shows.
    void SetSideContacts(const std::vector<CContactList>& groups, int layer);
    // Where the shown contacts stand: the z-segment (from 0) and the selected column (-1 none).
    void SetTargetPlace(int zseg, int column);
    // Called when a conversion found changed contacts (the document's contact-update mark then
    // becomes 1).
    void SetContactsChanged(std::function<void()> onChanged) { m_onContactsChanged = std::move(onChanged); }

    // The page window exists (its grid window attached): builds and fills the grid.
    void OnInitDialog();
    // Refills the grid from g_EditColumn and m_sideContacts, one row per contact.
    void FillGrid();
    // The page is left (another page chosen, or OK): converts the rows. False, after its message,
    // when the grid holds something that cannot be stored; then nothing has changed.
    bool OnKillActive();
    // "Remove": deletes the focus cell's row (an empty row takes its place at the end).
    void OnRemove();
    // "Remove all": empties every data row.
    void OnRemoveAll();

    CGridCtrl& Grid() { return m_grid; }
    const CGridCtrl& Grid() const { return m_grid; }
    // The grid's column count and the columns of the mode's optional values (-1 none).
    static int ColumnCount();
    static int LinkColumn();
    static int BarrierColumn();
    static int WorkFunctionColumn();

    // Snapshot of the edited column's ranges as the grid was last filled; the change check
    // compares with it.
    CColumnContacts m_column;
    int m_nSideLayer = -1;
    std::vector<CContactList> m_origSideContacts;
    std::vector<CContactList> m_sideContacts;

private:
    enum class Source { None, Bottom, Top, Side };
    // A data row: the record it was filled from and the texts the fill wrote.
    struct Row {
        Source source = Source::None;
        CContactRange range;
        CContactRec side;
        std::vector<std::string> shown;
    };
    // A complete row read back.
    struct Entry {
        int line = 0;           // grid row
        std::string sideText;
        CContactRec values;     // number, side, extent, type, link and the two values
        bool edited = false;    // a cell differs from what the fill showed, or the row is new
    };

    void BuildGrid();
    void SizeDataRows();
    int FillRangeRows(int firstRow, bool bottom);
    int FillSideRows(int firstRow);
    void FillRow(int gridRow, Row& row, const CContactRec& values, const char* sideText);
    void MarkRow(int gridRow, const CSeriesTarget& place, const CContactRec& values);
    void ClearRow(int gridRow);
    std::vector<std::string> RowTexts(int gridRow) const;
    bool IsGridAsFilled() const;

    bool ReadEntries(std::vector<Entry>& entries) const;
    bool ReadEntry(int gridRow, Entry& entry) const;
    bool CheckRangeCounts(const std::vector<Entry>& entries) const;
    void StoreRanges(const std::vector<Entry>& entries);
    void StoreSideRows(const std::vector<Entry>& entries);
    void ShareContactParams(const std::vector<Entry>& entries);
    bool ColumnContactsChanged() const;
    bool SideContactsChanged() const;

    CGridCtrl m_grid;
    std::vector<Row> m_rows;   // data row r of the grid is m_rows[r - 1]
    int m_nFilledRows = 0;     // rows the last fill gave a contact
    int m_nZSeg = -1;
    int m_nTargetColumn = -1;
    std::function<void()> m_onContactsChanged;
};
