#pragma once
// The "DFB/DBR grating setting" page (dialog 332) without its window, as far as the sheet uses
// it: the grating composition record the sheet seeds it with and takes back on OK, and the check
// of that record.

#include "model/LayerBlocks.h"
#include "sheets/SheetPage.h"

class CLayerGratingCompos : public CSheetPage {
public:
    void SetValues(const CGratingComposRec& record) { m_Record = record; }
    CGratingComposRec GetValues() const { return m_Record; }

    // With "Input grating_compos" set: trims the four macro names and warns once for each that is
    // empty (the composition then is not valid, but the sheet goes on). The page's controls must
    // have been read into the record first.
    bool CheckComplete();

    CGratingComposRec m_Record;
};
