#pragma once
// What the document's series command needs of the edit-box series: the series lives above the
// document (it writes folders of files and runs dialogs), so the document hands it the value it
// found through this interface, which the program installs at start-up.

#include "model/LayerFileIndex.h"

class IEditBoxSeriesHost {
public:
    virtual ~IEditBoxSeriesHost() = default;
    // A value found in the saved files of the device `index` was built from: asks its sweep and
    // adds it to the series of the device's folder.
    virtual void AddSeriesValue(const CLayerFileItem& item, const CLayerFileIndex& index) = 0;
    // The document is emptied for another device: the open series closes with its items.
    virtual void CloseSeries() = 0;
};

// The installed host, nullptr when none is (the series command is then disabled).
IEditBoxSeriesHost* EditBoxSeriesHost();
// Installs a host (nullptr removes it). The caller keeps ownership.
void SetEditBoxSeriesHost(IEditBoxSeriesHost* host);
