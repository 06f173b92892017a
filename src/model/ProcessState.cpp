#include "model/ProcessState.h"

#include "model/SeriesGridCell.h"

#include <cstring>

CCurLayerParams g_CurLayerParams;
CZSegment& g_EditZSegment = g_CurLayerParams.m_EditZSegment;
CColumnRec& g_EditColumn = g_CurLayerParams.m_EditColumn;
CLayerRec& g_EditLayer = g_CurLayerParams.m_EditLayer;

int g_nLayerEditMode = 0;
int g_nCurZSeg = 0;
int g_nZSegCount = 0;
int g_nClipboardZSeg = 0;
int g_ColourUsage[23][23] = {};
int g_nSeriesParamId = -1;
CSeriesTarget g_SeriesGridCell;
std::string g_strIsolatedMethod = "no";
bool g_bZSegByLengths = false;
int g_nZStructureLengthForm = 1;
std::map<std::string, bool> g_layerParamFlags;

void ResetProcessState()
{
    g_CurLayerParams = CCurLayerParams();
    g_nLayerEditMode = 0;
    g_nCurZSeg = 0;
    g_nZSegCount = 0;
    g_nClipboardZSeg = 0;
    g_nSeriesParamId = -1;
    g_SeriesGridCell = CSeriesTarget();
    std::memset(g_ColourUsage, 0, sizeof g_ColourUsage);
    g_strIsolatedMethod = "no";
    g_bZSegByLengths = false;
    g_nZStructureLengthForm = 1;
    g_layerParamFlags.clear();
}
