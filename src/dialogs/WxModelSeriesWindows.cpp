#include "dialogs/WxModelSeriesWindows.h"

#include "dialogs/SeriComposDialog.h"
#include "dialogs/SeriesItemDialog.h"
#include "dialogs/SeriesTableDlg.h"
#include "sheets/SeriComposDlg.h"
#include "sheets/SeriesItemDlg.h"

bool CWxModelSeriesWindows::RunSeriesItemDlg(SeriesItemRequest& request)
{
    CSeriesItemDlg values;
    values.m_dInitial = request.initial;
    values.m_dCurrent = request.current;
    values.m_dFinal = request.final;
    values.m_strCaption = request.caption;
    CSeriesItemDialog dialog(m_frame(), values);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    request.initial = values.m_dInitial;
    request.final = values.m_dFinal;
    return true;
}

CModelSeriesTable* CWxModelSeriesWindows::FindSeriesTable()
{
    return CSeriesTableDlg::s_pOpen ? &CSeriesTableDlg::s_pOpen->Table() : nullptr;
}

CModelSeriesTable& CWxModelSeriesWindows::ShowSeriesTable(CTessaronDoc& doc)
{
    CSeriesTableDlg* dialog = CSeriesTableDlg::s_pOpen;
    if (!dialog)
        dialog = new CSeriesTableDlg(m_frame(), doc);
    dialog->Show();
    dialog->Raise();
    PlaceSeriesPanel(*dialog);
    return dialog->Table();
}

void CWxModelSeriesWindows::RefreshSeriesTable()
{
    if (CSeriesTableDlg::s_pOpen)
        CSeriesTableDlg::s_pOpen->ExchangeToControls();
}

bool CWxModelSeriesWindows::RunSeriComposDlg(SeriComposRequest& request)
{
    CSeriComposDlg values(request.macroName);
    values.SetRows(request.values, CSeriComposDlg::kRows);
    CSeriComposDialog dialog(m_frame(), values, *request.macros);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    values.GetRows(request.row, request.from, request.to, request.step);
    return true;
}

void CWxModelSeriesWindows::PlaceSeriesPanel(wxWindow& panel) const
{
    wxWindow* view = m_view2d();
    wxWindow* frame = m_frame();
    if (!view || !frame)
        return;
    const wxPoint viewOrigin = view->GetScreenPosition();
    const int right = viewOrigin.x + frame->GetClientSize().GetWidth();
    panel.Move(right - panel.GetSize().GetWidth(), viewOrigin.y);
}
