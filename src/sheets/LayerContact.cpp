#include "sheets/LayerContact.h"

#include "model/ProcessState.h"
#include "platform/AppServices.h"
#include "platform/NumberText.h"
#include "platform/UserPrompts.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

const int kGridWidth = 410;
const int kRowPadding = 5;
const unsigned kCellBack = GridRgb(255, 255, 240);

const char* const k3dHeadings[] = {"Num", "Side", "From", "To", "Type", "Link Prev Seg", "Barrier", "Work_function"};
const char* const kBuilderHeadings[] = {"Num", "Side", "From", "To", "Type", "Barrier", "Work_function"};

bool Is3d() { return AppServices().Is3dMode(); }

const char* Heading(int col) { return Is3d() ? k3dHeadings[col] : kBuilderHeadings[col]; }

bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

// The whole text is one decimal number, blanks around it allowed.
bool ReadWholeNumber(const std::string& text, double& value)
{
    std::size_t start = 0;
    while (start < text.size() && IsBlankChar(text[start]))
        ++start;
    std::size_t used = 0;
    value = StrToD(text.c_str() + start, &used);
    if (used == 0)
        return false;
    std::size_t end = start + used;
    while (end < text.size() && IsBlankChar(text[end]))
        ++end;
    return end == text.size();
}

bool ReadWholeInteger(const std::string& text, int& value)
{
    double number = 0.0;
    if (!ReadWholeNumber(text, number) || number != std::floor(number) || std::fabs(number) > 2147483647.0)
        return false;
    for (char c : text)
        if (c == '.' || c == 'e' || c == 'E')
            return false;
    value = static_cast<int>(number);
    return true;
}

// The shortest plain text that reads back as the value (as a float when `single`), so that a
// value shown and not changed is the same value when it is read again.
std::string ShortestText(double value, bool single)
{
    const auto readsBack = [&](const std::string& text) {
        const double back = StrToD(text);
        return single ? static_cast<float>(back) == static_cast<float>(value) : back == value;
    };
    for (int digits = 0; digits <= 20; ++digits) {
        const std::string text = StrFormat("%.*f", digits, value);
        if (readsBack(text))
            return text;
    }
    for (int digits = 1; digits <= 17; ++digits) {
        const std::string text = StrFormat("%.*g", digits, value);
        if (readsBack(text))
            return text;
    }
    return StrFormat("%.17g", value);
}

bool IsGiven(double value) { return UnsetDistance(value) >= 0.01; }

// At most one of barrier and work function is given: an ohmic contact has neither, any other
// keeps its barrier when it has one and then loses its work function.
void KeepOneValue(CContactRec& contact)
{
    if (contact.m_strType == "ohmic") {
        contact.m_dBarrier = kUnsetValue;
        contact.m_dWorkFunction = kUnsetValue;
    } else if (IsGiven(contact.m_dBarrier)) {
        contact.m_dWorkFunction = kUnsetValue;
    } else {
        contact.m_dBarrier = kUnsetValue;
    }
}

CContactRec ValuesOf(const CContactRange& range)
{
    CContactRec values;
    values.m_fFrom = range.m_fFrom;
    values.m_fTo = range.m_fTo;
    values.m_nLink = range.m_nLink;
    values.m_nContactNum = range.m_nContactNum;
    values.m_strType = range.m_strType;
    values.m_dWorkFunction = range.m_dWorkFunction;
    values.m_dBarrier = range.m_dBarrier;
    return values;
}

template <class Range>
Range RangeOf(const CContactRec& values)
{
    Range range;
    range.m_fFrom = values.m_fFrom;
    range.m_fTo = values.m_fTo;
    range.m_nLink = values.m_nLink;
    range.m_nContactNum = values.m_nContactNum;
    range.m_strType = values.m_strType;
    range.m_dWorkFunction = values.m_dWorkFunction;
    range.m_dBarrier = values.m_dBarrier;
    return range;
}

