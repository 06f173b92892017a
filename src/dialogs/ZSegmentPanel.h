#pragma once
// The "Z-segment" page of the property sheet in its z-segment form (dialog 334): the position of
// the z-segment as From/To or as segment and taper lengths with their radio pair, and the z
// structure values (taper-contact link, z planes, solution method, the column's taper line,
// rotation angle). The values and their rules live in CZSegmentPage; this window shows them.

#include "dialogs/SheetPagePanel.h"

#include <initializer_list>

class CZSegmentPage;
class wxChoice;
class wxRadioButton;

class CZSegmentPanel : public CSheetPagePanel {
public:
    CZSegmentPanel(wxWindow* book, CZSegmentPage& page);

protected:
    void OnInitPage() override;

private:
    void CreateControls();
    wxChoice* AddChoice(int id, const char* label, int y, int labelWidth, int width,
                        std::initializer_list<const char*> entries);
    void UpdateEnables();
    void OnRadio(wxCommandEvent& event);
    void OnChoice(wxCommandEvent& event);

    CZSegmentPage& m_zsegment;
    wxRadioButton* m_pByPosition = nullptr;
    wxRadioButton* m_pByLengths = nullptr;
    wxChoice* m_pLink = nullptr;
    wxChoice* m_pMethod = nullptr;
    wxChoice* m_pTaperLine = nullptr;
};
