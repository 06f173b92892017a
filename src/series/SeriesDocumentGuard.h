#pragma once
// A series changes the document's model at every point and must give the document back exactly as
// it found it: the device, the edit images and the selection (a snapshot), and the modified flag.
// The undo history is never touched by a series. The guard puts everything back when it goes out
// of scope, however the series ends, and lets the views draw the restored device.

#include "document/DocSnapshot.h"

class CTessaronDoc;

class CSeriesDocumentGuard {
public:
    explicit CSeriesDocumentGuard(CTessaronDoc& doc);
    ~CSeriesDocumentGuard();
    CSeriesDocumentGuard(const CSeriesDocumentGuard&) = delete;
    CSeriesDocumentGuard& operator=(const CSeriesDocumentGuard&) = delete;

private:
    CTessaronDoc& m_doc;
    CDocSnapshot m_snapshot;
    bool m_bModified;
};
