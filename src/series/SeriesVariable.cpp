#include "series/SeriesVariable.h"

#include "document/TessaronDoc.h"
#include "series/SeriesValueList.h"

void CSeriesVariable::BuildValues()
{
    if (m_dStep == 0.0 && m_dInitial == m_dFinal) {
        m_Values.assign(1, m_dInitial);
        return;
    }
    CSeriesValueList::Build(m_dInitial, m_dFinal, m_dStep, m_Values);
}

void CSeriesVariable::ApplyValueAt(CTessaronDoc& doc, int i)
{
    if (m_Values.empty())
        BuildValues();
    if (i >= 0 && i < static_cast<int>(m_Values.size()))
        ApplyValue(doc, m_Values[static_cast<std::size_t>(i)]);
}

void CSeriesVariable::ApplyValue(CTessaronDoc& doc, double value)
{
    if (m_strName == "height")
        doc.ApplySeriesValue(0, m_nZSeg, m_nColumn, m_nRow, static_cast<float>(value));
    else if (m_strName == "width")
        doc.ApplySeriesValue(1, m_nZSeg, m_nColumn, m_nRow, static_cast<float>(value));
    else if (m_pBound)
        *m_pBound = value;
}
