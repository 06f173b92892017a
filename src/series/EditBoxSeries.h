#pragma once
// The edit-box series as the program runs it: takes a value the document's series command found,
// asks its sweep in the step dialog ("Series": initial value, final value, step number, group) and
// adds it to the one open series condition dialog, which belongs to the folder of the device. A
// value of another folder asks before that dialog closes with its items. The windows are the
// GUI's (ISeriesWindows); tests script them.

#include "document/EditBoxSeriesHost.h"
#include "series/SeriesConditionDlg.h"

#include <memory>

// The values of the step dialog (dialog 109).
struct CSeriesStep {
    double m_dInitial = 0.0;
    double m_dFinal = 0.0;
    int m_nStepNumber = 5;
    int m_nGroupId = 1;
};

class ISeriesWindows {
public:
    virtual ~ISeriesWindows() = default;
    // Runs the step dialog modally; true on OK with the values the user gave.
    virtual bool RunConditionStep(CSeriesStep& step) = 0;
    // Shows the series dialog's window (made at first use) with its rows refreshed.
    virtual void ShowConditionDialog(CSeriesConditionDlg& dialog) = 0;
    // Destroys the dialog's window: the dialog goes.
    virtual void DestroyConditionDialog(CSeriesConditionDlg& dialog) = 0;
};

class CEditBoxSeries : public IEditBoxSeriesHost {
public:
    explicit CEditBoxSeries(ISeriesWindows& windows) : m_windows(windows) {}
    ~CEditBoxSeries() override;

    void AddSeriesValue(const CLayerFileItem& item, const CLayerFileIndex& index) override;
    // Cancel, a generation, New and Open: the dialog goes with its items.
    void CloseSeries() override;

    // The open series dialog, nullptr when none is open.
    CSeriesConditionDlg* GetDialog() const { return m_pDialog.get(); }

private:
    // The dialog of the folder: the open one, or a new one when none is open or the user lets the
    // open one of another folder go; nullptr when the user keeps it.
    CSeriesConditionDlg* OpenDialog(const std::string& folder);

    ISeriesWindows& m_windows;
    std::unique_ptr<CSeriesConditionDlg> m_pDialog;
};
