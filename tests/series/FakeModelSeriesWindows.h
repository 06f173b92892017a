#pragma once
// The series windows for tests: the item and composition dialogs answer from what the test set,
// and the series table is held in memory, as the modeless window would hold it.

#include "series/ModelSeriesTable.h"
#include "series/ModelSeriesWindows.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class FakeModelSeriesWindows : public IModelSeriesWindows {
public:
    // The next item dialog: OK with this range, or Cancel when none is set.
    std::optional<std::pair<double, double>> itemAnswer;
    // The next composition dialog: OK with row, from, to and step, or Cancel when none is set.
    struct Compos {
        int row;
        double from, to, step;
    };
    std::optional<Compos> composAnswer;
    std::vector<SeriesItemRequest> itemRequests;
    std::vector<SeriComposRequest> composRequests;
    std::unique_ptr<CModelSeriesTable> table;
    int shown = 0;

    bool RunSeriesItemDlg(SeriesItemRequest& request) override
    {
        itemRequests.push_back(request);
        if (!itemAnswer)
            return false;
        request.initial = itemAnswer->first;
        request.final = itemAnswer->second;
        return true;
    }
    CModelSeriesTable* FindSeriesTable() override { return table.get(); }
    CModelSeriesTable& ShowSeriesTable(CTessaronDoc&) override
    {
        if (!table)
            table = std::make_unique<CModelSeriesTable>();
        ++shown;
        return *table;
    }
    void RefreshSeriesTable() override {}
    bool RunSeriComposDlg(SeriComposRequest& request) override
    {
        composRequests.push_back(request);
        if (!composAnswer)
            return false;
        request.row = composAnswer->row;
        request.from = composAnswer->from;
        request.to = composAnswer->to;
        request.step = composAnswer->step;
        return true;
    }
};
