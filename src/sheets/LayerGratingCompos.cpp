#include "sheets/LayerGratingCompos.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "sheets/DataExchange.h"

#include <algorithm>
#include <cmath>

namespace {

const char kBadOrder[] = "Grating_order is not correct!";
const char* const kKeywords[CLayerGratingCompos::kMacros] = {"hi_macro_name", "hi_active_macro", "lo_macro_name",
                                                            "lo_active_macro"};
const char* const kParamStems[CLayerGratingCompos::kMacros] = {"hi_var", "hi_avar", "lo_var", "lo_avar"};

// The picture's frame: the profile keeps to 10% .. 90% of each side.
int At(double share, int size) { return static_cast<int>(share * size); }

}  // namespace

const int CLayerGratingCompos::kDistanceBoxes[kDistances] = {IDC_HIGH, IDC_FALL, IDC_LOW, IDC_RISE};
const int CLayerGratingCompos::kNameBoxes[kMacros] = {IDC_HI_MACRO, IDC_HI_ACTIVE_MACRO, IDC_LO_MACRO,
                                                      IDC_LO_ACTIVE_MACRO};
const int CLayerGratingCompos::kValueBoxes[kMacros] = {IDC_HI_VAR, IDC_HI_AVAR, IDC_LO_VAR, IDC_LO_AVAR};
const int CLayerGratingCompos::kParamChoices[kMacros] = {IDC_HI_VAR_CHOICE, IDC_HI_AVAR_CHOICE, IDC_LO_VAR_CHOICE,
                                                         IDC_LO_AVAR_CHOICE};
const int CLayerGratingCompos::kDistanceParamIds[kDistances] = {70, 71, 72, 73};
const int CLayerGratingCompos::kValueParamIds[kMacros] = {75, 80, 85, 90};

const std::vector<int>& CLayerGratingCompos::InputControls()
{
    static const std::vector<int> controls = {IDC_HIGH,     IDC_FALL,          IDC_LOW,           IDC_RISE,
                                              IDC_HI_MACRO, IDC_HI_VAR,        IDC_HI_ACTIVE_MACRO, IDC_HI_AVAR,
                                              IDC_LO_MACRO, IDC_LO_VAR,        IDC_LO_ACTIVE_MACRO, IDC_LO_AVAR,
                                              IDC_HI_VAR_CHOICE, IDC_HI_AVAR_CHOICE, IDC_LO_VAR_CHOICE,
                                              IDC_LO_AVAR_CHOICE, IDC_ORDER};
    return controls;
}

std::vector<std::string> CLayerGratingCompos::ParamEntries(Macro macro)
{
    std::vector<std::string> entries;
    for (int slot = 1; slot <= kSlots; ++slot)
        entries.push_back(StrFormat("%s%d", kParamStems[macro], slot));
    return entries;
}

double* CLayerGratingCompos::Slots(Macro macro)
{
    double* slots[kMacros] = {m_Record.m_dHiVar, m_Record.m_dHiAVar, m_Record.m_dLoVar, m_Record.m_dLoAVar};
    return slots[macro];
}

std::string& CLayerGratingCompos::RecordName(Macro macro)
{
    std::string* names[kMacros] = {&m_Record.m_strHiMacro, &m_Record.m_strHiActiveMacro, &m_Record.m_strLoMacro,
                                   &m_Record.m_strLoActiveMacro};
    return *names[macro];
}

void CLayerGratingCompos::DoDataExchange(CDataExchange& dx)
{
    for (int m = 0; m < kMacros; ++m) {
        dx.Text(kNameBoxes[m], m_strName[m]);
        dx.Text(kValueBoxes[m], m_dValue[m]);
    }
    dx.Text(IDC_COLUMN, m_nColumn);
    for (int d = 0; d < kDistances; ++d)
        dx.Text(kDistanceBoxes[d], m_dDistance[d]);
}

void CLayerGratingCompos::OnInitPage()
{
    const double distances[kDistances] = {m_Record.m_dHigh, m_Record.m_dFall, m_Record.m_dLow, m_Record.m_dRise};
    std::copy(std::begin(distances), std::end(distances), m_dDistance);
    for (int m = 0; m < kMacros; ++m) {
        m_strName[m] = RecordName(static_cast<Macro>(m));
        m_dValue[m] = Slots(static_cast<Macro>(m))[0];
        m_nSlot[m] = 0;
    }
    m_nColumn = m_Record.m_nColumn + 1;
    m_nOrderSelection = 0;
    if (m_Record.m_nGratingOrder == 2)
        m_nOrderSelection = 1;
    else if (m_Record.m_nGratingOrder != 1)
        AfxMessageBox(kBadOrder, MB_OK);
}

void CLayerGratingCompos::OnSelChangeParam(Macro macro, int slot, bool controlsRead)
{
    if (slot < 0 || slot >= kSlots)
        return;
    double* slots = Slots(macro);
    if (controlsRead)
        slots[m_nSlot[macro]] = m_dValue[macro];
    m_nSlot[macro] = slot;
    m_dValue[macro] = slots[slot];
}

bool CLayerGratingCompos::IsControlEnabled(int id) const
{
    if (id == IDC_INPUT)
        return true;
    if (id == IDC_COLUMN)
        return false;
    const std::vector<int>& controls = InputControls();
    if (std::find(controls.begin(), controls.end(), id) == controls.end())
        return true;
    return m_Record.m_nPresent == 1;
}

bool CLayerGratingCompos::CheckComplete()
{
    if (m_Record.m_nPresent == 0)
        return true;
    m_Record.m_dHigh = m_dDistance[0];
    m_Record.m_dFall = m_dDistance[1];
    m_Record.m_dLow = m_dDistance[2];
    m_Record.m_dRise = m_dDistance[3];
    for (int m = 0; m < kMacros; ++m) {
        const Macro macro = static_cast<Macro>(m);
        RecordName(macro) = m_strName[m];
        Slots(macro)[m_nSlot[m]] = m_dValue[m];
    }
    for (int m = 0; m < kMacros; ++m) {
        std::string& name = RecordName(static_cast<Macro>(m));
        name = Trim(name);
        if (name.empty())
            AfxMessageBox(std::string("  You did not set ") + kKeywords[m] + ", \ngrating_compos will not be valid!",
                          MB_OK);
    }
    return true;
}

std::vector<CLayerGratingCompos::Point> CLayerGratingCompos::GetProfile(const double distances[kDistances], int width,
                                                                       int height)
{
    const int left = At(0.1, width);
    const int right = At(0.9, width);
    const int high = At(0.1, height);
    const int low = At(0.9, height);
    double part[kDistances];
    double total = 0.0;
    for (int d = 0; d < kDistances; ++d) {
        part[d] = std::isfinite(distances[d]) && distances[d] > 0.0 ? distances[d] : 0.0;
        total += part[d];
    }
    if (!(total > 0.0) || !std::isfinite(total))
        return {{left, high}, {At(0.25, width), low}, {At(0.75, width), low}, {right, high}};
    // Where each part ends, measured from the left of the frame.
    int ends[kDistances];
    double sum = 0.0;
    for (int d = 0; d < kDistances; ++d) {
        sum += part[d];
        ends[d] = left + static_cast<int>(std::lround((right - left) * (sum / total)));
    }
    return {{left, high}, {ends[0], high}, {ends[1], low}, {ends[2], low}, {ends[3], high}};
}
