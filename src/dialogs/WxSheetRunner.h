#pragma once
// The sheet runner of the running program: the document's layer property sheet as a real modal
// wx sheet over the main window.

#include "platform/SheetRunner.h"

class CTessaronDoc;

class CWxSheetRunner : public ISheetRunner {
public:
    explicit CWxSheetRunner(CTessaronDoc& doc) : m_doc(doc) {}

    bool RunLayerSheet(LayerSheetRequest& request) override;
    // The z-segment position and cut-line dialogs have no window yet: they answer Cancel.
    bool RunZSegPositionDlg(ZSegPositionRequest& request) override;
    bool RunCutLineDlg(CutLineRequest& request) override;

private:
    CTessaronDoc& m_doc;
};
