#include "textfiles/MergeMemo.h"

#include <functional>
#include <utility>

void CMergeMemo::Begin(const std::string& context)
{
    if (context != m_context)
        m_last.clear();
    m_context = context;
    m_current.clear();
    // A save merges about as many statements as the last one: the set is not grown step by step.
    m_current.reserve(m_last.size());
}

std::size_t CMergeMemo::Hash(const CKeywordLine& old, const CKeywordLine* before, const CKeywordLine& fresh)
{
    // A few cheap parts: an entry is found by comparing the inputs whole, and the load number
    // alone already tells the statements of one file apart.
    std::size_t hash = std::hash<std::string>()(old.m_strText);
    for (long long part : {static_cast<long long>(old.m_nLine), static_cast<long long>(old.m_params.size()),
                           static_cast<long long>(fresh.m_params.size()), before != nullptr ? 1LL : 0LL})
        hash = hash * 1000003u ^ std::hash<long long>()(part);
    return hash;
}

bool CMergeMemo::Matches(const Inputs& inputs, const CKeywordLine& old, const CKeywordLine* before,
                         const CKeywordLine& fresh)
{
    return inputs.cleared == (before != nullptr) && SameLine(inputs.old, old) && SameLine(inputs.fresh, fresh) &&
           (before == nullptr || SameLine(inputs.before, *before));
}

const CMergeMemo::Entry* CMergeMemo::FindIn(const Entries& entries, std::size_t hash, const CKeywordLine& old,
                                            const CKeywordLine* before, const CKeywordLine& fresh,
                                            Entries::const_iterator* at)
{
    const auto range = entries.equal_range(hash);
    for (auto it = range.first; it != range.second; ++it)
        if (Matches(it->second.inputs, old, before, fresh)) {
            if (at != nullptr)
                *at = it;
            return &it->second;
        }
    return nullptr;
}

const CKeywordLine* CMergeMemo::Find(const CKeywordLine& old, const CKeywordLine* before, const CKeywordLine& fresh)
{
    const std::size_t hash = Hash(old, before, fresh);
    if (const Entry* kept = FindIn(m_current, hash, old, before, fresh, nullptr))
        return &kept->written;
    Entries::const_iterator at;
    if (FindIn(m_last, hash, old, before, fresh, &at) == nullptr)
        return nullptr;
    // The entry moves to this save's set whole, its inputs and statement not copied.
    auto moved = m_current.insert(m_last.extract(at));
    return &moved->second.written;
}

void CMergeMemo::Keep(Inputs inputs, const CKeywordLine& written)
{
    const CKeywordLine* before = inputs.cleared ? &inputs.before : nullptr;
    const std::size_t hash = Hash(inputs.old, before, inputs.fresh);
    // Equal inputs merge alike: the first statement kept for them answers them.
    if (FindIn(m_current, hash, inputs.old, before, inputs.fresh, nullptr) != nullptr)
        return;
    m_current.emplace(hash, Entry{std::move(inputs), written});
}

void CMergeMemo::End()
{
    m_last = std::move(m_current);
    m_current = Entries();
}

const CKeywordLine* CMergeMemo::FindIdentity(int number, const std::string& text) const
{
    auto it = m_identities.find(number);
    if (it == m_identities.end())
        return nullptr;
    const Identity& known = it->second;
    const std::string& read = known.text.empty() ? known.reduced.m_strText : known.text;
    return read == text ? &known.reduced : nullptr;
}

void CMergeMemo::KeepIdentity(int number, const std::string& text, const CKeywordLine& reduced)
{
    Identity& known = m_identities[number];
    known.reduced = reduced;
    // Most statements read back as they were written: their text is kept once.
    known.text = text == reduced.m_strText ? std::string() : text;
}

void CMergeMemo::AppendNumber(std::string& key, long long number)
{
    // Seven bits a byte, the last byte without its top bit: small numbers (most lengths) take one
    // byte, and no number's bytes begin another's.
    auto bits = static_cast<unsigned long long>(number);
    while (bits >= 0x80) {
        key += static_cast<char>((bits & 0x7F) | 0x80);
        bits >>= 7;
    }
    key += static_cast<char>(bits);
}

void CMergeMemo::AppendText(std::string& key, const std::string& text)
{
    // The length first, so that no two lists of texts give the same key.
    AppendNumber(key, static_cast<long long>(text.size()));
    key += text;
}

bool CMergeMemo::SameLine(const CKeywordLine& a, const CKeywordLine& b)
{
    if (a.m_nLine != b.m_nLine || a.m_nSource != b.m_nSource || a.m_bModified != b.m_bModified ||
        a.m_strText != b.m_strText || a.m_strKeyword != b.m_strKeyword || a.m_params.size() != b.m_params.size())
        return false;
    for (std::size_t i = 0; i < a.m_params.size(); ++i) {
        const CKeywordParam& p = a.m_params[i];
        const CKeywordParam& q = b.m_params[i];
        if (p.m_strName != q.m_strName || p.m_strValue != q.m_strValue ||
            p.m_strSourcePrefix != q.m_strSourcePrefix || p.m_strSourceValue != q.m_strSourceValue)
            return false;
    }
    return true;
}
