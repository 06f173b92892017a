#include "textfiles/SolFile.h"

#include <algorithm>

const CSolFile::Companion CSolFile::kCompanions[3] = {
    {GROUP_GAIN, ".gain", &CZSegment::m_GainLines},
    {GROUP_DOPING, ".doping", &CZSegment::m_DopingLines},
    {GROUP_MATER, ".mater", &CZSegment::m_MaterLines},
};

int CSolFile::GetSimulatorTarget() const
{
    return m_pDoc ? m_pDoc->productCode : 2;
}

int CSolFile::ZSegmentsInUse() const
{
    if (!m_pDoc)
        return 0;
    return std::clamp(m_pDoc->settings.zsegCount, 0, static_cast<int>(m_pDoc->zsegs.size()));
}
