// Undo and redo commands of the document.

#include "document/TessaronDoc.h"

void CTessaronDoc::OnEditUndo()
{
    m_UndoHistory.Undo();
    UpdateAllViews(0);
    SetModifiedFlag(true);
}

void CTessaronDoc::OnEditRedo()
{
    m_UndoHistory.Redo();
    UpdateAllViews(0);
    SetModifiedFlag(true);
}
