#pragma once
// The menus, accelerator tables and tool-bar button lists of the two modes: resource 130 for the
// layer builder, 128 for the 3-D editor. Plain data; the main frame turns them into windows.

#include "CommandIds.h"

#include <vector>

struct MenuItemRes {
    const char* label;     // with "&" mnemonics; nullptr for a separator
    int id;
    const char* shortcut;  // the shortcut text shown beside the label ("" for none)
};

struct MenuRes {
    const char* title;
    std::vector<MenuItemRes> items;
};

// Keys of the accelerator tables.
enum class AccelKey { Letter, Delete };
struct AccelRes {
    bool ctrl, alt, shift;
    AccelKey key;
    char letter;           // upper-case letter for AccelKey::Letter
    int id;
};

struct ToolButtonRes {
    int id;                // 0 for a separator
    const char* text;      // tool tip and status text
};

inline std::vector<MenuRes> ModeMenus(bool b3dMode)
{
    constexpr MenuItemRes sep{nullptr, 0, ""};
    std::vector<MenuRes> menus;
    menus.push_back({"&File",
                     {{"&New", ID_FILE_NEW, "Ctrl+N"},
                      {"&Open...", ID_FILE_OPEN, "Ctrl+O"},
                      {"Close", ID_FILE_NEW, ""},
                      sep,
                      {"&Save", ID_FILE_SAVE, "Ctrl+S"},
                      {"Save &As...", ID_FILE_SAVE_AS, ""},
                      sep,
                      {"Import Excel", ID_FILE_IMPORT_EXCEL, ""},
                      {"Export Excel", ID_FILE_EXPORT_EXCEL, ""},
                      {"Export && Open Excel", ID_FILE_EXPORT_OPEN_EXCEL, ""},
                      sep,
                      {"Recent File", ID_FILE_MRU_FILE1, ""},
                      sep,
                      {"E&xit", ID_APP_EXIT, ""}}});
    if (b3dMode)
        menus.push_back({"&Edit", {{"Undo", ID_EDIT_UNDO, ""}, {"Redo", ID_EDIT_REDO, ""}}});
    else
        menus.push_back({"&Edit", {{"&Undo", ID_EDIT_UNDO, "Ctrl+Z"}, {"&Redo", ID_EDIT_REDO, "Ctrl+Y"}}});
    menus.push_back({"&Layer",
                     {{"New &Layer", ID_LAYER_NEW, "Ctrl+L"},
                      {"Cu&t", ID_LAYER_CUT, "Ctrl+X"},
                      {"&Copy", ID_LAYER_COPY, "Ctrl+C"},
                      {"&Paste", ID_LAYER_PASTE, "Ctrl+V"},
                      sep,
                      {"&Paste Material only", ID_LAYER_PASTE_MATERIAL, "Ctrl+M"},
                      {"Paste toltal layer Material", ID_LAYER_PASTE_ROW_MATERIAL, ""},
                      {"Paste toltal column Material", ID_LAYER_PASTE_COLUMN_MATERIAL, ""},
                      sep,
                      {"Mo&dify", ID_LAYER_MODIFY, "Ctrl+D"}}});
    menus.push_back({"&Column",
                     {{"New Co&lumn", ID_COLUMN_NEW, "Alt+L"},
                      {"Cu&t", ID_COLUMN_CUT, "Alt+X"},
                      {"&Copy", ID_COLUMN_COPY, "Alt+C"},
                      {"&Paste", ID_COLUMN_PASTE, "Alt+V"}}});
    if (b3dMode)
        menus.push_back({"Mesh",
                         {{"Plot current seg mesh", ID_MESH_PLOT, ""},
                          {"Clear current seg mesh", ID_MESH_CLEAR, ""},
                          sep,
                          {"Plot all seg mesh", ID_MESH_PLOT_ALL, ""},
                          {"Clear all seg mesh", ID_MESH_CLEAR_ALL, ""}}});
    else
        menus.push_back({"Mesh", {{"Plot mesh", ID_MESH_PLOT, ""}, {"Clear mesh", ID_MESH_CLEAR, ""}}});
    if (!b3dMode)
        menus.push_back({"Series", {{"Series", ID_SERIES, ""}}});
    menus.push_back({"Insert",
                     {{"Insert hori line", ID_INSERT_HORI_LINE, ""}, {"Insert verti line", ID_INSERT_VERTI_LINE, ""}}});
    if (b3dMode)
        menus.push_back({"Z-segmen&t",
                         {{"Current z-segment property", ID_ZSEG_PROPERTY, ""},
                          {"New &z-segment", ID_ZSEG_NEW, "Alt+Z"},
                          sep,
                          {"Copy z-segment", ID_ZSEG_COPY, ""},
                          {"Paste z-segment", ID_ZSEG_PASTE, ""},
                          sep,
                          {"Copy z-segment  material", ID_ZSEG_COPY_MATERIAL, ""},
                          {"Paste z-segment material", ID_ZSEG_PASTE_MATERIAL, ""},
                          {"&Delete z-segment", ID_ZSEG_DELETE, "Alt+D"},
                          sep}});
    if (b3dMode)
        menus.push_back({"&Options",
                         {{"Zoom Ori&gin", ID_ZOOM_ORIGIN, "Alt+G"},
                          sep,
                          {"Only Zoom X (2D View)", ID_ZOOM_ONLY_X, ""},
                          {"Only Zoom Y (2D View)", ID_ZOOM_ONLY_Y, ""},
                          {"Zoom Both X ,Y (2D View)", ID_ZOOM_BOTH, ""},
                          sep,
                          {"Move", ID_3D_MOVE, ""},
                          {"Rotation", ID_3D_ROTATION, ""},
                          {"Zoom", ID_3D_ZOOM, ""},
                          {"Zoom X (3D View)", ID_3D_ZOOM_X, ""},
                          {"Zoom Y (3D View)", ID_3D_ZOOM_Y, ""},
                          {"Zoom Z (3D View)", ID_3D_ZOOM_Z, ""},
                          sep,
                          {"Parallel View", ID_VIEW_PARALLEL, ""},
                          {"Perspective View", ID_VIEW_PERSPECTIVE, ""},
                          {"View Point Distance", ID_VIEW_DISTANCE, ""},
                          sep,
                          {"Layer info. window font", ID_OPTIONS_LAYER_INFO_FONT, ""},
                          {"Next step prompt font", ID_OPTIONS_PROMPT_FONT, ""},
                          sep,
                          {"Corvex3D", ID_OPTIONS_CORVEX3D, ""},
                          {"Lumivo3D", ID_OPTIONS_LUMIVO3D, ""},
                          sep,
                          {"Cylinder coordinate", ID_OPTIONS_CYLINDER, ""},
                          {"Set minimum spacing", ID_OPTIONS_MIN_SPACING, ""}}});
    else
        menus.push_back({"&Options",
                         {{"Zoom Origin", ID_ZOOM_ORIGIN, ""},
                          sep,
                          {"Only Zoom X", ID_ZOOM_ONLY_X, ""},
                          {"Only Zoom Y", ID_ZOOM_ONLY_Y, ""},
                          {"Zoom Both X ,Y", ID_ZOOM_BOTH, ""},
                          sep,
                          {"Layer info. window font", ID_OPTIONS_LAYER_INFO_FONT, ""},
                          {"Next step prompt font", ID_OPTIONS_PROMPT_FONT, ""},
                          sep,
                          {"Set minimum spacing", ID_OPTIONS_MIN_SPACING, ""}}});
    menus.push_back({"View",
                     {{"ToolBar", ID_VIEW_TOOLBAR, ""},
                      {"StatusBar", ID_VIEW_STATUS_BAR, ""},
                      sep,
                      {"Back Grid", ID_VIEW_BACK_GRID, ""},
                      {"Layer Info", ID_VIEW_LAYER_INFO, ""},
                      sep,
                      {b3dMode ? "Promp Window" : "Prompt Window", ID_VIEW_PROMPT_WINDOW, ""}}});
    menus.push_back({"&Help", {{"User manual", ID_HELP_USER_MANUAL, ""}, sep, {"&About Layer...", ID_APP_ABOUT, ""}}});
    return menus;
}

