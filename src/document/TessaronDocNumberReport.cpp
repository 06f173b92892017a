// The report after an open (and after a ".layer" file read as a new z-segment) of the values in the read ".layer" files that are not numbers or not
// sizes a device can have (textfiles/UnusableNumbers.h).

#include "document/TessaronDoc.h"

#include "platform/UserPrompts.h"
#include "textfiles/UnusableNumbers.h"

#include <algorithm>

void CTessaronDoc::ReportUnusableNumbers() { ReportUnusableNumbers(0, GetZSegmentsInUse()); }

void CTessaronDoc::ReportUnusableNumbers(int first, int end)
{
    // Each z-segment's material set holds its file's statements as read.
    CUnusableNumbers numbers;
    end = std::min({end, GetZSegmentsInUse(), static_cast<int>(m_MaterialSets.size())});
    for (int i = std::max(first, 0); i < end; ++i)
        numbers.Collect(*m_MaterialSets[static_cast<std::size_t>(i)].m_Lines,
                        m_ZSegments[static_cast<std::size_t>(i)].m_strLayerFile);
    if (!numbers.IsEmpty())
        AfxMessageBox(numbers.Report(), MB_OK | MB_ICONEXCLAMATION);
}
