#pragma once
// Command and control ids shared by the menus, accelerators, tool bars, the document's command
// handlers and the views. The numbers are the ones the program has always used (the framework's
// standard commands keep their classic values), so menus, tool bars and stored tool-bar state agree.

// Framework commands.
enum : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_MRU_FILE1 = 57616,   // the four recent files: 57616..57619
    ID_FILE_MRU_FILE4 = 57619,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_DEFAULT_HELP = 57671,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};

// Status-bar panes.
enum : int {
    ID_SEPARATOR = 0,
    ID_INDICATOR_CAPS = 59137,
    ID_INDICATOR_NUM = 59138,
    ID_INDICATOR_SCRL = 59139,
    ID_INDICATOR_PROMPT = 61468,
};

// Resource ids of the two modes' menus, accelerator tables, tool bars and document strings.
enum : int {
    IDR_TESSARON = 128,   // 3-D editor
    IDR_BRENVIK = 130,    // layer builder
    IDR_SERIES_MENU = 358,  // the right-click menu of a numeric box
};

// The program's own commands.
enum : int {
    ID_SHIFT_C = 32771,               // Shift+C: no handler
    ID_LAYER_NEW = 32772,
    ID_LAYER_CUT = 32773,
    ID_LAYER_COPY = 32774,
    ID_LAYER_PASTE = 32775,
    ID_LAYER_MODIFY = 32778,
    ID_COLUMN_NEW = 32780,
    ID_COLUMN_CUT = 32781,
    ID_COLUMN_COPY = 32782,
    ID_COLUMN_PASTE = 32783,
    ID_ZOOM_IN = 32784,
    ID_ZOOM_OUT = 32790,
    ID_ALT_S = 32791,
    ID_ZSEG_NEW = 32802,
    ID_ZSEG_DELETE = 32818,
    ID_ALT_M = 32824,                 // Alt+M: no handler
    ID_ALT_I = 32825,                 // Alt+I: no handler
    ID_ALT_O = 32826,                 // Alt+O: no handler
    ID_ZOOM_ORIGIN = 32835,
    ID_ALT_R = 32846,                 // Alt+R: no handler
    ID_ALT_W = 32850,                 // Alt+W: no handler
    ID_VIEW_PARALLEL = 32866,
    ID_VIEW_PERSPECTIVE = 32867,
    ID_ZSEG_PROPERTY = 32869,
    ID_VIEW_DISTANCE = 32870,
    ID_3D_ROTATION = 32871,
    ID_3D_MOVE = 32872,
    ID_3D_ZOOM = 32873,
    ID_ZOOM_ONLY_X = 32875,
    ID_ZOOM_ONLY_Y = 32876,
    ID_ZOOM_BOTH = 32877,
    ID_MOVE_SCENE = 32887,
    ID_VIEW_BACK_GRID = 32888,
    ID_VIEW_LAYER_INFO = 32889,
    ID_FILE_IMPORT_EXCEL = 32890,
    ID_FILE_EXPORT_EXCEL = 32891,
    ID_FILE_EXPORT_OPEN_EXCEL = 32892,
    ID_HELP_USER_MANUAL = 32893,
    ID_VIEW_PROMPT_WINDOW = 32894,
    ID_OPTIONS_PROMPT_FONT = 32895,
    ID_OPTIONS_LAYER_INFO_FONT = 32896,
    ID_3D_ZOOM_X = 32897,
    ID_3D_ZOOM_Y = 32898,
    ID_3D_ZOOM_Z = 32899,
    ID_OPTIONS_CORVEX3D = 32901,
    ID_OPTIONS_LUMIVO3D = 32902,
    ID_SERIES = 32903,
    ID_SERI_COLUMN_WIDTH = 32904,     // the model-based series; in no menu, reached by id
    ID_SERI_BULK_COMPOS = 32905,
    ID_SERI_ACTIVE_COMPOS = 32906,
    ID_MESH_PLOT = 32912,
    ID_MESH_CLEAR = 32913,
    ID_MESH_PLOT_ALL = 32914,
    ID_MESH_CLEAR_ALL = 32915,
    ID_INSERT_HORI_LINE = 32916,
    ID_INSERT_VERTI_LINE = 32917,
    ID_LAYER_PASTE_MATERIAL = 32918,
    ID_LAYER_PASTE_ROW_MATERIAL = 32930,
    ID_LAYER_PASTE_COLUMN_MATERIAL = 32931,
    ID_OPTIONS_CYLINDER = 32932,
    ID_EDIT_BOX_SERIES = 32933,       // "Series" of a numeric box's right-click menu
    ID_ZSEG_COPY_MATERIAL = 32934,
    ID_OPTIONS_MIN_SPACING = 32935,
    ID_ZSEG_PASTE_MATERIAL = 32936,
    ID_ZSEG_COPY = 32937,
    ID_ZSEG_PASTE = 32938,
    ID_3D_THIN_LAYER = 32939,         // 3-D view popup "Zoom in thin layer" (once 32936, shared with
                                      // "Paste z-segment material")
};

// The dynamic "z-segment%i" entries of the Z-segment menu, in z-segment order. The first twenty
// are the ids the menu always had (entry 1 is 61467 and entry 12 is 61466: the table's order, not
// the numbers, gives the z-segment); a device holds up to 40 z-segments, so twenty more follow
// from a free range.
constexpr int kZsegmentMenuIdCount = 40;
constexpr int kZsegmentMenuIds[kZsegmentMenuIdCount] = {
    61467, 61447, 61448, 61449, 61450, 61451, 61452, 61453, 61454, 61455,
    61456, 61466, 61458, 61459, 61460, 61461, 61462, 61463, 61464, 61465,
    34001, 34002, 34003, 34004, 34005, 34006, 34007, 34008, 34009, 34010,
    34011, 34012, 34013, 34014, 34015, 34016, 34017, 34018, 34019, 34020,
};

// wxWidgets takes window, menu and tool ids below 32767 only, so a command travels through the
// wx windows as its number minus this offset; the frame turns it back before routing it on.
constexpr int kWxIdOffset = 30000;
constexpr int WxId(int commandId) { return commandId - kWxIdOffset; }
constexpr int CommandIdOfWx(int wxId) { return wxId + kWxIdOffset; }
