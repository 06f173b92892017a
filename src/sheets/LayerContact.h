#pragma once
// The "Contact" page without its window, as far as the sheet uses it: the side-contact groups of
// the current z-segment, handed to the page when the sheet opens and taken back on OK, and the
// z-segment's selected row.

#include "model/ContactRec.h"
#include "sheets/SheetPage.h"

#include <vector>

class CLayerContact : public CSheetPage {
public:
    void SetSideContacts(const std::vector<CContactList>& groups, int selectedRow);

    // The working groups: what the page gives back on OK.
    std::vector<CContactList> m_sideContacts;
    int m_nSelectedRow = 0;
};
