#include "series/SeriesDocumentGuard.h"

#include "document/TessaronDoc.h"

CSeriesDocumentGuard::CSeriesDocumentGuard(CTessaronDoc& doc) : m_doc(doc), m_bModified(doc.IsModified())
{
    m_snapshot.Capture(doc);
}

CSeriesDocumentGuard::~CSeriesDocumentGuard()
{
    m_snapshot.Restore(m_doc);
    m_doc.SetModifiedFlag(m_bModified);
    m_doc.UpdateAllViews(0);
}