template <class Contact>
void ShareInto(Contact& contact, const CContactRec& from)
{
    if (contact.m_nContactNum != from.m_nContactNum)
        return;
    contact.m_strType = from.m_strType;
    contact.m_dBarrier = from.m_dBarrier;
    contact.m_dWorkFunction = from.m_dWorkFunction;
}

bool ValuesDiffer(double a, double b) { return std::fabs(a - b) > 0.01; }

template <class Contact>
bool ParamsDiffer(const Contact& a, const Contact& b)
{
    return a.m_strType != b.m_strType || ValuesDiffer(a.m_dBarrier, b.m_dBarrier) ||
           ValuesDiffer(a.m_dWorkFunction, b.m_dWorkFunction);
}

template <class Contact>
bool ListsDiffer(const std::vector<Contact>& a, const std::vector<Contact>& b)
{
    if (a.size() != b.size())
        return true;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ParamsDiffer(a[i], b[i]))
            return true;
    return false;
}

const std::vector<CContactRec>* ContactsOfLayer(const std::vector<CContactList>& groups, int layer)
{
    for (const CContactList& group : groups)
        if (group.m_nRow == layer)
            return &group.m_Contacts;
    return nullptr;
}

}  // namespace

const char CLayerContact::kIncompleteRow[] = "Please input all contact info. at line %d\n";
const char CLayerContact::kNotANumber[] = "The %s value \"%s\" at line %d is not a number.";
const char CLayerContact::kTooManyRanges[] = "A column holds at most %d %s contacts: line %d is one too many.";

CLayerContact::CLayerContact() : m_column(g_EditColumn.m_Contacts) {}

int CLayerContact::ColumnCount() { return Is3d() ? 8 : 7; }
int CLayerContact::LinkColumn() { return Is3d() ? 5 : -1; }
int CLayerContact::BarrierColumn() { return Is3d() ? 6 : 5; }
int CLayerContact::WorkFunctionColumn() { return Is3d() ? 7 : 6; }

void CLayerContact::SetSideContacts(const std::vector<CContactList>& groups, int layer)
{
    m_origSideContacts = groups;
    m_nSideLayer = layer;
    m_sideContacts = groups;
}

void CLayerContact::SetTargetPlace(int zseg, int column)
{
    m_nZSeg = zseg;
    m_nTargetColumn = column;
}

void CLayerContact::OnInitDialog()
{
    BuildGrid();
    FillGrid();
}

// ---------------------------------------------------------------------------------------------
// Building and filling

void CLayerContact::BuildGrid()
{
    m_grid.SetCellOptions(SIDE, {"bottom", "top", "left", "right", "null"});
    m_grid.SetCellOptions(TYPE, {"ohmic", "schottky"});
    if (Is3d())
        m_grid.SetCellOptions(LinkColumn(), {"TRUE", "FALSE"});
    m_grid.m_bEditEnabled = true;
    m_grid.m_bDragDropEnabled = true;
    m_grid.m_crCellBack = kCellBack;

    const int columns = ColumnCount();
    m_grid.SetRowCount(1 + kMinDataRows);
    m_grid.SetColumnCount(columns);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(0);
    for (int r = 0; r < m_grid.GetRowCount(); ++r) {
        for (int c = 0; c < columns; ++c) {
            GRID_ITEM item;
            item.row = r;
            item.col = c;
            item.mask = GVIF_TEXT | GVIF_FORMAT;
            item.nFormat = DT_WORDBREAK;
            item.szText = r == 0 ? Heading(c) : "";
            m_grid.SetItem(item);
        }
    }
    m_grid.AutoSize();
    SizeDataRows();
    const int width = kGridWidth / (columns - 2) - 12;
    for (int c = 1; c <= 6; ++c)
        m_grid.SetColumnWidth(c, width);
    m_grid.ResetScrollBars();
}

