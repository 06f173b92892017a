#include "sheets/LayerSize.h"

#include "model/ProcessState.h"
#include "sheets/DataExchange.h"

#include <algorithm>
#include <cmath>

namespace {

const float kMinSize = 1e-5f;
const float kMaxSize = 1000.0f;
const float kScrollStep = 0.05f;
const int kPageStep = 10;
// Edge widths closer than this show as one width.
const float kSameWidth = 0.001f;

// The bars in the order of their boxes: height, width, upper, lower.
const int kBars[4] = {CLayerSize::IDC_HEIGHT_SCROLL, CLayerSize::IDC_WIDTH_SCROLL, CLayerSize::IDC_UPPER_SCROLL,
                      CLayerSize::IDC_LOWER_SCROLL};
const int kBoxes[4] = {CLayerSize::IDC_HEIGHT, CLayerSize::IDC_WIDTH, CLayerSize::IDC_UPPER_WIDTH,
                       CLayerSize::IDC_LOWER_WIDTH};

void SetChangeFlag(int boxId)
{
    switch (boxId) {
    case CLayerSize::IDC_HEIGHT: g_CurLayerParams.m_bHeightChanged = 1; break;
    case CLayerSize::IDC_WIDTH: g_CurLayerParams.m_bWidthChanged = 1; break;
    case CLayerSize::IDC_UPPER_WIDTH: g_CurLayerParams.m_bUpperWidthChanged = 1; break;
    case CLayerSize::IDC_LOWER_WIDTH: g_CurLayerParams.m_bLowerWidthChanged = 1; break;
    default: break;
    }
}

}  // namespace

CLayerSize::CLayerSize()
{
    g_CurLayerParams.m_bLowerWidthChanged = 0;
    g_CurLayerParams.m_bUpperWidthChanged = 0;
    g_CurLayerParams.m_bSpareChanged = 0;
    g_CurLayerParams.m_bHeightChanged = 0;
    g_CurLayerParams.m_bWidthChanged = 0;
    const CLayerRec& layer = g_EditLayer;
    if (layer.m_fUpperWidth != layer.m_fLowerWidth)
        m_nRegular = 0;
    m_fHeight = layer.m_fHeight;
    m_fUpperWidth = layer.m_fUpperWidth;
    m_fLowerWidth = layer.m_fLowerWidth;
    m_fWidth = std::fabs(layer.m_fUpperWidth - layer.m_fLowerWidth) < kSameWidth ? layer.m_fUpperWidth : layer.m_fWidth;
}

void CLayerSize::DoDataExchange(CDataExchange& dx)
{
    for (int i = 0; i < 4; ++i) {
        dx.Text(kBoxes[i], Value(i));
        dx.MinMaxFloat(Value(i), kMinSize, kMaxSize);
    }
}

int CLayerSize::GetWaveEquationSelection() const { return g_EditLayer.m_nSolveWave != 0 ? 1 : 0; }

void CLayerSize::OnWaveEquationChanged(int selection) { g_EditLayer.m_nSolveWave = selection == 0 ? 0 : 1; }

void CLayerSize::OnBoxChanged(int boxId) { SetChangeFlag(boxId); }

void CLayerSize::ToggleRegular()
{
    m_nRegular = 1 - m_nRegular;
    UpdateGraphButton();
}

void CLayerSize::UpdateGraphButton()
{
    m_nScrollPos[0] = ScrollPositionOf(m_fHeight);
    if (m_nRegular) {
        m_nScrollPos[1] = ScrollPositionOf(m_fWidth);
    } else {
        m_nScrollPos[2] = ScrollPositionOf(m_fUpperWidth);
        m_nScrollPos[3] = ScrollPositionOf(m_fLowerWidth);
    }
}

int CLayerSize::BarIndex(int barId) const
{
    const int* found = std::find(std::begin(kBars), std::end(kBars), barId);
    return found == std::end(kBars) ? -1 : int(found - std::begin(kBars));
}

int CLayerSize::BoxIndex(int boxId) const
{
    const int* found = std::find(std::begin(kBoxes), std::end(kBoxes), boxId);
    return found == std::end(kBoxes) ? -1 : int(found - std::begin(kBoxes));
}

float CLayerSize::GetBoxValue(int boxId) const
{
    const int index = BoxIndex(boxId);
    return index < 0 ? 0.0f : Value(index);
}

const float& CLayerSize::Value(int index) const
{
    const float* values[4] = {&m_fHeight, &m_fWidth, &m_fUpperWidth, &m_fLowerWidth};
    return *values[index];
}

int CLayerSize::OnHScroll(int barId, ScrollCode code, int reportedPosition)
{
    const int index = BarIndex(barId);
    if (index < 0)
        return 0;
    int p = m_nScrollPos[index];
    switch (code) {
    case SB_LINELEFT:
        if (p > kScrollMin)
            --p;
        break;
    case SB_LINERIGHT:
        if (p < kScrollMax)
            ++p;
        break;
    case SB_PAGELEFT: p = std::max(kScrollMin, p - kPageStep); break;
    case SB_PAGERIGHT: p = std::min(kScrollMax, p + kPageStep); break;
    case SB_THUMBPOSITION: p = reportedPosition; break;
    default: break;
    }
    m_nScrollPos[index] = p;
    Value(index) = static_cast<float>(p) * kScrollStep;
    SetChangeFlag(kBoxes[index]);
    return kBoxes[index];
}

int CLayerSize::GetScrollPosition(int barId) const
{
    const int index = BarIndex(barId);
    return index < 0 ? 0 : m_nScrollPos[index];
}

bool CLayerSize::IsControlEnabled(int id) const
{
    switch (id) {
    case IDC_WIDTH:
    case IDC_WIDTH_SCROLL:
    case IDC_WIDTH_LABEL:
    case IDC_WIDTH_UNIT: return m_nRegular != 0;
    case IDC_UPPER_WIDTH:
    case IDC_UPPER_SCROLL:
    case IDC_UPPER_LABEL:
    case IDC_UPPER_UNIT:
    case IDC_LOWER_WIDTH:
    case IDC_LOWER_SCROLL:
    case IDC_LOWER_LABEL:
    case IDC_LOWER_UNIT: return m_nRegular == 0;
    default: return true;
    }
}

const char* CLayerSize::GetConvertButtonText() const
{
    return m_nRegular ? "Convert To Irregular Graph" : "Convert To Regular Graph";
}

void CLayerSize::CollectInto(CLayerRec& layer) const
{
    layer.m_fHeight = m_fHeight;
    layer.m_fWidth = m_fWidth;
    layer.m_fUpperWidth = m_nRegular ? m_fWidth : m_fUpperWidth;
    layer.m_fLowerWidth = m_nRegular ? m_fWidth : m_fLowerWidth;
}

int CLayerSize::ScrollPositionOf(float value)
{
    const double limited = std::min(std::max(value, kMinSize), kMaxSize);
    const int position = static_cast<int>(limited * 20.0 + 0.49);
    return std::min(std::max(position, kScrollMin), kScrollMax);
}
