#pragma once
// The "Label Postion" page without its window, as far as the sheet uses it: the labels of the
// edited layer and of its column, which the sheet seeds it with and takes back on OK.

#include "model/LayerBlocks.h"
#include "sheets/SheetPage.h"

#include <vector>

class CLayerLabelPosition : public CSheetPage {
public:
    void SetLabels(const std::vector<CLabelRec>& layerLabels, const std::vector<CLabelRec>& columnLabels);
    void GetLabels(std::vector<CLabelRec>& layerLabels, std::vector<CLabelRec>& columnLabels) const;

    std::vector<CLabelRec> m_LayerLabels;
    std::vector<CLabelRec> m_ColumnLabels;
};
