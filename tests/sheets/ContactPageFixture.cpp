#include "ContactPageFixture.h"

#include "support/FileBytes.h"
#include "textfiles/LayerParamFlags.h"

ContactPageFixture::ContactPageFixture()
{
    FillLayerParamFlags();
    doc().SetMacroList(&harness.macros);
}

std::string ContactPageFixture::FixtureText()
{
    return FileBytes(std::string(TESSARON_FIXTURES) + "/layer/contacts_full.layer");
}

void ContactPageFixture::Open(const std::string& text, bool threeD)
{
    app.mode3d = threeD;
    path = folder.Write("device.layer", text);
    ASSERT_TRUE(doc().OnOpenDocument(path));
}

bool ContactPageFixture::Modify(int column, int row, const User& user, bool showContact, int okPresses)
{
    doc().SetSelection(0, column, row);
    bool accepted = false;
    runner.OnNextSheet([&](LayerSheetRequest& request) {
        CGeneral sheet(doc(), request);
        sheet.SetWindow(&window);
        sheet.OnInitDialog();
        CLayerContact& page = sheet.m_ContactPage;
        window.page = &page;
        window.contactActive = showContact;
        if (showContact) {
            page.MarkInitialised();
            page.Grid().AttachWindow(&gridWindow);
            page.OnInitDialog();
        }
        if (user)
            user(sheet, page);
        for (int press = 0; press < okPresses && !accepted; ++press)
            accepted = sheet.OnOkPressed();
        page.Grid().AttachWindow(nullptr);
        window.page = nullptr;
        return accepted;
    });
    doc().OnLayerModify();
    return accepted;
}

namespace {

const char kSaveTypeNote[] = " Now your save type is layer. \nYou can use save as menu to save as sol type!";

}  // namespace

std::string ContactPageFixture::Save()
{
    if (app.mode3d)
        prompts.AnswerNext(IDOK);
    doc().SetModifiedFlag();
    EXPECT_TRUE(doc().OnFileSave());
    return FileBytes(path);
}

void ContactPageFixture::Type(CLayerContact& page, int row, int col, const std::string& text)
{
    page.Grid().OnEndInPlaceEdit(row, col, text);
}

void ContactPageFixture::Focus(CLayerContact& page, int row, int col) { page.Grid().SetFocusCell(row, col); }

std::string ContactPageFixture::Cell(const CLayerContact& page, int row, int col)
{
    return page.Grid().GetItemText(row, col);
}

const std::vector<CContactRec>& ContactPageFixture::SideContactsOf(int row)
{
    static const std::vector<CContactRec> none;
    for (const CContactList& group : Seg(0).m_SideContacts)
        if (group.m_nRow == row)
            return group.m_Contacts;
    return none;
}

std::vector<std::string> ContactPageFixture::Messages() const
{
    std::vector<std::string> texts;
    for (const std::string& text : prompts.Texts())
        if (text != kSaveTypeNote)
            texts.push_back(text);
    return texts;
}
