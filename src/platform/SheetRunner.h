#pragma once
// The modal layer property sheet and the two small dialogs the document runs. The document fills
// the process-wide edit block, asks the runner to run the sheet and reads the result back; the GUI
// runs the real wx sheet, tests a fake that edits the edit block as a user would.

#include <string>
#include <vector>

class CContactList;

// One run of the layer property sheet.
struct LayerSheetRequest {
    std::string caption;
    // true: the layer pages (Size, Material, Doping, Contact, meshes, grating, Vcsel, Label);
    // false: only the z-segment page.
    bool allPages = true;
    std::string bannerText = "Veltrane";
    // Handed to the z-segment page: it offers the column taper-line choice only when nonzero.
    int zSegmentPageIndex = 0;
    // The z-segment page's previous z end (for its taper length).
    double previousZEnd = 0.0;
    // The active document's contact-update mode: the material page sets 0 when it stored contact
    // parameters, the contact page 1 when its ranges or side contacts changed.
    int* contactUpdateMode = nullptr;
    // Filled on OK with the side-contact groups the Contact page built (left empty when the page
    // was never shown).
    std::vector<CContactList>* contactGroups = nullptr;
    // Set on OK when the Contact page handed its groups back; false when it was never shown, so an
    // empty list then says nothing about the z-segment's side contacts.
    bool contactGroupsFilled = false;
};

// The "z-segment Position" dialog.
struct ZSegPositionRequest {
    double from = 0.0;
    double to = 0.0;
    double previousEnd = 0.0;
    double segmentLength = 0.0;
    double taperLength = 0.0;
    std::string layerFileName;  // empty unless "Use existing layer file" was ticked
};

// The "Set cut line value" dialog.
struct CutLineRequest {
    double limit = 10000.0;
    int vertical = 0;
    double value = 0.0;
};

class ISheetRunner {
public:
    virtual ~ISheetRunner() = default;
    // Runs the sheet modally; true when the sheet's OK processing accepted the pages.
    virtual bool RunLayerSheet(LayerSheetRequest& request) = 0;
    // Run the dialogs modally; true for IDOK, with the request holding the values.
    virtual bool RunZSegPositionDlg(ZSegPositionRequest& request) = 0;
    virtual bool RunCutLineDlg(CutLineRequest& request) = 0;
};

// The installed runner; without one every sheet and dialog is cancelled.
ISheetRunner& SheetRunner();
// Installs a runner (nullptr restores the default). The caller keeps ownership.
void SetSheetRunner(ISheetRunner* runner);
