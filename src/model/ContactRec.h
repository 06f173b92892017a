#pragma once
// Side contacts: contacts on the left or right face of a layer row ("left_contact" and
// "right_contact"), grouped by row.

#include <string>
#include <vector>

#include "model/Point3f.h"
#include "model/UnsetValue.h"

class CContactRec {
public:
    std::string m_strType = "ohmic";   // "ohmic" or "schottky"
    int m_nIndex = -1;                 // carried by copies
    int m_nSide = 0;                   // 0 left face, 1 right face
    float m_fFrom = 0.0f;              // along the face, from the layer's lower edge
    float m_fTo = 0.0f;
    int m_nLink = 0;                   // continues a contact of the previous z-segment
    int m_nContactNum = 1;             // "contact_num"
    double m_dWorkFunction = kUnsetValue;  // kUnsetValue: not given
    double m_dBarrier = kUnsetValue;       // kUnsetValue: not given
    std::vector<CPoint3f> m_Outline;   // eight corners when computed: one face, then the other

    CContactRec() = default;
    CContactRec(const CContactRec&) = default;
    CContactRec& operator=(const CContactRec&) = default;
    CContactRec(CContactRec&&) = default;
    CContactRec& operator=(CContactRec&&) = default;
    virtual ~CContactRec() = default;
};

// The side contacts of one layer row.
class CContactList {
public:
    int m_nRow = -1;                    // layer row whose faces the contacts belong to
    std::vector<CContactRec> m_Contacts;

    CContactList() = default;
    CContactList(const CContactList&) = default;
    CContactList& operator=(const CContactList&) = default;
    CContactList(CContactList&&) = default;
    CContactList& operator=(CContactList&&) = default;
    virtual ~CContactList() = default;

    // Row -1, no contacts.
    void RemoveAll();
    int GetCount() const { return static_cast<int>(m_Contacts.size()); }
    // A copy of contact index into out; returns out. The index must be below GetCount().
    CContactRec& GetContact(CContactRec& out, int index) const;
    CContactRec CopyContactAt(int index) const;
};
