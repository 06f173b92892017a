#include "series/EditBoxSeries.h"

#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/UserPrompts.h"

CEditBoxSeries::~CEditBoxSeries() = default;

void CEditBoxSeries::AddSeriesValue(const CLayerFileItem& found, const CLayerFileIndex& index)
{
    CSeriesStep step;
    step.m_dInitial = step.m_dFinal = StrToD(found.m_strValue);
    if (!m_windows.RunConditionStep(step))
        return;
    CSeriesItem item;
    item.m_nLine = found.m_nLine;
    item.m_nStart = found.m_nStart;
    item.m_nEnd = found.m_nEnd;
    item.m_dInitial = step.m_dInitial;
    item.m_dFinal = step.m_dFinal;
    item.m_nGroupId = step.m_nGroupId;
    item.m_strFile = found.m_strFile;
    item.m_strVariable = found.m_strParam;
    item.m_strValueText = found.m_strValue;

    // The series belongs to the device's folder: values of its included files (sub-folders too)
    // go into the same series.
    CSeriesConditionDlg* dialog = OpenDialog(PathFolder(index.m_strPath));
    if (!dialog)
        return;
    CSeriesListCtrl& list = dialog->List();
    if (list.Table().Contains(item)) {
        AfxMessageBox("You have added this parameter already!", MB_OK);
    } else {
        dialog->AddDeviceFiles(index.m_LineFiles);
        if (list.AddItem(item, step.m_nStepNumber) == 1)
            dialog->SetSeriesName(list.FormatItemName());
    }
    m_windows.ShowConditionDialog(*dialog);
}

CSeriesConditionDlg* CEditBoxSeries::OpenDialog(const std::string& folder)
{
    if (m_pDialog && m_pDialog->GetSourceFolder() == folder)
        return m_pDialog.get();
    if (m_pDialog) {
        const int answer = AfxMessageBox("The open series belongs to the folder\n" + m_pDialog->GetSourceFolder() +
                                             "\nClose it with its items and start a series in\n" + folder + " ?",
                                         MB_YESNO | MB_ICONQUESTION);
        if (answer != IDYES)
            return nullptr;
        CloseSeries();
    }
    m_pDialog = std::make_unique<CSeriesConditionDlg>(folder);
    return m_pDialog.get();
}

void CEditBoxSeries::CloseSeries()
{
    if (!m_pDialog)
        return;
    m_windows.DestroyConditionDialog(*m_pDialog);
    m_pDialog.reset();
}
