#include "model/SharedColumns.h"

#include <utility>

CColumnRec& CSharedColumns::Mutable(std::size_t c)
{
    Pointer& column = m_columns[c];
    if (column.use_count() > 1) {
        // The copy shares the layers too: only the layers then written are copied.
        CSharedLayers::SharingScope sharing;
        column = std::make_shared<CColumnRec>(*column);
    }
    return *column;
}

void CSharedColumns::Replace(std::size_t c, CColumnRec&& column)
{
    m_columns[c] = std::make_shared<CColumnRec>(std::move(column));
}

void CSharedColumns::resize(std::size_t n)
{
    const std::size_t before = m_columns.size();
    m_columns.resize(n);
    for (std::size_t c = before; c < n; ++c)
        m_columns[c] = std::make_shared<CColumnRec>();
}

void CSharedColumns::insert(std::size_t c, const CColumnRec& column)
{
    m_columns.insert(m_columns.begin() + static_cast<std::ptrdiff_t>(c), std::make_shared<CColumnRec>(column));
}

void CSharedColumns::erase(std::size_t c)
{
    m_columns.erase(m_columns.begin() + static_cast<std::ptrdiff_t>(c));
}

void CSharedColumns::clear()
{
    m_columns.clear();
}