void CLayerContact::SizeDataRows()
{
    const int height = m_grid.GetRowHeight(0) + kRowPadding;
    for (int r = 1; r < m_grid.GetRowCount(); ++r)
        m_grid.SetRowHeight(r, height);
}

void CLayerContact::FillGrid()
{
    m_column = g_EditColumn.m_Contacts;
    int contacts = m_column.GetBottomCount() + m_column.GetTopCount();
    for (const CContactList& group : m_sideContacts)
        if (group.m_nRow == m_nSideLayer)
            contacts += group.GetCount();

    // One row per contact, never fewer than the page's eight.
    const int dataRows = std::max(kMinDataRows, contacts);
    if (m_grid.GetRowCount() != dataRows + 1) {
        const int before = m_grid.GetRowCount();
        m_grid.SetRowCount(dataRows + 1);
        for (int r = before; r < m_grid.GetRowCount(); ++r)
            for (int c = 0; c < m_grid.GetColumnCount(); ++c) {
                GRID_ITEM item;
                item.row = r;
                item.col = c;
                item.mask = GVIF_FORMAT;
                item.nFormat = DT_WORDBREAK;
                m_grid.SetItem(item);
            }
        SizeDataRows();
        m_grid.ResetScrollBars();
    }
    m_rows.assign(static_cast<std::size_t>(dataRows), Row());

    int row = 1;
    row += FillRangeRows(row, true);
    row += FillRangeRows(row, false);
    row += FillSideRows(row);
    m_nFilledRows = row - 1;
    for (; row <= dataRows; ++row)
        ClearRow(row);
    if (IGridWindow* window = m_grid.GetWindow())
        window->InvalidateAll();
}

int CLayerContact::FillRangeRows(int firstRow, bool bottom)
{
    const int count = bottom ? m_column.GetBottomCount() : m_column.GetTopCount();
    CSeriesTarget place;
    place.m_nZSeg = m_nZSeg;
    place.m_nOwner = m_nTargetColumn;
    place.m_strKeyword = bottom ? "bottom_contact" : "top_contact";
    for (int i = 0; i < count; ++i) {
        Row& row = m_rows[static_cast<std::size_t>(firstRow + i - 1)];
        row.source = bottom ? Source::Bottom : Source::Top;
        row.range = bottom ? static_cast<const CContactRange&>(m_column.Bottom(i))
                           : static_cast<const CContactRange&>(m_column.Top(i));
        const CContactRec values = ValuesOf(row.range);
        FillRow(firstRow + i, row, values, bottom ? "bottom" : "top");
        place.m_nContact = i;
        MarkRow(firstRow + i, place, values);
    }
    return count;
}

int CLayerContact::FillSideRows(int firstRow)
{
    // Each side's contacts are numbered in the order the file writer writes them: the layer's
    // groups in turn, each group's contacts in turn.
    int written = 0;
    int placeOfSide[2] = {0, 0};
    for (const CContactList& group : m_sideContacts) {
        if (group.m_nRow != m_nSideLayer)
            continue;
        for (const CContactRec& contact : group.m_Contacts) {
            const int gridRow = firstRow + written++;
            Row& row = m_rows[static_cast<std::size_t>(gridRow - 1)];
            row.source = Source::Side;
            row.side = contact;
            const bool left = contact.m_nSide == 0;
            FillRow(gridRow, row, contact, left ? "left" : "right");
            CSeriesTarget place;
            place.m_nZSeg = m_nZSeg;
            place.m_nOwner = m_nSideLayer;
            place.m_nContact = placeOfSide[left ? 0 : 1]++;
            place.m_strKeyword = left ? "left_contact" : "right_contact";
            MarkRow(gridRow, place, contact);
        }
    }
    return written;
}

