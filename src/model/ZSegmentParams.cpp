#include "model/ZSegmentParams.h"

void CZSegmentParams::Reset()
{
    m_strTaperLink = "yes";
    m_dZFrom = 0.0;
    m_dZTo = 0.0;
    m_nZPlanes = 1;
    m_nMethod = -1;
    m_nTaperPointCount = 0;
    m_nSpare = 0;
    m_dAngle = 0.0;
}
