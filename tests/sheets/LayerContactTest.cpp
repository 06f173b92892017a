// The Contact page of the layer property sheet, driven through Modify Layer on a device whose
// edited column has eight bottom and eight top ranges and whose third row has four side contacts:
// what the grid shows, what the user's edits, Remove and Remove all give back, what the page
// refuses and with which message, and which saved value each cell offers to sweep. Every case runs
// in the layer builder and in the 3-D editor.

#include "ContactPageFixture.h"

#include "model/ProcessState.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The grid rows of the fixture's contacts when layer (0, 2) is edited.
const int kFirstTop = 9;
const int kFirstSide = 17;
const int kLastRow = 20;

struct Mode {
    bool threeD;
};

void PrintTo(const Mode& m, std::ostream* os) { *os << (m.threeD ? "3-D editor" : "layer builder"); }

class ContactPage : public ContactPageFixture, public ::testing::WithParamInterface<Mode> {
protected:
    void SetUp() override { Open(FixtureText(), GetParam().threeD); }
    bool ThreeD() const { return GetParam().threeD; }
    static int Barrier() { return CLayerContact::BarrierColumn(); }
    static int WorkFunction() { return CLayerContact::WorkFunctionColumn(); }

    // The row's cells joined by "|".
    static std::string RowText(const CLayerContact& page, int row)
    {
        std::string text;
        for (int c = 0; c < page.Grid().GetColumnCount(); ++c)
            text += (c ? "|" : "") + Cell(page, row, c);
        return text;
    }
    // Modify Layer on the third row of column 1 with `user` acting on the page.
    bool EditThirdRow(const User& user, int okPresses = 1) { return Modify(0, 2, user, true, okPresses); }
};

}  // namespace

TEST_P(ContactPage, ShowsEveryRangeOfTheColumnAndEverySideContactOfTheLayer)
{
    EditThirdRow([&](CGeneral&, CLayerContact& page) {
        ASSERT_EQ(page.Grid().GetRowCount(), kLastRow + 1);
        ASSERT_EQ(page.Grid().GetColumnCount(), ThreeD() ? 8 : 7);
        EXPECT_EQ(page.Grid().GetFixedRowCount(), 1);
        const std::string link = ThreeD() ? "|FALSE" : "";
        const struct {
            int row;
            std::string text;
        } rows[] = {
            {0, ThreeD() ? "Num|Side|From|To|Type|Link Prev Seg|Barrier|Work_function"
                         : "Num|Side|From|To|Type|Barrier|Work_function"},
            {1, "1|bottom|0|0.5|ohmic" + link + "|-9999|-9999"},
            {2, "2|bottom|0.5|1|schottky" + link + "|0.8|-9999"},
            {3, "3|bottom|1|1.5|schottky" + link + "|-9999|4.5"},
            {4, "4|bottom|1.5|2|ohmic" + link + "|-9999|-9999"},   // a range without a type
            {8, "8|bottom|3.5|4|ohmic" + link + "|-9999|-9999"},
            {kFirstTop, "10|top|0|0.5|ohmic" + link + "|-9999|-9999"},
            {kFirstTop + 3, "12|top|1.5|2|schottky" + link + "|0.6|-9999"},
            {16, "16|top|3.5|4|ohmic" + link + "|-9999|-9999"},
            {kFirstSide, "21|left|0|0.2|ohmic" + link + "|-9999|-9999"},
            {kFirstSide + 1, "22|right|0|0.3|schottky" + link + "|0.7|-9999"},
            {kFirstSide + 2, "23|left|0.4|0.6|schottky" + link + "|-9999|4.1"},
            {kLastRow, "2|right|0.5|0.8|schottky" + link + "|0.8|-9999"},
        };
        for (const auto& r : rows)
            EXPECT_EQ(RowText(page, r.row), r.text) << "row " << r.row;
        // The choice lists of the grid's drop-down editor.
        EXPECT_EQ(*page.Grid().GetCellOptions(CLayerContact::SIDE),
                  (std::vector<std::string>{"bottom", "top", "left", "right", "null"}));
        EXPECT_EQ(*page.Grid().GetCellOptions(CLayerContact::TYPE), (std::vector<std::string>{"ohmic", "schottky"}));
        EXPECT_EQ(page.Grid().GetCellOptions(5) != nullptr, ThreeD());
    });
}