// Tables 128 and 130 are identical.
inline std::vector<AccelRes> ModeAccelerators()
{
    constexpr auto L = AccelKey::Letter;
    return {
        {true, false, false, L, 'N', ID_FILE_NEW},      {true, false, false, L, 'O', ID_FILE_OPEN},
        {true, false, false, L, 'S', ID_FILE_SAVE},     {true, false, false, L, 'Z', ID_EDIT_UNDO},
        {true, false, false, L, 'Y', ID_EDIT_REDO},     {true, false, false, L, 'L', ID_LAYER_NEW},
        {true, false, false, L, 'X', ID_LAYER_CUT},     {false, false, false, AccelKey::Delete, 0, ID_LAYER_CUT},
        {true, false, false, L, 'C', ID_LAYER_COPY},    {true, false, false, L, 'V', ID_LAYER_PASTE},
        {true, false, false, L, 'D', ID_LAYER_MODIFY},  {false, true, false, L, 'L', ID_COLUMN_NEW},
        {false, true, false, L, 'X', ID_COLUMN_CUT},    {true, false, false, AccelKey::Delete, 0, ID_COLUMN_CUT},
        {false, true, false, L, 'C', ID_COLUMN_COPY},   {false, true, false, L, 'V', ID_COLUMN_PASTE},
        {false, true, false, L, 'Z', ID_ZSEG_NEW},      {false, true, false, L, 'D', ID_ZSEG_DELETE},
        {false, true, false, L, 'G', ID_ZOOM_ORIGIN},   {false, true, false, L, 'S', ID_ALT_S},
        {false, false, true, L, 'C', ID_SHIFT_C},       {false, true, false, L, 'M', ID_ALT_M},
        {false, true, false, L, 'I', ID_ALT_I},         {false, true, false, L, 'O', ID_ALT_O},
        {false, true, false, L, 'R', ID_ALT_R},         {false, true, false, L, 'W', ID_ALT_W},
    };
}

