#pragma once
// The series windows of the running program: the item and composition dialogs run modally over
// the main frame, and the series table opens modeless beside the 2-D view.

#include "series/ModelSeriesWindows.h"

#include <functional>

class wxWindow;

class CWxModelSeriesWindows : public IModelSeriesWindows {
public:
    // frame: the main frame (the dialogs' parent); view2d gives the 2-D view the table is placed
    // beside (nullptr when there is none).
    CWxModelSeriesWindows(std::function<wxWindow*()> frame, std::function<wxWindow*()> view2d)
        : m_frame(std::move(frame)), m_view2d(std::move(view2d))
    {
    }

    bool RunSeriesItemDlg(SeriesItemRequest& request) override;
    CModelSeriesTable* FindSeriesTable() override;
    CModelSeriesTable& ShowSeriesTable(CTessaronDoc& doc) override;
    void RefreshSeriesTable() override;
    bool RunSeriComposDlg(SeriComposRequest& request) override;

private:
    // The table keeps its size; its top goes to the 2-D view's top and its right edge to the
    // view's left edge plus the width of the frame's client area.
    void PlaceSeriesPanel(wxWindow& panel) const;

    std::function<wxWindow*()> m_frame;
    std::function<wxWindow*()> m_view2d;
};
