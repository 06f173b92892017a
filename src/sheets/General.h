#pragma once
// The layer property sheet without its window: the pages' values, what the sheet does when it
// opens, and its OK processing, which collects the pages into the edit images (g_EditLayer,
// g_EditColumn, g_EditZSegment), asks for missing doping, mesh and VCSEL input, keeps the
// document's VCSEL type list in step with the edited layer and accepts the sheet.
//
// Two forms: the layer form (all pages; New Column, New Layer, Modify Layer) and the z-segment
// form (the z-segment page only). The document reads m_bAccepted after the modal run, not the
// modal result.
//
// Only pages that were shown (CSheetPage::IsInitialised) are collected: a page the user never
// opened leaves the edit images as the document filled them. The document's VCSEL type list and
// the other layers of the edited type change only when the sheet really closes through OK.

#include "model/ContactRec.h"
#include "sheets/CMesh.h"
#include "sheets/LayerBulkActive.h"
#include "sheets/LayerContact.h"
#include "sheets/LayerDop.h"
#include "sheets/LayerGratingCompos.h"
#include "sheets/LayerLabelPosition.h"
#include "sheets/LayerSize.h"
#include "sheets/LayerVcsel.h"
#include "sheets/Mesh.h"
#include "sheets/ZSegmentPage.h"

#include <string>
#include <vector>

class CTessaronDoc;
class ILayerSheetWindow;
struct LayerSheetRequest;

class CGeneral {
public:
    // The pages of the layer form by their tab index.
    enum PageIndex {
        SIZE_PAGE = 0,
        MATERIAL_PAGE = 1,
        DOPING_PAGE = 2,
        CONTACT_PAGE = 3,
        COLUMN_MESH_PAGE = 4,
        LAYER_MESH_PAGE = 5,
        GRATING_PAGE = 6,
        VCSEL_PAGE = 7,
        LABEL_PAGE = 8,
        // The only page of the z-segment form.
        ZSEGMENT_PAGE = 9,
    };
    // Buttons of the "type exists" choice dialog besides "Overwrite" (IDOK) and "Cancel".
    enum : int { IDC_NEW_TEMPLET = 1197, IDC_LOAD = 1198 };

    static const char kPositionSection[];   // "CGenearlDlg"
    static const char kPositionEntry[];     // "left-top"

    // Builds the pages of the request's form from the edit images and g_nLayerEditMode (the
    // document sets both first) and clears the document's contact-update mark (-1).
    CGeneral(CTessaronDoc& doc, LayerSheetRequest& request);

    // The window the OK processing asks to commit, activate pages and close; without one the
    // sheet behaves as a window whose pages all accept.
    void SetWindow(ILayerSheetWindow* window) { m_pWindow = window; }

    // The sheet opens: the contact page gets the current z-segment's side contacts, and the VCSEL
    // type the edited layer has now is remembered.
    void OnInitDialog();
    // The user pressed OK. True when the sheet accepted and closed; false when it stays open.
    bool OnOkPressed();

    // Where the sheet opens from its saved "left-top" text: right-aligned on the screen when none
    // was saved (or it cannot be read); otherwise the saved place, pulled back where the sheet
    // would cross the right or bottom edge of the screen.
    static void OpenPosition(const std::string& saved, int top, int width, int height, int screenWidth,
                             int screenHeight, int& x, int& y);
    static std::string LoadSavedPosition();
    static void SavePosition(int left, int top);

    int m_bAllPages = 1;
    int m_bAccepted = 0;
    std::string m_strCaption;
    std::string m_strBanner;

    CLayerSize m_SizePage;
    CLayerVcsel m_VcselPage;
    CLayerContact m_ContactPage;
    CLayerDop m_DopingPage;
    CLayerBulkActive m_MaterialPage;
    CLayerGratingCompos m_GratingPage;
    CLayerLabelPosition m_LabelPage;
    CMesh m_LayerMeshPage;
    CCMesh m_ColumnMeshPage;
    CZSegmentPage m_ZSegmentPage;

    // The current z-segment's side-contact groups; after OK what the contact page hands back.
    std::vector<CContactList> m_sideContacts;
    // The edited layer's VCSEL type when the sheet opened; empty for a layer that was no VCSEL layer.
    std::string m_strVcselTypeAtOpen;

private:
    enum class ListStep { Done, Again, Stop };

    bool CheckZSegmentPage();
    bool CheckGratingPage();
    void TakeGratingAndLabels();
    bool ValidateAndCollect();
    void CollectPages();
    bool CheckDoping();
    bool CheckMeshTotals();
    bool CheckVcselType();
    ListStep UpdateVcselTypeList(std::vector<CVcselSection>& types);
    ListStep ResolveExistingType(int index, std::vector<CVcselSection>& types);
    void AddNewType(std::vector<CVcselSection>& types);
    void RaiseMeshTotals();
    void Accept();
    void ClearContactLayerGrading();
    void ApplyVcselTypeToLayers();
    void HandBackSideContacts();
    int GetSelectedRow() const;
    ILayerSheetWindow& Window();

    CTessaronDoc& m_doc;
    LayerSheetRequest& m_request;
    ILayerSheetWindow* m_pWindow = nullptr;
};
