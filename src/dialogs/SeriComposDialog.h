#pragma once
// The window of the "Seri Compos" dialog (dialog 341): six rows of a radio button, the parameter's
// name and its From, To and Step boxes, the macro's comment below, OK and Cancel. Which rows show
// and which boxes can be edited follows CSeriComposDlg, which also takes and checks the values.

#include <wx/dialog.h>

class CMacroList;
class CSeriComposDlg;

class CSeriComposDialog : public wxDialog {
public:
    CSeriComposDialog(wxWindow* parent, CSeriComposDlg& values, CMacroList& macros);

private:
    void ShowRows();
    void EnableSelectedRow();
    void OnRadio(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    CSeriComposDlg& m_values;
};
