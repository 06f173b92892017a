#pragma once
// A statement list shared between copies until one of them is written: the document's statement
// list, the lines kept after a read, the material sets, the seg-info records and every undo
// snapshot of them hold one list of a file's statements instead of a copy each. Copying copies a
// pointer; Mutable copies the list first when another holder shares it. Reading never copies.
//
// A reference from Mutable is valid for writing until the list is next copied: a command that
// writes the list takes the reference after its undo checkpoint, not before, or it would write
// into the list the snapshot shares.

#include "statements/KeywordLineList.h"

#include <memory>

class CSharedKeywordLines {
public:
    // An empty list (nothing allocated until it is written).
    CSharedKeywordLines() = default;
    // Holds a list of its own made from lines.
    explicit CSharedKeywordLines(CKeywordLineList lines);

    const CKeywordLineList& Get() const { return m_lines ? *m_lines : Empty(); }
    const CKeywordLineList& operator*() const { return Get(); }
    const CKeywordLineList* operator->() const { return &Get(); }

    // The list for writing: copied first when another holder shares it.
    CKeywordLineList& Mutable();
    // Empties the list: in place when no other holder shares it, so that a reference from Mutable
    // stays valid; otherwise the shared list is left to its other holders.
    void RemoveAll();
    // True when both hold the same list (two empty lists count as the same).
    bool SharesWith(const CSharedKeywordLines& other) const { return &Get() == &other.Get(); }

private:
    static const CKeywordLineList& Empty();
    std::shared_ptr<CKeywordLineList> m_lines;  // null: empty
};
