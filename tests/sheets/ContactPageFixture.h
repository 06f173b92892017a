#pragma once
// The contact page as a user meets it: a ".layer" file opened by the document, a layer selected,
// Modify Layer run with the real sheet logic, the Contact page shown in a grid window for tests,
// the user's acts on the page, then the sheet's OK (which leaves the page first). The document
// then takes the sheet's result as after any Modify Layer, and the file can be saved.

#include "FakeGridWindow.h"
#include "sheets/General.h"
#include "sheets/LayerSheetWindow.h"
#include "support/DocFixture.h"
#include "support/FakeSheetRunner.h"
#include "support/TempFolder.h"
#include "textfiles/LayerFileHarness.h"

#include <functional>
#include <string>

// A sheet window whose active page is the Contact page while it is shown: committing it leaves it.
class ContactSheetWindow : public ILayerSheetWindow {
public:
    bool CommitActivePage() override { return !contactActive || page->OnKillActive(); }
    bool ReadPage(int) override { return true; }
    void RefreshPage(int) override {}
    void ActivatePage(int, int) override {}
    int RunVcselTypeExistsDlg() override { return IDCANCEL; }
    void EndOk() override { ++closed; }

    CLayerContact* page = nullptr;
    bool contactActive = false;
    int closed = 0;
};

class ContactPageFixture : public DocFixture {
public:
    // The fixture device's text.
    static std::string FixtureText();

protected:
    ContactPageFixture();

    // Writes the text as "device.layer" and opens it in the given mode.
    void Open(const std::string& text, bool threeD);
    // Modify Layer on (column, row): `user` acts on the shown Contact page (when `showContact`);
    // then OK is pressed as often as `okPresses` says while the sheet stays open (the last press
    // that does not close it is followed by Cancel). True when the sheet was accepted.
    using User = std::function<void(CGeneral&, CLayerContact&)>;
    bool Modify(int column, int row, const User& user, bool showContact = true, int okPresses = 1);
    // Saves through the document; the bytes of the saved file.
    std::string Save();
    // The messages shown, without the 3-D editor's note on saving a ".layer" file.
    std::vector<std::string> Messages() const;

    // Edits as the grid's in-place editor ends them.
    static void Type(CLayerContact& page, int row, int col, const std::string& text);
    static void Focus(CLayerContact& page, int row, int col);
    static std::string Cell(const CLayerContact& page, int row, int col);
    const CColumnContacts& Ranges(int column = 0) { return Seg(0).GetColumn(column).m_Contacts; }
    const std::vector<CContactRec>& SideContactsOf(int row);

    LayerFileHarness harness;
    FakeSheetRunner runner;
    ContactSheetWindow window;
    FakeGridWindow gridWindow;
    TempFolder folder;
    std::string path;
};
