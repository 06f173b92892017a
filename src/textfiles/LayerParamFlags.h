#pragma once
// The keyword flag map (g_layerParamFlags, model/ProcessState.h): statement parameter name -> flag.
// The layer file updater reads it to decide what a parameter present on only one side of a
// comparison or merge means (true: it may be absent without that being a change, and an old value
// the model no longer writes is kept).

#include "model/ProcessState.h"

#include <map>
#include <string>

// Inserts the 47 entries; an entry already present stays as it is, so calling it again changes
// nothing. Start-up calls it once.
void FillLayerParamFlags();

// The map, filled first when it is not yet complete: a merge never runs on an empty map, whether
// or not its caller went through start-up.
const std::map<std::string, bool>& LayerParamFlags();
