#pragma once
// The state the program keeps process-wide, as the system defines it: the edit block and its edit
// mode, the current z-segment and the number in use, the z-segment of the last copy, the colour
// usage, the series parameter id of the numeric box right-clicked last, the 3-D solution method, the
// form of the z extents of a ".sol" deck and the keyword flag map. All of it is defined in ProcessState.cpp
// and goes back to its state at program start with ResetProcessState. Reading and writing files
// keeps nothing here: a load has its own context (statements/LoadContext.h).

#include "model/CurLayerParams.h"

#include <map>
#include <string>

extern CCurLayerParams g_CurLayerParams;
// The three images, as the pages and the document name them.
extern CZSegment& g_EditZSegment;
extern CColumnRec& g_EditColumn;
extern CLayerRec& g_EditLayer;

// What the property sheet edits: 1 a new column or z-segment, 2 a new layer, 3 a modification.
extern int g_nLayerEditMode;
// The current z-segment, counted from 1; 0 none.
extern int g_nCurZSeg;
// Number of z-segments in use.
extern int g_nZSegCount;
// The z-segment (from 1) the last copy command was made in; 0 none.
extern int g_nClipboardZSeg;
// How many layers use each (colour, pattern) pair.
extern int g_ColourUsage[23][23];
// The parameter id of the numeric box right-clicked last (200 for a value of the contact grid);
// the edit-box series command reads it. -1 before any right click.
extern int g_nSeriesParamId;
// The 3-D solution method: "no" the isolated-layer method, "yes" the flow method.
extern std::string g_strIsolatedMethod;
// How the ".sol" deck gives z extents: 1 as lengths ("uniform_length", "taper_length"), 0 as
// positions ("uniform_zseg_from", "uniform_zseg_to"). Set by reading a deck and by the z-extent
// option of the z-segment dialogs; the default-deck writers follow it.
extern int g_nZStructureLengthForm;
// The keyword flag map: statement parameter name -> flag; filled at start-up and read by the layer
// file updater (textfiles/LayerParamFlags.h).
extern std::map<std::string, bool> g_layerParamFlags;

// Puts every state above back to its state at program start: the edit block (images, page flags,
// edit mode), the z-segment counters, the clipboard number, the colour usage, the series parameter
// id -1, the method "no", the length form of z extents and
// an empty flag map (LayerParamFlags() fills it again when it is next read). File New resets only
// what belongs to the closed document; tests and benchmarks start from here.
void ResetProcessState();
