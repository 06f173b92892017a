#pragma once
// Undo and redo over whole snapshots of the document and the edit block. Every editing command
// records the state before it changes anything; Undo and Redo move a cursor through at most six
// snapshots and put one back. A document holds one history, which takes its snapshots of that
// document.

#include "document/DocSnapshot.h"

#include <vector>

class CTessaronDoc;

class CUndoHistory {
public:
    static constexpr int kMaxSnapshots = 6;

    explicit CUndoHistory(CTessaronDoc& doc) : m_doc(doc) {}
    virtual ~CUndoHistory() = default;
    CUndoHistory(const CUndoHistory&) = delete;
    CUndoHistory& operator=(const CUndoHistory&) = delete;

    // Records the present state (the first step of every editing command).
    void CheckPoint();
    // Move the cursor and restore; nothing is restored when no move is possible.
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    // Drops the snapshot just recorded: the command's sheet was cancelled.
    void DiscardLastCheckPoint();
    void Clear();
    // Exchanges the snapshots and the cursor with another history (each keeps its document): a
    // document set aside during File Open keeps its history.
    void SwapEntries(CUndoHistory& other);

    int GetSnapshotCount() const { return static_cast<int>(m_Snapshots.size()); }
    int GetCursor() const { return m_nCursor; }
    const CDocSnapshot& GetSnapshot(int i) const { return m_Snapshots.at(i); }

private:
    CTessaronDoc& m_doc;
    std::vector<CDocSnapshot> m_Snapshots;  // oldest first
    int m_nCursor = -1;                     // the snapshot standing for the present state
    bool m_bUndoRecorded = false;           // an Undo appended the present state
};