inline std::vector<ToolButtonRes> ModeToolButtons(bool b3dMode)
{
    std::vector<ToolButtonRes> b = {
        {ID_FILE_NEW, "New"}, {ID_FILE_OPEN, "Open"}, {ID_FILE_SAVE, "Save"}, {0, ""},
        {ID_EDIT_UNDO, "Undo"}, {ID_EDIT_REDO, "Redo"}, {0, ""}};
    if (b3dMode)
        b.insert(b.end(), {{ID_ZSEG_NEW, "New z-segment"}, {ID_ZSEG_DELETE, "Delete z-segment"}, {0, ""}});
    b.insert(b.end(), {{ID_COLUMN_NEW, "New Column"}, {ID_COLUMN_CUT, "Column Cut"}, {ID_COLUMN_COPY, "Column Copy"},
                       {ID_COLUMN_PASTE, "Column Paste"}, {0, ""},
                       {ID_LAYER_NEW, "New Layer"}, {ID_LAYER_CUT, "Layer Cut"}, {ID_LAYER_COPY, "Layer Copy"},
                       {ID_LAYER_PASTE, "Layer Paste"}, {ID_LAYER_PASTE_MATERIAL, "Paste Material only"}, {0, ""},
                       {ID_MOVE_SCENE, "Move scene"}, {ID_ZOOM_IN, "Zoom In"}, {ID_ZOOM_OUT, "Zoom Out"},
                       {ID_ZOOM_ORIGIN, "Zoom Origin"}});
    if (b3dMode)
        b.insert(b.end(), {{0, ""}, {ID_VIEW_PARALLEL, "Parallel Projection"},
                           {ID_VIEW_PERSPECTIVE, "Perspective Projection"}, {ID_VIEW_DISTANCE, "Change Distance"}});
    return b;
}

// The prompt of a menu command that has no tool-bar button: its status-bar text, a line end and
// its tool tip; "" for the others.
inline const char* CommandPrompt(int id)
{
    switch (id) {
    case ID_MESH_PLOT: return "Plot mesh\nPlot mesh";
    case ID_MESH_CLEAR: return "Clear mesh\nClear mesh";
    case ID_MESH_PLOT_ALL: return "Plot all segment mesh\n Plot all segment mesh";
    case ID_MESH_CLEAR_ALL: return "Clear all segment mesh \n Clear all segment mesh ";
    case ID_SERI_COLUMN_WIDTH: return "Seri Column Width\nSeri Column Width";
    case ID_SERI_BULK_COMPOS: return "Seri Bulk Compos\nSeri Bulk Compos";
    case ID_SERI_ACTIVE_COMPOS: return "Seri Active Compos\nSeri Active Compos";
    default: return "";
    }
}

// The commands whose enabling rules may show a check mark; their menu entries and tool-bar
// buttons are made able to carry one (the z-segment entries of the Z-segment menu are as well).
inline bool IsCheckCommand(int id)
{
    switch (id) {
    case ID_VIEW_TOOLBAR: case ID_VIEW_STATUS_BAR: case ID_VIEW_BACK_GRID: case ID_VIEW_LAYER_INFO:
    case ID_VIEW_PROMPT_WINDOW: case ID_ZOOM_ONLY_X: case ID_ZOOM_ONLY_Y: case ID_ZOOM_BOTH:
    case ID_OPTIONS_MIN_SPACING: case ID_VIEW_PARALLEL: case ID_VIEW_PERSPECTIVE: case ID_3D_ZOOM_X:
    case ID_3D_ZOOM_Y: case ID_3D_ZOOM_Z: case ID_OPTIONS_CORVEX3D: case ID_OPTIONS_LUMIVO3D:
    case ID_OPTIONS_CYLINDER:
        return true;
    default:
        return false;
    }
}

// The commands the 2-D and 3-D views handle themselves. A command that neither a view, the
// document, the frame nor the application handles is shown disabled.
inline bool IsViewCommand(int id)
{
    switch (id) {
    case ID_ZOOM_IN: case ID_ZOOM_OUT: case ID_ZOOM_ORIGIN: case ID_ZOOM_ONLY_X: case ID_ZOOM_ONLY_Y:
    case ID_ZOOM_BOTH: case ID_VIEW_PARALLEL: case ID_VIEW_PERSPECTIVE: case ID_VIEW_DISTANCE:
    case ID_3D_ROTATION: case ID_3D_MOVE: case ID_3D_ZOOM: case ID_3D_ZOOM_X: case ID_3D_ZOOM_Y:
    case ID_3D_ZOOM_Z: case ID_VIEW_LAYER_INFO: case ID_VIEW_PROMPT_WINDOW: case ID_OPTIONS_MIN_SPACING:
    case ID_3D_THIN_LAYER:
        return true;
    default:
        return false;
    }
}

// Menu 358: the one popup of a numeric box's right click.
inline MenuRes SeriesPopupMenu() { return {"", {{"Series", ID_EDIT_BOX_SERIES, ""}}}; }
