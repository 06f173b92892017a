#include "model/ContactRec.h"

void CContactList::RemoveAll()
{
    m_nRow = -1;
    m_Contacts.clear();
}

CContactRec& CContactList::GetContact(CContactRec& out, int index) const
{
    out = m_Contacts.at(index);
    return out;
}

CContactRec CContactList::CopyContactAt(int index) const
{
    return m_Contacts.at(index);
}
