#pragma once
// The structure statements of the old lines of a ".layer" file, indexed by the keys under which a
// fresh statement looks for its partner (column number, layer ordinal, contact numbers, VCSEL
// type). Built once per merge, so that pairing a large file stays linear. Each lookup hands the
// partner's load number and source id to the fresh statement, or -2 as its number without one.

#include "statements/KeywordLineList.h"

#include <map>
#include <string>
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
    using Pair = std::pair<std::string, std::string>;
    using Counted = std::pair<int, std::string>;

    template <class Map, class K>
    static int Lookup(const Map& map, const K& key)
    {
        auto it = map.find(key);
        return it == map.end() ? -1 : it->second;
    }
    static int Hand(const CKeywordLineList& old, CKeywordLine& fresh, int index);

    std::map<std::string, int> m_columns;
    std::map<int, int> m_layers;
    std::map<Counted, int> m_maters;
    std::map<Counted, int> m_gratings;
    std::map<Pair, int> m_tops;
    std::map<Pair, int> m_bottoms;
    std::map<Counted, int> m_newDopings;
    std::map<std::string, int> m_vcsels;
};
