#pragma once
// What the layer property sheet's OK processing needs of the sheet's window. The GUI implements it
// over the wx sheet; tests script it.

class ILayerSheetWindow {
public:
    virtual ~ILayerSheetWindow() = default;

    // The Apply step: the active page reads and checks its controls. False when it refuses a value
    // (its message was shown and the sheet stays open).
    virtual bool CommitActivePage() = 0;
    // Reads the controls of one page (by its index in the layer form) into its members; false when
    // a value is refused. A page without a window reads nothing and succeeds.
    virtual bool ReadPage(int pageIndex) = 0;
    // Shows the members of one page in its controls again.
    virtual void RefreshPage(int pageIndex) = 0;
    // Makes a page the active one and, with a control id other than 0, puts the focus there.
    virtual void ActivatePage(int pageIndex, int focusControl) = 0;
    // The choice dialog for a VCSEL type that exists with other values: IDOK ("Overwrite"),
    // IDCANCEL, or the id of "New Templet" (1197) or "Load" (1198).
    virtual int RunVcselTypeExistsDlg() = 0;
    // Closes the sheet through its OK path.
    virtual void EndOk() = 0;
};
