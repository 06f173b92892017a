// Undo and redo commands of the document.

#include "document/TessaronDoc.h"

void CTessaronDoc::CaptureSnapshot(CDocSnapshot& snapshot) const { snapshot.Capture(*this); }

void CTessaronDoc::RestoreSnapshot(const CDocSnapshot& snapshot) { snapshot.Restore(*this); }

void CTessaronDoc::OnEditUndo()
{
    Undo();
    UpdateAllViews(0);
    SetModifiedFlag(true);
}

void CTessaronDoc::OnEditRedo()
{
    Redo();
    UpdateAllViews(0);
    SetModifiedFlag(true);
}
