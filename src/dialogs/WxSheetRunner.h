#pragma once
// The sheet runner of the running program: the document's layer property sheet, the z-segment
// position dialog and the cut-line dialog as real modal wx windows over the main window.

#include "platform/SheetRunner.h"

class CTessaronDoc;

class CWxSheetRunner : public ISheetRunner {
public:
    explicit CWxSheetRunner(CTessaronDoc& doc) : m_doc(doc) {}

    bool RunLayerSheet(LayerSheetRequest& request) override;
    bool RunZSegPositionDlg(ZSegPositionRequest& request) override;
    bool RunCutLineDlg(CutLineRequest& request) override;

private:
    CTessaronDoc& m_doc;
};
