#include "textfiles/MacroDef.h"

#include "platform/StringUtil.h"

#include <algorithm>

const char* const g_specialChars[] = {"~", "`", "!", "@", "#", "$", "%", "^", "*", "&",
                                      "(", ")", "+", "?", "=", "\\", "|", "{", "}", "[",
                                      "]", ";", ":", "\"", "'", "<", ",", ">"};
const int g_nSpecialChars = 28;

namespace {

// Hyphen-minus and solidus may not stand as a keyword, a parameter name or a value either,
// although Tokenize leaves them inside words.
const char* const kInvalidWordChars[] = {"-", "/"};

bool IsInvalidWord(const std::string& text)
{
    return CMacroDef::IsSpecialChar(g_specialChars, g_nSpecialChars, text)
           || CMacroDef::IsSpecialChar(kInvalidWordChars, 2, text);
}

const std::string& EntryAt(const std::vector<std::string>& entries, int i)
{
    static const std::string none;
    return (i >= 0 && i < static_cast<int>(entries.size())) ? entries[i] : none;
}

}  // namespace

CMacroDef::CMacroDef(const std::string& usage) : m_strUsage(usage) {}

const std::string& CMacroDef::GetToken(int i) const { return EntryAt(m_tokens, i); }

const std::string& CMacroDef::GetParamEntry(int i) const { return EntryAt(m_params, i); }

int CMacroDef::GetParamCount() const { return TripleCount(GetParamEntryCount()); }

std::string CMacroDef::FindParamValue(const std::string& name) const
{
    for (int i = 0; i < TripleCount(GetTokenCount()); ++i)
        if (GetToken(3 * i + 4) == name)
            return GetToken(3 * i + 6);
    return "";
}

bool CMacroDef::IsSpecialChar(const char* const* table, int count, const std::string& text)
{
    for (int i = 0; i < count; ++i)
        if (text == table[i])
            return true;
    return false;
}

int CMacroDef::Tokenize(const char* const* table, int count)
{
    m_strUsage.erase(0, std::min(m_strUsage.size(), m_strUsage.find_first_not_of(" \t\r\n\v\f")));
    m_tokens.clear();
    std::string current;
    auto flush = [&] {
        if (!current.empty())
            m_tokens.push_back(current);
        current.clear();
    };
    for (char c : m_strUsage) {
        const std::string single(1, c);
        if (c == ' ') {
            flush();
        } else if (IsSpecialChar(table, count, single)) {
            flush();
            m_tokens.push_back(single);
        } else {
            current += c;
        }
    }
    flush();
    return GetTokenCount();
}

void CMacroDef::RemoveToken(const std::string& text)
{
    m_tokens.erase(std::remove(m_tokens.begin(), m_tokens.end(), text), m_tokens.end());
}

void CMacroDef::RemoveTriple(const std::string& a, const std::string& b, const std::string& c)
{
    for (int p = 1; p - 1 < GetTokenCount() - 2; ++p) {
        if (m_tokens[p - 1] == a && m_tokens[p + 1] == b && m_tokens[p] == c)
            m_tokens.erase(m_tokens.begin() + (p - 1), m_tokens.begin() + (p + 2));
    }
}

void CMacroDef::Normalize()
{
    m_params = m_tokens;
    RemoveSymbolTriples();
    if (m_tokens.size() > 3 && ToLowerAscii(m_strComment).find("free-style") == std::string::npos)
        m_tokens[3] = m_tokens[3] + "_old_style";
}

// The symbol parameters name the free-style variables; the pages list only the variables.
void CMacroDef::RemoveSymbolTriples()
{
    int i = 0;
    while (i < GetParamCount()) {
        const std::string name = m_params[3 * i + 4];
        if (name.find("var_symbol") == std::string::npos) {
            ++i;
            continue;
        }
        const std::string value = m_params[3 * i + 6];
        m_params.erase(m_params.begin() + (3 * i + 4), m_params.begin() + (3 * i + 7));
        if (value == "temper")
            RemoveTemperatureParam(name);
    }
}

// The variable a "temper" symbol belongs to: "var" with the symbol's last character, found
// inside a parameter name after its first character.
void CMacroDef::RemoveTemperatureParam(const std::string& symbolName)
{
    const std::string target = "var" + symbolName.substr(symbolName.size() - 1);
    for (int j = 0; j < GetParamCount(); ++j) {
        const std::string::size_type at = m_params[3 * j + 4].find(target);
        if (at != std::string::npos && at > 0) {
            m_params.erase(m_params.begin() + (3 * j + 4), m_params.begin() + (3 * j + 7));
            return;
        }
    }
}

void CMacroDef::SetName(const std::string& name)
{
    if (m_tokens.size() > 3)
        m_tokens[3] = name;
}

bool CMacroDef::IsValid() const
{
    const int n = GetTokenCount();
    if (n % 3 != 1)
        return false;
    if (IsInvalidWord(m_tokens[0]))
        return false;
    for (int k = 1; k + 2 < n; k += 3) {
        if (IsInvalidWord(m_tokens[k]) || IsInvalidWord(m_tokens[k + 2]) || m_tokens[k + 1] != "=")
            return false;
    }
    return true;
}
