#include "textfiles/LayerParamFlags.h"

#include <iterator>
#include <utility>

namespace {

const std::pair<const char*, bool> kEntries[] = {
    {"solve_wave", false},      {"vcsel_type", true},        {"add_leftmesh", true},
    {"d", true},                {"r", true},                 {"angle", true},
    {"w", false},               {"lower_w", false},          {"upper_w", false},
    {"n_doping", false},        {"p_doping", false},         {"gaussian_tail", true},
    {"shift_center", true},     {"grading_from", false},     {"grading_angle", true},
    {"n", true},                {"xp", true},                {"m", true},
    {"macro_name", true},       {"insulator_macro", true},   {"active_macro", false},
    {"var", false},             {"grade_from", false},       {"grade_to", false},
    {"avar", false},            {"column_num", true},        {"grade_var", false},
    {"contact_type", true},     {"from", false},             {"to", false},
    {"barrier", false},         {"work_function", true},     {"contact_num", false},
    {"mesh_num", true},         {"auto_xpoint", true},       {"xpoint", true},
    {"file", true},             {"grating_model", true},     {"active", true},
    {"section_index", false},   {"section_loss", false},     {"layer", true},
    {"index", false},           {"core_radius", true},       {"outer_index", true},
    {"mesh_points", true},      {"embedded_structure", false},
};

}  // namespace

void FillLayerParamFlags()
{
    for (const auto& e : kEntries)
        g_layerParamFlags.insert({e.first, e.second});
}

const std::map<std::string, bool>& LayerParamFlags()
{
    if (g_layerParamFlags.size() < std::size(kEntries))
        FillLayerParamFlags();
    return g_layerParamFlags;
}
