#include "model/CurLayerParams.h"

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
