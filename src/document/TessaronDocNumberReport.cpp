// The report after an open of the values in the read ".layer" files that are not numbers or not
// sizes a device can have (textfiles/UnusableNumbers.h).

#include "document/TessaronDoc.h"

#include "platform/UserPrompts.h"
#include "textfiles/UnusableNumbers.h"

void CTessaronDoc::ReportUnusableNumbers()
{
    // Each z-segment's material set holds its file's statements as read.
    CUnusableNumbers numbers;
    const int inUse = std::min(GetZSegmentsInUse(), static_cast<int>(m_MaterialSets.size()));
    for (int i = 0; i < inUse; ++i)
        numbers.Collect(*m_MaterialSets[static_cast<std::size_t>(i)].m_Lines,
                        m_ZSegments[static_cast<std::size_t>(i)].m_strLayerFile);
    if (!numbers.IsEmpty())
        AfxMessageBox(numbers.Report(), MB_OK | MB_ICONEXCLAMATION);
}
