#include "document/UndoHistory.h"

#include <utility>

bool CUndoHistory::CanUndo() const
{
    return m_bUndoRecorded ? m_nCursor > 0 : m_nCursor > -1;
}

bool CUndoHistory::CanRedo() const
{
    // Compared unsigned, as it always was: a cursor of -1 never allows a redo.
    return static_cast<unsigned>(m_nCursor) < static_cast<unsigned>(GetSnapshotCount() - 1);
}

void CUndoHistory::Clear()
{
    m_Snapshots.clear();
    m_nCursor = -1;
    m_bUndoRecorded = false;
}

void CUndoHistory::CheckPoint()
{
    if (m_bUndoRecorded) {
        // The snapshot at the cursor equals the present state: it is recorded again below.
        DiscardLastCheckPoint();
        m_bUndoRecorded = false;
    }
    if (CanRedo())
        m_Snapshots.resize(m_nCursor + 1);
    m_Snapshots.emplace_back();
    m_Snapshots.back().Capture(m_doc);
    if (GetSnapshotCount() <= kMaxSnapshots)
        ++m_nCursor;
    else
        m_Snapshots.erase(m_Snapshots.begin());
}

void CUndoHistory::Undo()
{
    if (!m_bUndoRecorded) {
        CheckPoint();
        m_bUndoRecorded = true;
    }
    if (CanUndo()) {
        --m_nCursor;
        m_Snapshots[m_nCursor].Restore(m_doc);
    }
}

void CUndoHistory::Redo()
{
    if (CanRedo()) {
        ++m_nCursor;
        m_Snapshots[m_nCursor].Restore(m_doc);
    }
}

void CUndoHistory::DiscardLastCheckPoint()
{
    if (!CanUndo())
        return;
    m_Snapshots.resize(m_nCursor);
    --m_nCursor;
}

void CUndoHistory::SwapEntries(CUndoHistory& other)
{
    m_Snapshots.swap(other.m_Snapshots);
    std::swap(m_nCursor, other.m_nCursor);
    std::swap(m_bUndoRecorded, other.m_bUndoRecorded);
}
