#pragma once
// The columns of a z-segment, shared between copies until one of them is written: copying a
// z-segment (an undo snapshot, a restore) copies one pointer per column, and a column is copied
// only when a copy that shares it asks to change it (Mutable); that copy shares the column's layers
// in turn until each is written (see SharedLayers.h). Reading never copies.
//
// A reference from Mutable is valid for writing until the z-segment is next copied: a command takes
// its column and layer references after its undo checkpoint, not before, or it would write into the
// column the snapshot shares.

#include "model/ColumnRec.h"
#include "model/PointeeIterator.h"

#include <cstddef>
#include <memory>
#include <vector>

class CSharedColumns {
public:
    using Pointer = std::shared_ptr<CColumnRec>;

    // Reads the columns in order as const records.
    using const_iterator = CPointeeIterator<CColumnRec>;

    std::size_t size() const { return m_columns.size(); }
    bool empty() const { return m_columns.empty(); }
    const CColumnRec& operator[](std::size_t c) const { return *m_columns[c]; }
    const CColumnRec& front() const { return *m_columns.front(); }
    const CColumnRec& back() const { return *m_columns.back(); }
    const_iterator begin() const { return const_iterator(m_columns.begin()); }
    const_iterator end() const { return const_iterator(m_columns.end()); }

    // Column c for writing: copied first when another z-segment shares it.
    CColumnRec& Mutable(std::size_t c);
    // True when column c is also held by another copy.
    bool IsShared(std::size_t c) const { return m_columns[c].use_count() > 1; }
    // Column c becomes that record (the shared one is left to its other holders).
    void Replace(std::size_t c, CColumnRec&& column);

    // Columns beyond n are dropped; new ones are default columns.
    void resize(std::size_t n);
    void insert(std::size_t c, const CColumnRec& column);
    void erase(std::size_t c);
    void clear();
    void shrink_to_fit() { m_columns.shrink_to_fit(); }

private:
    std::vector<Pointer> m_columns;  // never null
};
