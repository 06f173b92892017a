#include "SheetFixture.h"

#include <gtest/gtest.h>

bool ScriptedSheetWindow::CommitActivePage()
{
    calls.push_back("commit");
    return commitAccepts;
}

bool ScriptedSheetWindow::ReadPage(int pageIndex)
{
    calls.push_back("read " + std::to_string(pageIndex));
    return readAccepts;
}

void ScriptedSheetWindow::RefreshPage(int pageIndex) { calls.push_back("refresh " + std::to_string(pageIndex)); }

void ScriptedSheetWindow::ActivatePage(int pageIndex, int focusControl)
{
    calls.push_back("activate " + std::to_string(pageIndex) + " " + std::to_string(focusControl));
}

int ScriptedSheetWindow::RunVcselTypeExistsDlg()
{
    calls.push_back("type dialog");
    if (typeDialogAnswers.empty()) {
        ADD_FAILURE() << "unscripted type dialog";
        return IDCANCEL;
    }
    const int answer = typeDialogAnswers.front();
    typeDialogAnswers.pop_front();
    return answer;
}

void ScriptedSheetWindow::EndOk() { calls.push_back("end ok"); }

SheetFixture::SheetFixture()
{
    UseZSegments(2);
    AddColumn(0, {"gaas", "gaas", "gaas"});
    AddColumn(0, {"gaas", "gaas"});
    AddColumn(1, {"gaas"});
    Seg(0).m_nSelectionKind = 1;
    Seg(0).m_nSelectedColumn = 0;
    Seg(0).m_nSelectedRow = 1;
    g_EditLayer = LayerAt(0, 0, 1);
    g_EditLayer.m_Mesh.m_nMeshNum = 4;
    g_EditColumn.m_Mesh.m_nMeshNum = 5;
    g_EditZSegment.m_nTotalXMesh = 40;
    g_EditZSegment.m_nTotalYMesh = 30;
    request.caption = "Modify Layer";
    request.contactGroups = &handedBack;
}

CGeneral& SheetFixture::OpenSheet(int mode, std::initializer_list<CGeneral::PageIndex> shownPages, bool allPages)
{
    g_nLayerEditMode = mode;
    request.allPages = allPages;
    sheet = std::make_unique<CGeneral>(doc(), request);
    sheet->SetWindow(&window);
    sheet->OnInitDialog();
    for (CGeneral::PageIndex page : shownPages) {
        switch (page) {
        case CGeneral::SIZE_PAGE: sheet->m_SizePage.MarkInitialised(); break;
        case CGeneral::DOPING_PAGE: sheet->m_DopingPage.MarkInitialised(); break;
        case CGeneral::MATERIAL_PAGE:
            sheet->m_MaterialPage.MarkInitialised();
            sheet->m_MaterialPage.OnInitPage();
            break;
        case CGeneral::CONTACT_PAGE: sheet->m_ContactPage.MarkInitialised(); break;
        case CGeneral::COLUMN_MESH_PAGE: sheet->m_ColumnMeshPage.MarkInitialised(); break;
        case CGeneral::LAYER_MESH_PAGE: sheet->m_LayerMeshPage.MarkInitialised(); break;
        case CGeneral::GRATING_PAGE:
            sheet->m_GratingPage.MarkInitialised();
            sheet->m_GratingPage.OnInitPage();
            break;
        case CGeneral::VCSEL_PAGE:
            sheet->m_VcselPage.MarkInitialised();
            sheet->m_VcselPage.OnInitPage(doc().m_VcselSections);
            break;
        case CGeneral::LABEL_PAGE: sheet->m_LabelPage.MarkInitialised(); break;
        default: ADD_FAILURE() << "no such page " << page; break;
        }
    }
    return *sheet;
}

CVcselSection SheetFixture::Type(const std::string& name, float loss)
{
    CVcselSection type;
    type.m_strVcselType = name;
    type.m_strGratingModel = "2layers";
    type.m_strActive = "yes";
    type.m_fSectionLoss = loss;
    type.m_dLayer[0] = 0.1;
    type.m_fIndex[0] = 3.5f;
    return type;
}

void SheetFixture::MarkVcsel(int zseg, int column, int row, const CVcselSection& type)
{
    CLayerRec& layer = LayerAt(zseg, column, row);
    layer.m_nVcselFlag = 1;
    layer.m_Vcsel = type;
}