TEST_P(ContactPage, AVisitWithoutEditsSavesTheSameBytes)
{
    // A value with more digits than five decimals and a range without a type among them.
    for (const bool longValue : {false, true}) {
        std::string text = FixtureText();
        if (longValue)
            text.replace(text.find("from=1 to=1.5"), 6, "from=0.1234567");
        Open(text, ThreeD());
        EXPECT_TRUE(Modify(0, 2, nullptr, false));
        const std::string untouched = Save();
        EXPECT_TRUE(EditThirdRow([&](CGeneral&, CLayerContact& page) {
            EXPECT_EQ(Cell(page, 3, CLayerContact::FROM), longValue ? "0.1234567" : "1");
        }));
        EXPECT_EQ(doc().m_nContactUpdateMode, -1);
        EXPECT_EQ(Save(), untouched) << longValue;
        if (!longValue) {
            EXPECT_EQ(untouched, FixtureText());
        }
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_P(ContactPage, EditsAreStoredAndContactsOfOneNumberShareTheirParameters)
{
    const struct {
        const char* what;
        std::function<void(CLayerContact&)> edit;
        std::vector<std::string> saved;   // lines the saved file holds
        int mark;                         // the document's contact-update mark after OK
    } cases[] = {
        {"a new extent only",
         [](CLayerContact& p) { Type(p, 1, CLayerContact::TO, "0.45"); },
         {"bottom_contact column_num=1 from=0 to=0.45 contact_num=1 contact_type=ohmic\r\n",
          // untouched, the range without a type keeps having none
          "bottom_contact column_num=1 from=1.5 to=2 contact_num=4\r\n"},
         -1},
        {"a barrier for contact 2 reaches its top range and its side contact",
         [](CLayerContact& p) { Type(p, 2, Barrier(), "0.9"); },
         {"bottom_contact column_num=1 from=0.5 to=1 contact_num=2 contact_type=schottky barrier=0.9\r\n",
          "top_contact column_num=1 from=0.5 to=1 contact_num=2 contact_type=schottky barrier=0.9\r\n",
          "right_contact from=0.5 to=0.8 contact_num=2 contact_type=schottky barrier=0.9\r\n"},
         1},
        {"the topmost row decides: a side contact edited below a range of its number",
         [](CLayerContact& p) { Type(p, kLastRow, Barrier(), "0.95"); },
         {"right_contact from=0.5 to=0.8 contact_num=2 contact_type=schottky barrier=0.8\r\n"},
         1},
        {"an ohmic contact keeps no barrier",
         [](CLayerContact& p) { Type(p, 1, Barrier(), "0.7"); },
         {"bottom_contact column_num=1 from=0 to=0.5 contact_num=1 contact_type=ohmic\r\n"},
         -1},
        {"a schottky contact with both values keeps the barrier",
         [](CLayerContact& p) { Type(p, 3, Barrier(), "0.65"); },
         {"bottom_contact column_num=1 from=1 to=1.5 contact_num=3 contact_type=schottky barrier=0.65\r\n"},
         1},
        {"a side contact turned schottky with a work function",
         [](CLayerContact& p) {
             Type(p, kFirstSide, CLayerContact::TYPE, "schottky");
             Type(p, kFirstSide, WorkFunction(), "4.7");
         },
         {"left_contact from=0 to=0.2 contact_num=21 contact_type=schottky work_function=4.7\r\n"},
         1},
        {"a range moved to the top list",
         [](CLayerContact& p) {
             Focus(p, kFirstTop, 0);
             p.OnRemove();
             Type(p, 8, CLayerContact::SIDE, "top");
         },
         {"top_contact column_num=1 from=3.5 to=4. contact_num=8 contact_type=ohmic\r\n"},
         1},
    };
    for (const auto& c : cases) {
        Open(FixtureText(), ThreeD());
        EXPECT_TRUE(EditThirdRow([&](CGeneral&, CLayerContact& page) { c.edit(page); })) << c.what;
        EXPECT_EQ(doc().m_nContactUpdateMode, c.mark) << c.what;
        const std::string saved = JoinedStatements(Save());
        for (const std::string& line : c.saved)
            EXPECT_NE(saved.find(line), std::string::npos) << c.what << ": " << line << "\n" << saved;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_P(ContactPage, ContactsAddedAndRemovedSaveAndReopenAsEdited)
{
    EXPECT_TRUE(EditThirdRow([&](CGeneral&, CLayerContact& page) {
        // The first side contact goes; a new one of an existing number takes the last row.
        Focus(page, kFirstSide, 2);
        page.OnRemove();
        EXPECT_EQ(page.Grid().GetRowCount(), kLastRow + 1);
        EXPECT_EQ(RowText(page, kLastRow).find_first_not_of('|'), std::string::npos);
        Type(page, kLastRow, CLayerContact::NUM, "12");
        Type(page, kLastRow, CLayerContact::SIDE, "left");
        Type(page, kLastRow, CLayerContact::FROM, "0.65");
        Type(page, kLastRow, CLayerContact::TO, "0.75");
        Type(page, kLastRow, CLayerContact::TYPE, "ohmic");
    }));
    EXPECT_EQ(doc().m_nContactUpdateMode, 1);
    Save();
    ASSERT_TRUE(doc().OnOpenDocument(path));
    const std::vector<CContactRec>& sides = SideContactsOf(2);
    ASSERT_EQ(sides.size(), 4u);
    EXPECT_EQ(sides[0].m_nContactNum, 22);
    EXPECT_EQ(sides[3].m_nContactNum, 12);
    EXPECT_EQ(sides[3].m_nSide, 0);
    EXPECT_FLOAT_EQ(sides[3].m_fFrom, 0.65f);
    // Number 12 is the fourth top range's: the new row, lower down, takes its parameters.
    EXPECT_EQ(sides[3].m_strType, "schottky");
    EXPECT_DOUBLE_EQ(sides[3].m_dBarrier, 0.6);
    EXPECT_EQ(SideContactsOf(1).size(), 1u);
    EXPECT_EQ(Ranges().GetBottomCount(), 8);
    EXPECT_EQ(Ranges().GetTopCount(), 8);
}

TEST_P(ContactPage, RemoveAllLeavesTheColumnAndTheLayerWithoutContacts)
{
    EXPECT_TRUE(EditThirdRow([&](CGeneral&, CLayerContact& page) {
        page.OnRemoveAll();
        EXPECT_EQ(RowText(page, 1).find_first_not_of('|'), std::string::npos);
        // An emptied cell offers no value to sweep.
        EXPECT_LT(page.Grid().GetCell(1, CLayerContact::FROM)->m_target.m_nValueKind, 0);
    }));
    EXPECT_EQ(Ranges().GetBottomCount(), 0);
    EXPECT_EQ(Ranges().GetTopCount(), 0);
    EXPECT_TRUE(SideContactsOf(2).empty());
    EXPECT_EQ(SideContactsOf(1).size(), 1u);   // another layer's side contacts stay
    EXPECT_EQ(Ranges(1).GetBottomCount(), 1);  // and so do another column's ranges
    EXPECT_EQ(doc().m_nContactUpdateMode, 1);
}

namespace {

struct Refusal {
    const char* what;
    std::function<void(CLayerContact&)> edit;
    std::string message;
};

}  // namespace

TEST_P(ContactPage, WhatCannotBeStoredKeepsTheUserOnThePageAndChangesNothing)
{
    const auto fillLastRow = [](CLayerContact& p, const char* side, const char* from) {
        Focus(p, kFirstSide, 0);
        p.OnRemove();
        Type(p, kLastRow, CLayerContact::NUM, "30");
        Type(p, kLastRow, CLayerContact::SIDE, side);
        Type(p, kLastRow, CLayerContact::FROM, from);
        Type(p, kLastRow, CLayerContact::TO, "0.5");
        Type(p, kLastRow, CLayerContact::TYPE, "ohmic");
    };
    const Refusal cases[] = {
        {"a decimal comma", [](CLayerContact& p) { Type(p, 1, CLayerContact::FROM, "1,5"); },
         "The From value \"1,5\" at line 1 is not a number."},
        {"a word for a barrier", [](CLayerContact& p) { Type(p, 2, Barrier(), "abc"); },
         "The Barrier value \"abc\" at line 2 is not a number."},
        {"a work function with a unit", [](CLayerContact& p) { Type(p, 3, WorkFunction(), "4.5eV"); },
         "The Work_function value \"4.5eV\" at line 3 is not a number."},
        {"a contact number with a fraction", [](CLayerContact& p) { Type(p, 9, CLayerContact::NUM, "1.5"); },
         "The Num value \"1.5\" at line 9 is not a number."},
        {"a row without its number",
         [](CLayerContact& p) { Type(p, 4, CLayerContact::NUM, ""); },
         "Please input all contact info. at line 4\n"},
        {"a row with a barrier alone",
         [](CLayerContact& p) {
             Focus(p, 5, 0);
             p.OnRemove();
             Type(p, kLastRow, Barrier(), "0.5");
         },
         "Please input all contact info. at line 20\n"},
        {"a ninth bottom range", [](CLayerContact& p) { Type(p, kFirstTop, CLayerContact::SIDE, "bottom"); },
         "A column holds at most 8 bottom contacts: line 9 is one too many."},
        {"a ninth top range", [&](CLayerContact& p) { fillLastRow(p, "top", "0.1"); },
         "A column holds at most 8 top contacts: line 20 is one too many."},
        {"a number in a new row", [&](CLayerContact& p) { fillLastRow(p, "left", "x"); },
         "The From value \"x\" at line 20 is not a number."},
    };
    for (const Refusal& c : cases) {
        Open(FixtureText(), ThreeD());
        const std::string before = FileBytes(path);
        prompts.Clear();
        prompts.AnswerNext(IDOK);
        prompts.AnswerNext(IDOK);
        // Each OK converts again and says so again; the user then cancels.
        EXPECT_FALSE(EditThirdRow([&](CGeneral&, CLayerContact& page) { c.edit(page); }, 2)) << c.what;
        EXPECT_EQ(Messages(), (std::vector<std::string>{c.message, c.message})) << c.what;
        EXPECT_EQ(window.closed, 0);
        EXPECT_EQ(doc().m_nContactUpdateMode, -1) << c.what;
        EXPECT_EQ(Save(), before) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(BothModes, ContactPage, ::testing::Values(Mode{false}, Mode{true}));

// ---------------------------------------------------------------------------------------------
// Series targets

namespace {

// The place of a parameter's value in a line of the fixture: start and one-past-end.
std::pair<int, int> SpanOf(const std::string& line, const std::string& param)
{
    const std::size_t start = line.find(" " + param + "=") + param.size() + 2;
    const std::size_t end = line.find(' ', start);
    return {int(start), int(end == std::string::npos ? line.size() : end)};
}

std::vector<std::string> FixtureLines()
{
    std::vector<std::string> lines;
    std::istringstream in(ContactPageFixture::FixtureText());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(0, line.size() - 1));  // without its "\r"
    return lines;
}

}  // namespace

TEST_P(ContactPage, EveryValueCellFindsItsTextInTheSavedFile)
{
    const struct {
        int row;
        int col;                 // -1 barrier, -2 work function
        const char* statement;   // how the statement's first line begins
        const char* param;
    } cases[] = {
        // The second left and the second right contact of the third row.
        {kFirstSide + 2, CLayerContact::FROM, "left_contact  from=0.4", "from"},
        {kFirstSide + 2, -2, "left_contact  from=0.4", "work_function"},
        {kLastRow, CLayerContact::TO, "right_contact  from=0.5", "to"},
        {kLastRow, -1, "right_contact  from=0.5", "barrier"},
        {kFirstSide + 1, CLayerContact::FROM, "right_contact  from=0 ", "from"},
        // The second bottom range of column 1, its fourth and last top range.
        {2, CLayerContact::FROM, "bottom_contact column_num=1 from=0.5", "from"},
        {2, -1, "bottom_contact column_num=1 from=0.5", "barrier"},
        {kFirstTop + 3, -1, "top_contact column_num=1 from=1.5", "barrier"},
        {16, CLayerContact::TO, "top_contact column_num=1 from=3.5", "to"},
    };
    const std::vector<std::string> lines = FixtureLines();
    // The physical line that holds the parameter, from the statement's first line on.
    const auto lineOf = [&lines](const char* statement, const char* param) {
        size_t i = 0;
        while (i < lines.size() && lines[i].rfind(statement, 0) != 0)
            ++i;
        while (i < lines.size() && lines[i].find(std::string(" ") + param + "=") == std::string::npos)
            ++i;
        return int(i);
    };
    EditThirdRow([&](CGeneral&, CLayerContact& page) {
        const CLayerFileIndex& index = doc().GetLayerFileIndex(0);
        for (const auto& c : cases) {
            const int col = c.col == -1 ? Barrier() : c.col == -2 ? WorkFunction() : c.col;
            const CSeriesTarget& target = page.Grid().GetCell(c.row, col)->m_target;
            CLayerFileItem item;
            ASSERT_TRUE(index.FindContactItem(target, item)) << "row " << c.row << " " << c.param;
            const int line = lineOf(c.statement, c.param);
            ASSERT_LT(line, int(lines.size())) << c.statement;
            EXPECT_EQ(item.m_strFile, path);
            EXPECT_EQ(item.m_nLine, line) << "row " << c.row << " " << c.param;
            const std::pair<int, int> span = SpanOf(lines[size_t(line)], c.param);
            EXPECT_EQ(item.m_nStart, span.first) << "row " << c.row << " " << c.param;
            EXPECT_EQ(item.m_nEnd, span.second) << "row " << c.row << " " << c.param;
            EXPECT_DOUBLE_EQ(target.m_dValue, double(float(std::stod(item.m_strValue))));
        }
        // A value not given offers nothing: its target carries the unset mark.
        EXPECT_DOUBLE_EQ(page.Grid().GetCell(1, Barrier())->m_target.m_dValue, -9999.0);
        EXPECT_LT(page.Grid().GetCell(1, CLayerContact::NUM)->m_target.m_nValueKind, 0);
    });
    EXPECT_TRUE(Messages().empty());
}

TEST_P(ContactPage, FieldsTheGridDoesNotShowStayWithTheirContactAfterRemove)
{
    // The records as the sheet hands them over: ranges linked to the previous z-segment and side
    // contacts whose outlines have been computed.
    g_EditColumn.m_Contacts.Clear();
    for (int i = 0; i < 3; ++i) {
        CBottomContact range;
        range.m_fFrom = float(i);
        range.m_fTo = float(i) + 0.5f;
        range.m_nContactNum = i + 1;
        range.m_strType = "ohmic";
        range.m_nLink = i == 1 ? 0 : 1;
        g_EditColumn.m_Contacts.AddBottom(range);
    }
    CContactList group;
    group.m_nRow = 4;
    for (int k = 0; k < 3; ++k) {
        CContactRec contact;
        contact.m_nContactNum = 10 + k;
        contact.m_nSide = k % 2;
        contact.m_fTo = 0.25f;
        contact.m_Outline.assign(8, CPoint3f(float(k), 1.0f, 2.0f));
        group.m_Contacts.push_back(contact);
    }
    CLayerContact page;
    page.SetSideContacts({group}, 4);
    page.SetTargetPlace(0, 0);
    page.Grid().AttachWindow(&gridWindow);
    page.OnInitDialog();
    ASSERT_EQ(RowText(page, 4).substr(0, 8), "10|left|");

    Focus(page, 2, 1);   // the unlinked range
    page.OnRemove();
    Focus(page, 3, 4);   // the first side contact
    page.OnRemove();
    Type(page, 4, CLayerContact::FROM, "0.125");   // the last one, edited
    EXPECT_TRUE(page.OnKillActive());
    page.Grid().AttachWindow(nullptr);

    ASSERT_EQ(g_EditColumn.m_Contacts.GetBottomCount(), 2);
    EXPECT_EQ(g_EditColumn.m_Contacts.Bottom(0).m_nContactNum, 1);
    EXPECT_EQ(g_EditColumn.m_Contacts.Bottom(1).m_nContactNum, 3);
    EXPECT_EQ(g_EditColumn.m_Contacts.Bottom(0).m_nLink, 1);
    EXPECT_EQ(g_EditColumn.m_Contacts.Bottom(1).m_nLink, 1);
    ASSERT_EQ(page.m_sideContacts.size(), 1u);
    const std::vector<CContactRec>& kept = page.m_sideContacts[0].m_Contacts;
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].m_nContactNum, 11);
    // Each kept contact has the outline its own record had.
    const auto outlineOf = [](const CContactRec& contact) {
        std::string text;
        for (const CPoint3f& p : contact.m_Outline)
            text += std::to_string(int(p.x));
        return text;
    };
    EXPECT_EQ(outlineOf(kept[0]), "11111111");
    EXPECT_EQ(kept[1].m_nContactNum, 12);
    EXPECT_FLOAT_EQ(kept[1].m_fFrom, 0.125f);
    EXPECT_EQ(outlineOf(kept[1]), "22222222");
    // The grid shows what was stored.
    EXPECT_EQ(page.Grid().GetItemText(4, CLayerContact::FROM), "0.125");
}
