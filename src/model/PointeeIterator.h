#pragma once
// A random-access iterator over a vector of shared pointers (or counted references) that reads the
// records they point to as const records: the shared column and layer lists hand out their contents
// this way, so readers never see (or copy) the pointers.

#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

template <typename Record, typename Pointer = std::shared_ptr<Record>>
class CPointeeIterator {
public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = Record;
    using difference_type = std::ptrdiff_t;
    using pointer = const Record*;
    using reference = const Record&;
    using Base = typename std::vector<Pointer>::const_iterator;

    CPointeeIterator() = default;
    explicit CPointeeIterator(Base it) : m_it(it) {}
    reference operator*() const { return **m_it; }
    pointer operator->() const { return &**m_it; }
    CPointeeIterator& operator++() { ++m_it; return *this; }
    CPointeeIterator operator++(int) { CPointeeIterator before = *this; ++m_it; return before; }
    CPointeeIterator& operator--() { --m_it; return *this; }
    CPointeeIterator& operator+=(difference_type n) { m_it += n; return *this; }
    CPointeeIterator operator+(difference_type n) const { return CPointeeIterator(m_it + n); }
    difference_type operator-(const CPointeeIterator& other) const { return m_it - other.m_it; }
    reference operator[](difference_type n) const { return *m_it[n]; }
    bool operator==(const CPointeeIterator& other) const { return m_it == other.m_it; }
    bool operator!=(const CPointeeIterator& other) const { return m_it != other.m_it; }
    bool operator<(const CPointeeIterator& other) const { return m_it < other.m_it; }

private:
    Base m_it;
};
