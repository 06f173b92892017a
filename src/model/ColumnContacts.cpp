#include "model/ColumnContacts.h"

#include <stdexcept>

namespace {

template <class T>
T& At(std::vector<T>& v, int i)
{
    if (i < 0 || i >= static_cast<int>(v.size()))
        throw std::out_of_range("contact range index not in use");
    return v[i];
}

template <class T>
const T& At(const std::vector<T>& v, int i)
{
    if (i < 0 || i >= static_cast<int>(v.size()))
        throw std::out_of_range("contact range index not in use");
    return v[i];
}

template <class T>
bool Add(std::vector<T>& v, const T& range)
{
    if (static_cast<int>(v.size()) >= CColumnContacts::kMaxRanges)
        return false;
    v.push_back(range);
    return true;
}

template <class T>
bool Resize(std::vector<T>& v, int n, const T& fill)
{
    if (n < 0 || n > CColumnContacts::kMaxRanges)
        return false;
    v.resize(n, fill);
    return true;
}

template <class T>
bool Remove(std::vector<T>& v, int i)
{
    if (i < 0 || i >= static_cast<int>(v.size()))
        return false;
    v.erase(v.begin() + i);
    return true;
}

}  // namespace

CTopContact& CColumnContacts::Top(int i) { return At(m_Top, i); }
const CTopContact& CColumnContacts::Top(int i) const { return At(m_Top, i); }
CBottomContact& CColumnContacts::Bottom(int i) { return At(m_Bottom, i); }
const CBottomContact& CColumnContacts::Bottom(int i) const { return At(m_Bottom, i); }

bool CColumnContacts::AddTop(const CTopContact& range) { return Add(m_Top, range); }
bool CColumnContacts::AddBottom(const CBottomContact& range) { return Add(m_Bottom, range); }

bool CColumnContacts::SetTopCount(int n, const CTopContact& fill) { return Resize(m_Top, n, fill); }
bool CColumnContacts::SetBottomCount(int n, const CBottomContact& fill) { return Resize(m_Bottom, n, fill); }

bool CColumnContacts::RemoveTop(int i) { return Remove(m_Top, i); }
bool CColumnContacts::RemoveBottom(int i) { return Remove(m_Bottom, i); }

void CColumnContacts::Clear()
{
    m_Bottom.clear();
    m_Top.clear();
}
