#include "statements/KeywordLine.h"

#include "platform/Archive.h"
#include "platform/StringUtil.h"

#include <vector>

namespace {

constexpr std::size_t kLineLimit = 80;  // longest physical line before a keyword is cut
constexpr std::size_t kLineRoom = 77;   // characters before " &&" on a full line
const char* const kContinuation = " &&";
const char* const kLineEnd = "\r\n";
const char* const kIndent = "  ";

// CR, LF and "&" read as blanks; runs of blanks collapse to one. TABs are kept as they are.
std::string NormaliseStatementText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '&')
            c = ' ';
        if (c == ' ' && !out.empty() && out.back() == ' ')
            continue;
        out += c;
    }
    return out;
}

char CloserOf(char opener)
{
    switch (opener) {
    case '[': return ']';
    case '(': return ')';
    case '{': return '}';
    default: return '\0';
    }
}

// Takes one parameter off the front of rest; false when none can be taken (rest then unchanged).
// ended is set when an unclosed bracket group took the rest of the statement.
bool TakeParam(std::string& rest, CKeywordParam& param, bool& ended)
{
    std::size_t equals = rest.find('=');
    if (equals == std::string::npos)
        return false;
    std::size_t valueStart = equals + 1;
    while (valueStart < rest.size() && IsBlank(rest[valueStart]))
        ++valueStart;
    if (valueStart >= rest.size())
        return false;
    param.m_strSourcePrefix = rest.substr(0, valueStart);
    param.m_strName = Trim(rest.substr(0, equals));
    std::size_t valueEnd;
    std::string value;
    char closer = CloserOf(rest[valueStart]);
    if (closer) {
        std::size_t close = rest.find(closer, valueStart + 1);
        if (close == std::string::npos) {
            value = rest.substr(valueStart) + closer;
            valueEnd = rest.size();
            ended = true;
        } else {
            valueEnd = close + 1;
            value = rest.substr(valueStart, valueEnd - valueStart);
        }
    } else {
        valueEnd = rest.find_first_of(" \t", valueStart);
        if (valueEnd == std::string::npos)
            valueEnd = rest.size();
        value = rest.substr(valueStart, valueEnd - valueStart);
    }
    param.m_strValue = value;
    param.m_strSourceValue = value;
    rest.erase(0, valueEnd);
    return true;
}

// Cuts an over-long keyword into full lines of 77 characters; returns the remainder as the current
// line. indentRemainder puts two blanks before each remainder (the writer's layout).
std::string CutKeyword(const std::string& keyword, bool indentRemainder, std::vector<std::string>& lines)
{
    std::string current = keyword;
    while (current.size() > kLineLimit) {
        lines.push_back(current.substr(0, kLineRoom) + kContinuation);
        current = (indentRemainder ? std::string(kIndent) : std::string()) + current.substr(kLineRoom);
    }
    return current;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += kLineEnd;
        text += lines[i];
    }
    return text;
}

}  // namespace

bool GetFirstWord(const std::string& text, std::string& word)
{
    std::size_t start = 0;
    while (start < text.size() && IsWhiteSpace(text[start]))
        ++start;
    if (start >= text.size())
        return false;
    std::size_t end = text.find_first_of(" \t", start);
    word = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return true;
}

bool CKeywordLine::Parse(std::string& text)
{
    text = Trim(text);
    m_bModified = 0;
    m_nLine = 0;
    m_strKeyword.clear();
    m_params.clear();
    if (text.empty()) {
        m_strText = kLineEnd;
        return false;
    }
    m_strText = text;
    std::string normal = NormaliseStatementText(text);
    if (normal[0] == '$' && normal.find("$SourceFile") == std::string::npos) {
        m_strKeyword = normal;
        return true;
    }
    GetFirstWord(normal, m_strKeyword);
    // The keyword need not stand at the very start: a leading "&" became a blank above.
    std::size_t keywordEnd = m_strKeyword.empty() ? 0 : normal.find(m_strKeyword) + m_strKeyword.size();
    std::string rest = normal.substr(keywordEnd);
    bool ended = false;
    while (!ended) {
        CKeywordParam param;
        if (!TakeParam(rest, param, ended))
            break;
        m_params.push_back(std::move(param));
    }
    return true;
}

