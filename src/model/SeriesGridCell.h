#pragma once
// The contact grid's value right-clicked last (set with g_nSeriesParamId 200): what the edit-box
// series command sweeps. Empty before any such click. Process-wide state: defined with the rest in
// ProcessState.cpp and put back by ResetProcessState.

#include "model/SeriesTarget.h"

extern CSeriesTarget g_SeriesGridCell;
