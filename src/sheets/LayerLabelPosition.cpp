#include "sheets/LayerLabelPosition.h"

void CLayerLabelPosition::SetLabels(const std::vector<CLabelRec>& layerLabels,
                                    const std::vector<CLabelRec>& columnLabels)
{
    m_LayerLabels = layerLabels;
    m_ColumnLabels = columnLabels;
}

void CLayerLabelPosition::GetLabels(std::vector<CLabelRec>& layerLabels, std::vector<CLabelRec>& columnLabels) const
{
    layerLabels = m_LayerLabels;
    columnLabels = m_ColumnLabels;
}