std::string CKeywordLine::GetParam(const std::string& name) const
{
    for (const CKeywordParam& param : m_params)
        if (param.m_strName == name)
            return param.m_strValue;
    return std::string();
}

int CKeywordLine::IndexOfParamContaining(const std::string& text) const
{
    for (std::size_t i = 0; i < m_params.size(); ++i)
        if (m_params[i].m_strName.find(text) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

std::string CKeywordLine::FindParamContaining(const std::string& text) const
{
    int index = IndexOfParamContaining(text);
    return index < 0 ? std::string() : m_params[static_cast<std::size_t>(index)].m_strName;
}

void CKeywordLine::SetParam(const std::string& name, const std::string& value, bool overwrite)
{
    for (CKeywordParam& param : m_params) {
        if (param.m_strName == name) {
            if (overwrite) {
                param.m_strValue = value;
                m_bModified = 1;
            }
            return;
        }
    }
    m_params.emplace_back(name, value);
    m_bModified = 1;
}

void CKeywordLine::RemoveParam(int index)
{
    if (index < 0 || index >= static_cast<int>(m_params.size()))
        return;
    m_params.erase(m_params.begin() + index);
    m_bModified = 1;
    // A "$" line is never continued when read back, so it stays on one line.
    if (IsComment()) {
        std::string text = m_strKeyword;
        for (const CKeywordParam& param : m_params)
            text += " " + param.GetText(ParamTextForm::canonical);
        m_strText = text;
        return;
    }
    // Breaks are measured on the as-read texts while the canonical texts are placed: this keeps the
    // layout the files were always written with.
    std::vector<std::string> lines;
    std::string current = CutKeyword(m_strKeyword, false, lines);
    for (const CKeywordParam& param : m_params) {
        if (current.size() + param.GetText(ParamTextForm::asRead).size() > kLineRoom) {
            lines.push_back(current + kContinuation);
            current = kIndent + param.GetText(ParamTextForm::canonical);
        } else {
            current += " " + param.GetText(ParamTextForm::canonical);
        }
    }
    lines.push_back(current);
    m_strText = JoinLines(lines);
}

void CKeywordLine::RemoveParamByName(const std::string& name)
{
    for (std::size_t i = 0; i < m_params.size(); ++i) {
        if (m_params[i].m_strName == name) {
            RemoveParam(static_cast<int>(i));
            return;
        }
    }
}

void CKeywordLine::RebuildText(ParamTextForm form)
{
    std::string text = m_strKeyword;
    for (const CKeywordParam& param : m_params)
        text += param.GetText(form);
    m_strText = text;
}

void CKeywordLine::WrapText()
{
    if (IsComment()) {
        RebuildText(ParamTextForm::asRead);
        return;
    }
    std::vector<std::string> lines;
    std::string current = CutKeyword(m_strKeyword, false, lines);
    for (const CKeywordParam& param : m_params) {
        std::string text = param.GetText(ParamTextForm::asRead);
        if (current.size() + text.size() > kLineRoom) {
            lines.push_back(current + kContinuation);
            current = kIndent;
        }
        current += text;
    }
    lines.push_back(current);
    m_strText = JoinLines(lines);
}

std::string CKeywordLine::FormatParams() const
{
    std::string text = m_strKeyword;
    for (const CKeywordParam& param : m_params)
        text += " " + param.m_strName + "=" + param.m_strValue;
    return text;
}

std::string CKeywordLine::CanonicalLines() const
{
    if (m_strKeyword.empty())
        return std::string();
    // A "$" line is never continued when read back, so it is written whole.
    if (IsComment()) {
        std::string line = m_strKeyword;
        for (const CKeywordParam& param : m_params)
            line += " " + param.GetText(ParamTextForm::canonical);
        return line + kLineEnd;
    }
    std::vector<std::string> lines;
    std::string current = CutKeyword(m_strKeyword, true, lines);
    for (const CKeywordParam& param : m_params) {
        std::string text = param.GetText(ParamTextForm::canonical);
        if (current.size() + text.size() + 1 > kLineRoom) {
            lines.push_back(current + kContinuation);
            current = kIndent;
        }
        current += " " + text;
    }
    lines.push_back(current);
    std::string out;
    for (const std::string& line : lines)
        out += line + kLineEnd;
    return out;
}

void CKeywordLine::Write(CArchive& archive) const { archive.WriteString(CanonicalLines()); }
