#include "textfiles/SideContactStatements.h"
#include <string_view>

#include "platform/NumberText.h"

void CSideContactStatements::ReadRotation(int n)
{
    double angle = 0.0;
    const int count = m_ctx.lines.GetCount();
    for (int i = 0; i < count; ++i)
        if (std::string_view(m_ctx.lines.GetKeyword(i)) == "rotation") angle = AtoF(m_ctx.lines.GetLineParam(i, "angle"));
    m_ctx.zsegs[n].SetAngle(angle);
}

int CSideContactStatements::ReadSideContacts(int n)
{
    std::vector<CContactList> groups;
    CContactList current;
    int row = -1;
    const int count = m_ctx.lines.GetCount();
    for (int i = 0; i < count; ++i) {
        // Compared as a view: a comparison with a text literal then needs no library call.
        const std::string_view keyword = m_ctx.lines.GetKeyword(i);
        if (keyword == "layer") {
            if (current.GetCount() > 0) groups.push_back(current);
            ++row;
            current.RemoveAll();
            current.m_nRow = row;
        } else if (keyword == "left_contact" || keyword == "right_contact") {
            const CKeywordLine& line = m_ctx.lines[i];
            CContactRec contact;
            contact.m_nContactNum = AtoI(line.GetParam("contact_num"));
            contact.m_strType = line.GetParam("contact_type");
            const std::string work = line.GetParam("work_function");
            if (!work.empty()) contact.m_dWorkFunction = AtoF(work);
            const std::string barrier = line.GetParam("barrier");
            if (!barrier.empty()) contact.m_dBarrier = AtoF(barrier);
            contact.m_fFrom = static_cast<float>(AtoF(line.GetParam("from")));
            contact.m_fTo = static_cast<float>(AtoF(line.GetParam("to")));
            contact.m_nSide = keyword == "left_contact" ? 0 : 1;
            current.m_Contacts.push_back(contact);
        }
    }
    if (current.GetCount() > 0) groups.push_back(current);
    m_ctx.zsegs[n].m_SideContacts = groups;
    return 1;
}

void CSideContactStatements::LinkSideContactsToPrevious(int n)
{
    if (n < 1) return;
    CZSegment& z = m_ctx.zsegs[n];
    int ordinal[2] = {-1, -1};
    for (CContactList& group : z.m_SideContacts) {
        for (CContactRec& contact : group.m_Contacts) {
            const int side = contact.m_nSide == 0 ? 0 : 1;
            const int k = ++ordinal[side];
            const int v = z.MatchSideContacts(k, contact.m_nSide, group.m_nRow);
            if (FindMatchingSideContact(n - 1, contact.m_nSide, group.m_nRow, v)) contact.m_nLink = 1;
        }
    }
}

bool CSideContactStatements::FindMatchingSideContact(int m, int side, int row, int v) const
{
    const CZSegment& z = m_ctx.zsegs[m];
    int w = 0;
    for (const CContactList& group : z.m_SideContacts) {
        if (group.m_nRow != row) continue;
        for (const CContactRec& contact : group.m_Contacts) {
            if (contact.m_nSide != side) continue;
            if (z.MatchSideContacts(w, side, row) == v) return true;
            ++w;
        }
    }
    return false;
}

CKeywordLine CSideContactStatements::FormatSideContact(const CContactRec& contact)
{
    CKeywordLine line = NewStatement(contact.m_nSide == 0 ? "left_contact" : "right_contact");
    AppendContactParams(line, contact.m_fFrom, contact.m_fTo, contact.m_nContactNum, contact.m_strType,
                        contact.m_dBarrier, contact.m_dWorkFunction);
    return line;
}

int CSideContactStatements::WriteSideContacts(int n, int row)
{
    for (const CContactList& group : m_ctx.zsegs[n].m_SideContacts) {
        if (group.m_nRow != row) continue;
        for (const CContactRec& contact : group.m_Contacts) m_ctx.lines.Append(FormatSideContact(contact));
    }
    return 1;
}
