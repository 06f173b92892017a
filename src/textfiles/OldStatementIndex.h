#pragma once
// The structure statements of the old lines of a ".layer" file, indexed by the keys under which a
// fresh statement looks for its partner (column number, layer ordinal, contact numbers, VCSEL
// type). Built once per merge, so that pairing a large file stays linear; it must not outlive the
// old list, nor see it change. Each lookup hands the
// partner's load number and source id to the fresh statement, or -2 as its number without one.

#include "statements/KeywordLineList.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

class COldStatementIndex {
public:
    explicit COldStatementIndex(const CKeywordLineList& old);

    int Column(const CKeywordLineList& old, CKeywordLine& fresh) const;
    // n: the number of "layer" statements before the fresh statement.
    int Layer(const CKeywordLineList& old, CKeywordLine& fresh, int n) const;
    int Mater(const CKeywordLineList& old, CKeywordLine& fresh, int n) const;
    int Grating(const CKeywordLineList& old, CKeywordLine& fresh, int n) const;
    int Top(const CKeywordLineList& old, CKeywordLine& fresh) const;
    int Bottom(const CKeywordLineList& old, CKeywordLine& fresh) const;
    int NewDoping(const CKeywordLineList& old, const CKeywordLine& layerMater, CKeywordLine& fresh, int n) const;
    int Vcsel(const CKeywordLineList& old, CKeywordLine& fresh) const;

private:
    // The texts are views into the statements' values: the index lives while the lists it was
    // made from and the statements looked up stay as they are.
    using Pair = std::pair<std::string_view, std::string_view>;
    using Counted = std::pair<int, std::string_view>;
    // The index holds every structure statement of a large file: hashed, its keys are not ordered
    // by string comparisons.
    struct PairHash {
        template <class A, class B>
        std::size_t operator()(const std::pair<A, B>& key) const
        {
            return std::hash<A>()(key.first) * 31u + std::hash<B>()(key.second);
        }
    };
    template <class K>
    using Map = std::unordered_map<K, int>;
    template <class K>
    using PairMap = std::unordered_map<K, int, PairHash>;

    template <class Map, class K>
    static int Lookup(const Map& map, const K& key)
    {
        auto it = map.find(key);
        return it == map.end() ? -1 : it->second;
    }
    static int Hand(const CKeywordLineList& old, CKeywordLine& fresh, int index);

    Map<std::string_view> m_columns;
    Map<int> m_layers;
    PairMap<Counted> m_maters;
    PairMap<Counted> m_gratings;
    PairMap<Pair> m_tops;
    PairMap<Pair> m_bottoms;
    PairMap<Counted> m_newDopings;
    Map<std::string_view> m_vcsels;
};
