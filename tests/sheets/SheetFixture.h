#pragma once
// A document with one z-segment of two columns for the layer property sheet's tests, a sheet
// window that records what the OK processing asks of it, and a way to open the sheet as a
// document command would (edit mode, images filled first).

#include "sheets/General.h"
#include "sheets/LayerSheetWindow.h"
#include "platform/SheetRunner.h"
#include "support/DocFixture.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

// Records every call as a short text ("commit", "read 6", "refresh 7", "activate 2 1025",
// "type dialog", "end ok") and answers from its settings.
class ScriptedSheetWindow : public ILayerSheetWindow {
public:
    bool CommitActivePage() override;
    bool ReadPage(int pageIndex) override;
    void RefreshPage(int pageIndex) override;
    void ActivatePage(int pageIndex, int focusControl) override;
    int RunVcselTypeExistsDlg() override;
    void EndOk() override;

    bool commitAccepts = true;
    bool readAccepts = true;
    std::deque<int> typeDialogAnswers;
    std::vector<std::string> calls;
};

class SheetFixture : public DocFixture {
protected:
    // Z-segment 1 current with columns of three and two "gaas" layers; layer (0, 1) selected.
    SheetFixture();

    // Constructs and opens the sheet in edit mode `mode`; the pages named are marked as shown.
    CGeneral& OpenSheet(int mode, std::initializer_list<CGeneral::PageIndex> shownPages = {CGeneral::SIZE_PAGE},
                        bool allPages = true);
    // A VCSEL type of the given name whose values tell it apart by `loss`.
    static CVcselSection Type(const std::string& name, float loss = 0.0f);
    void MarkVcsel(int zseg, int column, int row, const CVcselSection& type);

    ScriptedSheetWindow window;
    LayerSheetRequest request;
    std::vector<CContactList> handedBack;
    std::unique_ptr<CGeneral> sheet;
};
