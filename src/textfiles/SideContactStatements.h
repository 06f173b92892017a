#pragma once
// The rotation angle and the side contacts of a z-segment: the "rotation" statement, and the
// "left_contact" and "right_contact" statements, grouped by the layer row they follow.

#include "textfiles/LayerFileContext.h"

class CSideContactStatements {
public:
    explicit CSideContactStatements(CLayerFileContext& ctx) : m_ctx(ctx) {}

    // The angle of the last "rotation" statement (0.0 without one) becomes z-segment n's angle.
    void ReadRotation(int n);
    // Replaces z-segment n's side-contact groups: one group per row that has side contacts, the row
    // being the number of "layer" statements before them minus one. Returns 1.
    int ReadSideContacts(int n);
    // Marks the side contacts of z-segment n that continue one of z-segment n - 1 (same side, same
    // row, and that row of n - 1 holds enough contacts of the side). Nothing for n below 1.
    void LinkSideContactsToPrevious(int n);
    // True when z-segment m's row holds more than v contacts of the side.
    bool FindMatchingSideContact(int m, int side, int row, int v) const;
    // Appends the "left_contact" and "right_contact" statements of the row's groups. Returns 1.
    int WriteSideContacts(int n, int row);

    // One contact's statement (keyword and parameters).
    static CKeywordLine FormatSideContact(const CContactRec& contact);

private:
    CLayerFileContext& m_ctx;
};
