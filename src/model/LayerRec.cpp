#include "model/LayerRec.h"

#include "model/VoidMacroName.h"

namespace {

struct Rgb {
    unsigned char r, g, b;
};

const Rgb kMaterialColours[23] = {
    {255, 128, 128}, {128, 128, 64}, {255, 255, 128}, {0, 255, 0},     {173, 100, 63},
    {128, 255, 255}, {70, 128, 255}, {130, 164, 164}, {255, 128, 192}, {44, 130, 64},
    {255, 128, 255}, {120, 96, 192}, {200, 0, 50},    {192, 180, 164}, {128, 128, 192},
    {128, 164, 112}, {255, 0, 255},  {255, 128, 64},  {40, 128, 128},  {64, 20, 128},
    {128, 128, 255}, {128, 10, 64},  {192, 64, 64},
};

void Widen(const CPoint3f& p, float& minX, float& maxX, float& minY, float& maxY)
{
    if (p.x < minX)
        minX = p.x;
    if (p.y < minY)
        minY = p.y;
    if (p.x > maxX)
        maxX = p.x;
    if (p.y > maxY)
        maxY = p.y;
}

}  // namespace

bool CLayerRec::IsEmpty() const
{
    return IsVoidMacroName(m_Material.m_Bulk.m_strName);
}

void CLayerRec::SetExtent(CPoint3f origin, float shift, bool clampHeight, float minHeight)
{
    PlaceOutline(origin, shift, clampHeight, minHeight, m_fLowerWidth, m_fUpperWidth, m_fHeight, m_A, m_B, m_C, m_D);
    m_nSelected = 0;
}

void CLayerRec::PlaceOutline(CPoint3f origin, float shift, bool clampHeight, float minHeight, float lowerWidth,
                             float upperWidth, float height, CPoint3f& a, CPoint3f& b, CPoint3f& c, CPoint3f& d)
{
    // A very thin layer may be drawn thicker so it stays visible; its height stays as given.
    const float h = (clampHeight && height < minHeight) ? minHeight : height;
    c = origin;
    b.x = origin.x + lowerWidth;
    b.y = origin.y;
    a.x = origin.x + shift;
    a.y = origin.y + h;
    d.x = a.x + upperWidth;
    d.y = a.y;
}

float* CLayerRec::GetRect(float rect[4]) const
{
    rect[0] = m_A.y;
    rect[1] = m_A.x;
    rect[2] = m_B.x;
    rect[3] = m_B.y;
    return rect;
}

bool CLayerRec::ExtendBounds(float& minX, float& maxX, float& minY, float& maxY) const
{
    if (m_nSolveWave == 0 || IsEmpty())
        return false;
    for (const CPoint3f* p : {&m_C, &m_A, &m_D, &m_B})
        Widen(*p, minX, maxX, minY, maxY);
    return true;
}

bool CLayerRec::SplitHorizontal(double cut, CLayerRec& first, CLayerRec& second) const
{
    first = *this;
    first.m_fHeight = static_cast<float>(m_fHeight - cut);
    second = *this;
    second.m_fHeight = static_cast<float>(cut);
    return true;
}

bool CLayerRec::SplitVertical(double cut, CLayerRec& first, CLayerRec& second) const
{
    float c = static_cast<float>(cut);
    first = *this;
    first.m_fWidth = c;
    first.m_fUpperWidth = c;
    first.m_fLowerWidth = c;
    second = *this;
    second.m_fWidth = static_cast<float>(m_fWidth - cut);
    second.m_fUpperWidth = static_cast<float>(m_fUpperWidth - cut);
    second.m_fLowerWidth = static_cast<float>(m_fLowerWidth - cut);
    return true;
}

void CLayerRec::PasteMaterial(CLayerRec source)
{
    m_Vcsel = source.m_Vcsel;
    m_Material = source.m_Material;
    m_Doping = source.m_Doping;
    m_nColour = source.m_nColour;
    m_nPattern = source.m_nPattern;
    m_nMaterialTag = source.m_nMaterialTag;
    m_nVcselFlag = source.m_nVcselFlag;
}

bool MaterialIndexColour(int index, unsigned char& red, unsigned char& green, unsigned char& blue)
{
    if (index < 0 || index > 22)
        return false;
    red = kMaterialColours[index].r;
    green = kMaterialColours[index].g;
    blue = kMaterialColours[index].b;
    return true;
}

bool IsDegenerateRect(const float rect[4])
{
    return rect[0] == rect[3] && rect[1] == rect[2];
}
