#include "textfiles/MergeMemo.h"

#include <utility>

void CMergeMemo::Begin(const std::string& context)
{
    if (context != m_context)
        m_last.clear();
    m_context = context;
    m_current.clear();
}

const CKeywordLine* CMergeMemo::Find(const std::string& key)
{
    auto kept = m_current.find(key);
    if (kept != m_current.end())
        return &kept->second;
    auto last = m_last.find(key);
    if (last == m_last.end())
        return nullptr;
    // The entry moves to this save's set whole, its key and statement not copied.
    auto moved = m_current.insert(m_last.extract(last));
    return &moved.position->second;
}

void CMergeMemo::Keep(const std::string& key, const CKeywordLine& written)
{
    m_current.emplace(key, written);
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

void CMergeMemo::AppendLine(std::string& key, const CKeywordLine& line)
{
    AppendNumber(key, line.m_nLine);
    AppendNumber(key, line.m_nSource);
    AppendNumber(key, line.m_bModified);
    AppendText(key, line.m_strText);
    AppendText(key, line.m_strKeyword);
    AppendNumber(key, static_cast<long long>(line.m_params.size()));
    for (const CKeywordParam& param : line.m_params) {
        AppendText(key, param.m_strName);
        AppendText(key, param.m_strValue);
        AppendText(key, param.m_strSourcePrefix);
        AppendText(key, param.m_strSourceValue);
    }
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