void CLayerContact::FillRow(int gridRow, Row& row, const CContactRec& values, const char* sideText)
{
    std::vector<std::string> texts(static_cast<std::size_t>(ColumnCount()));
    texts[NUM] = StrFormat("%d", values.m_nContactNum);
    texts[SIDE] = sideText;
    texts[FROM] = ShortestText(values.m_fFrom, true);
    texts[TO] = ShortestText(values.m_fTo, true);
    texts[TYPE] = values.m_strType.empty() ? "ohmic" : values.m_strType;
    if (LinkColumn() >= 0)
        texts[static_cast<std::size_t>(LinkColumn())] = values.m_nLink ? "TRUE" : "FALSE";
    texts[static_cast<std::size_t>(BarrierColumn())] = ShortestText(values.m_dBarrier, false);
    texts[static_cast<std::size_t>(WorkFunctionColumn())] = ShortestText(values.m_dWorkFunction, false);
    for (int c = 0; c < ColumnCount(); ++c)
        m_grid.SetItemText(gridRow, c, texts[static_cast<std::size_t>(c)]);
    row.shown = std::move(texts);
}

void CLayerContact::MarkRow(int gridRow, const CSeriesTarget& place, const CContactRec& values)
{
    for (int c = 0; c < ColumnCount(); ++c)
        m_grid.SetItemAttributes(gridRow, c, CSeriesTarget());
    const struct {
        int col;
        double value;
    } cells[] = {{FROM, values.m_fFrom},
                 {TO, values.m_fTo},
                 {BarrierColumn(), values.m_dBarrier},
                 {WorkFunctionColumn(), values.m_dWorkFunction}};
    for (int kind = 0; kind < 4; ++kind) {
        CSeriesTarget target = place;
        target.m_nValueKind = kind;
        target.m_dValue = static_cast<double>(static_cast<float>(cells[kind].value));
        m_grid.SetItemAttributes(gridRow, cells[kind].col, target);
    }
}

void CLayerContact::ClearRow(int gridRow)
{
    for (int c = 0; c < ColumnCount(); ++c) {
        m_grid.SetItemText(gridRow, c, std::string());
        m_grid.SetItemAttributes(gridRow, c, CSeriesTarget());
    }
    Row& row = m_rows[static_cast<std::size_t>(gridRow - 1)];
    row = Row();
    row.shown.assign(static_cast<std::size_t>(ColumnCount()), std::string());
}

std::vector<std::string> CLayerContact::RowTexts(int gridRow) const
{
    std::vector<std::string> texts(static_cast<std::size_t>(ColumnCount()));
    for (int c = 0; c < ColumnCount(); ++c)
        texts[static_cast<std::size_t>(c)] = m_grid.GetItemText(gridRow, c);
    return texts;
}

bool CLayerContact::IsGridAsFilled() const
{
    int sourced = 0;
    for (int r = 1; r <= static_cast<int>(m_rows.size()); ++r) {
        const Row& row = m_rows[static_cast<std::size_t>(r - 1)];
        if (row.source != Source::None)
            ++sourced;
        if (RowTexts(r) != row.shown)
            return false;
    }
    return sourced == m_nFilledRows;
}

// ---------------------------------------------------------------------------------------------
// Editing

void CLayerContact::OnRemove()
{
    const CCellId focus = m_grid.GetFocusCell();
    if (focus.row < 1 || focus.col < 0 || focus.row > static_cast<int>(m_rows.size()))
        return;
    m_grid.DeleteRow(focus.row);
    m_rows.erase(m_rows.begin() + (focus.row - 1));
    const int added = m_grid.InsertRow(std::string(), -1);
    for (int c = 0; c < m_grid.GetColumnCount(); ++c) {
        GRID_ITEM item;
        item.row = added;
        item.col = c;
        item.mask = GVIF_FORMAT;
        item.nFormat = DT_WORDBREAK;
        m_grid.SetItem(item);
    }
    m_rows.emplace_back();
    m_rows.back().shown.assign(static_cast<std::size_t>(ColumnCount()), std::string());
    SizeDataRows();
    if (IGridWindow* window = m_grid.GetWindow())
        window->InvalidateAll();
}

