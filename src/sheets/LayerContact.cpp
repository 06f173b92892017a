#include "sheets/LayerContact.h"

void CLayerContact::SetSideContacts(const std::vector<CContactList>& groups, int selectedRow)
{
    m_sideContacts = groups;
    m_nSelectedRow = selectedRow;
}
