#include "textfiles/MergeMemo.h"

#include <cstring>
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

namespace {

// Reads an inputs text made by InputsText and compares it, part by part, with statements.
class CInputsReader {
public:
    explicit CInputsReader(const std::string& text) : m_text(text) {}

    bool AtEnd() const { return m_pos == m_text.size(); }

    // The next number is this one (AppendNumber's form).
    bool Number(long long expected)
    {
        // Most numbers (lengths, counts) take one byte.
        if (m_pos < m_text.size() && (static_cast<unsigned char>(m_text[m_pos]) & 0x80) == 0)
            return static_cast<unsigned long long>(static_cast<unsigned char>(m_text[m_pos++])) ==
                   static_cast<unsigned long long>(expected);
        unsigned long long value = 0;
        int shift = 0;
        for (;;) {
            if (m_pos >= m_text.size() || shift > 63)
                return false;
            const auto byte = static_cast<unsigned char>(m_text[m_pos++]);
            value |= static_cast<unsigned long long>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0)
                break;
            shift += 7;
        }
        return value == static_cast<unsigned long long>(expected);
    }

    // The next text is this one (AppendText's form).
    bool Text(const std::string& expected)
    {
        const std::size_t size = expected.size();
        if (!Number(static_cast<long long>(size)) || m_text.size() - m_pos < size)
            return false;
        if (size != 0 && std::memcmp(m_text.data() + m_pos, expected.data(), size) != 0)
            return false;
        m_pos += size;
        return true;
    }

    // The next statement is this one (AppendLine's form).
    bool Line(const CKeywordLine& line)
    {
        if (!Number(line.m_nLine) || !Number(line.m_nSource) || !Number(line.m_bModified) || !Text(line.m_strText) ||
            !Text(line.m_strKeyword) || !Number(static_cast<long long>(line.m_params.size())))
            return false;
        for (const CKeywordParam& p : line.m_params)
            if (!Text(p.m_strName) || !Text(p.m_strValue) || !Text(p.m_strSourcePrefix) || !Text(p.m_strSourceValue))
                return false;
        return true;
    }

private:
    const std::string& m_text;
    std::size_t m_pos = 0;
};

}  // namespace

void CMergeMemo::AppendLine(std::string& text, const CKeywordLine& line)
{
    AppendNumber(text, line.m_nLine);
    AppendNumber(text, line.m_nSource);
    AppendNumber(text, line.m_bModified);
    AppendText(text, line.m_strText);
    AppendText(text, line.m_strKeyword);
    AppendNumber(text, static_cast<long long>(line.m_params.size()));
    for (const CKeywordParam& p : line.m_params) {
        AppendText(text, p.m_strName);
        AppendText(text, p.m_strValue);
        AppendText(text, p.m_strSourcePrefix);
        AppendText(text, p.m_strSourceValue);
    }
}

std::string CMergeMemo::InputsText(const CKeywordLine& old, const CKeywordLine* before, const CKeywordLine& fresh)
{
    std::string text;
    AppendNumber(text, before != nullptr ? 1 : 0);
    AppendLine(text, old);
    if (before != nullptr)
        AppendLine(text, *before);
    AppendLine(text, fresh);
    return text;
}

bool CMergeMemo::Matches(const std::string& inputs, const CKeywordLine& old, const CKeywordLine* before,
                         const CKeywordLine& fresh)
{
    CInputsReader reader(inputs);
    return reader.Number(before != nullptr ? 1 : 0) && reader.Line(old) &&
           (before == nullptr || reader.Line(*before)) && reader.Line(fresh) && reader.AtEnd();
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
    m_current.emplace(hash, Entry{InputsText(inputs.old, before, inputs.fresh), written});
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