void CLayerContact::OnRemoveAll()
{
    // An emptied cell no longer offers its old value for a series.
    for (int r = 1; r < m_grid.GetRowCount(); ++r)
        for (int c = 0; c < m_grid.GetColumnCount(); ++c) {
            m_grid.SetItemText(r, c, std::string());
            m_grid.SetItemAttributes(r, c, CSeriesTarget());
        }
    if (IGridWindow* window = m_grid.GetWindow())
        window->InvalidateAll();
}

// ---------------------------------------------------------------------------------------------
// Leaving the page: the conversion

bool CLayerContact::OnKillActive()
{
    std::vector<Entry> entries;
    if (!ReadEntries(entries) || !CheckRangeCounts(entries))
        return false;
    if (IsGridAsFilled())
        return true;
    StoreRanges(entries);
    // Both checks see what this conversion stores.
    StoreSideRows(entries);
    if ((ColumnContactsChanged() || SideContactsChanged()) && m_onContactsChanged)
        m_onContactsChanged();
    ShareContactParams(entries);
    FillGrid();
    return true;
}

bool CLayerContact::ReadEntries(std::vector<Entry>& entries) const
{
    // Every incomplete row is named before anything is read; a blank row is no contact.
    bool complete = true;
    for (int r = 1; r <= static_cast<int>(m_rows.size()); ++r) {
        const std::vector<std::string> texts = RowTexts(r);
        const bool blank = std::all_of(texts.begin(), texts.end(), [](const std::string& t) { return t.empty(); });
        const bool filled = std::none_of(texts.begin(), texts.begin() + TYPE + 1,
                                         [](const std::string& t) { return t.empty(); });
        if (!blank && !filled) {
            AfxMessageBox(StrFormat(kIncompleteRow, r), MB_OK);
            complete = false;
        }
    }
    if (!complete)
        return false;
    for (int r = 1; r <= static_cast<int>(m_rows.size()); ++r) {
        if (m_grid.GetItemText(r, NUM).empty())
            continue;
        Entry entry;
        if (!ReadEntry(r, entry))
            return false;
        entries.push_back(entry);
    }
    return true;
}

bool CLayerContact::ReadEntry(int gridRow, Entry& entry) const
{
    const Row& row = m_rows[static_cast<std::size_t>(gridRow - 1)];
    const std::vector<std::string> texts = RowTexts(gridRow);
    // A cell showing what the fill wrote keeps its record's own value.
    const auto same = [&](int col) {
        const std::size_t c = static_cast<std::size_t>(col);
        return col >= 0 && row.source != Source::None && texts[c] == row.shown[c];
    };
    const auto fail = [&](int col) {
        AfxMessageBox(StrFormat(kNotANumber, Heading(col), texts[static_cast<std::size_t>(col)].c_str(), gridRow),
                      MB_OK);
        return false;
    };

    // A new row starts from a new contact; a filled one from the record it showed.
    CContactRec values;
    if (row.source == Source::Side)
        values = row.side;
    else if (row.source != Source::None)
        values = ValuesOf(row.range);

    entry.line = gridRow;
    entry.sideText = texts[SIDE];
    entry.edited = row.source == Source::None;
    for (int c = 0; c < ColumnCount(); ++c)
        if (!same(c))
            entry.edited = true;

    if (!same(NUM) && !ReadWholeInteger(texts[NUM], values.m_nContactNum))
        return fail(NUM);
    if (!same(SIDE) || row.source != Source::Side)
        values.m_nSide = entry.sideText == "left" ? 0 : 1;
    for (int col : {FROM, TO}) {
        if (same(col))
            continue;
        double number = 0.0;
        if (!ReadWholeNumber(texts[static_cast<std::size_t>(col)], number))
            return fail(col);
        (col == FROM ? values.m_fFrom : values.m_fTo) = static_cast<float>(number);
    }
    if (!same(TYPE))
        values.m_strType = texts[TYPE];
    if (LinkColumn() >= 0 && !same(LinkColumn()))
        values.m_nLink = texts[static_cast<std::size_t>(LinkColumn())] == "TRUE" ? 1 : 0;
    for (int col : {BarrierColumn(), WorkFunctionColumn()}) {
        if (same(col))
            continue;
        const std::string& text = texts[static_cast<std::size_t>(col)];
        double number = kUnsetValue;
        if (!text.empty() && !ReadWholeNumber(text, number))
            return fail(col);
        (col == BarrierColumn() ? values.m_dBarrier : values.m_dWorkFunction) = number;
    }
    if (entry.edited)
        KeepOneValue(values);
    entry.values = values;
    return true;
}

