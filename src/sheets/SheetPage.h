#pragma once
// The windowless half of a page of the layer property sheet: its values in plain members, the one
// data exchange between those members and the page's controls, and whether the page has been
// shown. The sheet creates every page window at once, but a page counts only once the user has
// seen it: the OK processing reads the values of initialised pages only, so a page nobody opened
// never overwrites the edit images with its starting values.

class CDataExchange;

class CSheetPage {
public:
    virtual ~CSheetPage() = default;

    bool IsInitialised() const { return m_bInitialised; }
    // Called by the page window when it shows the page for the first time.
    void MarkInitialised() { m_bInitialised = true; }

    // Members to controls (showing) or controls to members with checks (reading).
    virtual void DoDataExchange(CDataExchange& dx) { (void)dx; }

private:
    bool m_bInitialised = false;
};