bool CLayerContact::CheckRangeCounts(const std::vector<Entry>& entries) const
{
    // The column holds eight ranges of each kind.
    for (const char* side : {"bottom", "top"}) {
        int count = 0;
        for (const Entry& entry : entries) {
            if (entry.sideText != side || ++count <= CColumnContacts::kMaxRanges)
                continue;
            AfxMessageBox(StrFormat(kTooManyRanges, CColumnContacts::kMaxRanges, side, entry.line), MB_OK);
            return false;
        }
    }
    return true;
}

void CLayerContact::StoreRanges(const std::vector<Entry>& entries)
{
    CColumnContacts& contacts = g_EditColumn.m_Contacts;
    contacts.Clear();
    for (const Entry& entry : entries) {
        if (entry.sideText == "bottom")
            contacts.AddBottom(RangeOf<CBottomContact>(entry.values));
        else if (entry.sideText == "top")
            contacts.AddTop(RangeOf<CTopContact>(entry.values));
    }
}

void CLayerContact::StoreSideRows(const std::vector<Entry>& entries)
{
    CContactList list;
    list.m_nRow = m_nSideLayer;
    for (const Entry& entry : entries)
        if (entry.sideText == "left" || entry.sideText == "right")
            list.m_Contacts.push_back(entry.values);

    // The grid showed the contacts of every group of the layer: the first group takes them all,
    // and the layer's later groups go, so no contact is kept twice.
    bool stored = false;
    for (auto group = m_sideContacts.begin(); group != m_sideContacts.end();) {
        if (group->m_nRow != m_nSideLayer) {
            ++group;
        } else if (!stored) {
            group->m_Contacts = list.m_Contacts;
            stored = true;
            ++group;
        } else {
            group = m_sideContacts.erase(group);
        }
    }
    if (!stored)
        m_sideContacts.push_back(list);
}

void CLayerContact::ShareContactParams(const std::vector<Entry>& entries)
{
    // Taken from the last row up, so the topmost row with a number decides for all its contacts.
    CColumnContacts& contacts = g_EditColumn.m_Contacts;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        for (int i = 0; i < contacts.GetBottomCount(); ++i)
            ShareInto(contacts.Bottom(i), entry->values);
        for (int i = 0; i < contacts.GetTopCount(); ++i)
            ShareInto(contacts.Top(i), entry->values);
        for (CContactList& group : m_sideContacts)
            for (CContactRec& contact : group.m_Contacts)
                ShareInto(contact, entry->values);
    }
}

bool CLayerContact::ColumnContactsChanged() const
{
    const CColumnContacts& now = g_EditColumn.m_Contacts;
    return ListsDiffer(m_column.GetBottoms(), now.GetBottoms()) || ListsDiffer(m_column.GetTops(), now.GetTops());
}

bool CLayerContact::SideContactsChanged() const
{
    static const std::vector<CContactRec> none;
    const std::vector<CContactRec>* now = ContactsOfLayer(m_sideContacts, m_nSideLayer);
    const std::vector<CContactRec>* before = ContactsOfLayer(m_origSideContacts, m_nSideLayer);
    return ListsDiffer(now ? *now : none, before ? *before : none);
}
