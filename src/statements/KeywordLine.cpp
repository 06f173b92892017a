#include "statements/KeywordLine.h"

#include "platform/Archive.h"
#include "platform/StringUtil.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kLineLimit = 80;  // longest physical line before a keyword is cut
constexpr std::size_t kLineRoom = 77;   // characters before " &&" on a full line
const char* const kContinuation = " &&";
const char* const kLineEnd = "\r\n";
const char* const kIndent = "  ";

// CR, LF and "&" read as blanks; runs of blanks collapse to one. TABs are kept as they are.
// Written through a pointer into a buffer sized for the whole text and cut to length at the end:
// every statement of a file passes here character by character.
void NormaliseStatementText(const char* text, std::size_t size, std::string& out)
{
    out.resize(size);
    char* const begin = out.data();
    char* end = begin;
    for (std::size_t i = 0; i < size; ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n' || c == '&')
            c = ' ';
        if (c == ' ' && end != begin && end[-1] == ' ')
            continue;
        *end++ = c;
    }
    out.resize(static_cast<std::size_t>(end - begin));
}

// The position of the first blank or TAB at or after pos; the size of the text when there is none.
// A plain scan: the library's find_first_of looks each character up in the set of two, and every
// keyword and value of a file is ended here.
std::size_t WordEnd(const std::string& text, std::size_t pos)
{
    while (pos < text.size() && !IsBlank(text[pos]))
        ++pos;
    return pos;
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

// Takes the parameter that begins at pos of the normalised text (its name is everything up to the
// next "=", trimmed) into params[used] and moves pos past its value; false when none can be taken.
// ended is set when an unclosed bracket group took the rest of the statement. A statement parsed
// again (the updater does so with every statement it writes) fills the parameters it had in place,
// their texts reusing their storage.
bool TakeParam(const std::string& text, std::size_t& pos, std::vector<CKeywordParam>& params, std::size_t& used,
               bool& ended)
{
    const std::size_t equals = text.find('=', pos);
    if (equals == std::string::npos)
        return false;
    std::size_t valueStart = equals + 1;
    while (valueStart < text.size() && IsBlank(text[valueStart]))
        ++valueStart;
    if (valueStart >= text.size())
        return false;
    CKeywordParam& param = used < params.size() ? params[used] : params.emplace_back();
    ++used;
    param.m_strSourcePrefix.assign(text, pos, valueStart - pos);
    std::size_t nameStart = pos;
    std::size_t nameEnd = equals;
    while (nameEnd > nameStart && IsWhiteSpace(text[nameEnd - 1]))
        --nameEnd;
    while (nameStart < nameEnd && IsWhiteSpace(text[nameStart]))
        ++nameStart;
    param.m_strName.assign(text, nameStart, nameEnd - nameStart);
    std::size_t valueEnd;
    const char closer = CloserOf(text[valueStart]);
    if (closer) {
        const std::size_t close = text.find(closer, valueStart + 1);
        if (close == std::string::npos) {
            valueEnd = text.size();
            param.m_strValue.assign(text, valueStart, valueEnd - valueStart);
            param.m_strValue += closer;
            ended = true;
        } else {
            valueEnd = close + 1;
            param.m_strValue.assign(text, valueStart, valueEnd - valueStart);
        }
    } else {
        valueEnd = WordEnd(text, valueStart);
        param.m_strValue.assign(text, valueStart, valueEnd - valueStart);
    }
    param.m_strSourceValue = param.m_strValue;
    pos = valueEnd;
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

// The start of a wrapped text: the full lines a keyword too long for one line is cut into, each
// ended, make the returned text; what is left of the keyword goes into current, the line the
// parameters continue.
std::string StartWrappedText(const std::string& keyword, std::string& current)
{
    std::vector<std::string> cut;
    current = CutKeyword(keyword, false, cut);
    std::string text;
    for (const std::string& line : cut) {
        text += line;
        text += kLineEnd;
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
    std::size_t start = 0;
    std::size_t end = 0;
    TrimmedBounds(text, start, end);
    text.erase(end);
    text.erase(0, start);
    return ParseTrimmed(text.data(), text.size());
}

bool CKeywordLine::Parse(const std::string& text)
{
    std::size_t start = 0;
    std::size_t end = 0;
    TrimmedBounds(text, start, end);
    return ParseTrimmed(text.data() + start, end - start);
}

bool CKeywordLine::ParseAsRead(const std::string& logical, std::string&& raw)
{
    std::size_t start = 0;
    std::size_t end = 0;
    TrimmedBounds(logical, start, end);
    return ParseTrimmed(logical.data() + start, end - start, &raw);
}

bool CKeywordLine::ParseTrimmed(const char* text, std::size_t size, std::string* raw)
{
    m_bModified = 0;
    m_nLine = 0;
    m_strKeyword.clear();
    if (size == 0) {
        m_params.clear();
        if (raw)
            m_strText = std::move(*raw);
        else
            m_strText = kLineEnd;
        return false;
    }
    // The text may be this statement's own: it is copied before the statement changes.
    // The normalised text is scratch space: one buffer serves every statement a load parses.
    static thread_local std::string normal;
    NormaliseStatementText(text, size, normal);
    if (raw)
        m_strText = std::move(*raw);
    else
        m_strText.assign(text, size);
    if (normal[0] == '$' && normal.find("$SourceFile") == std::string::npos) {
        m_params.clear();
        m_strKeyword = normal;
        return true;
    }
    // The keyword is the first word; a leading "&" became a blank above, so it need not stand at
    // the very start.
    std::size_t pos = 0;
    while (pos < normal.size() && IsWhiteSpace(normal[pos]))
        ++pos;
    if (pos < normal.size()) {
        const std::size_t wordEnd = WordEnd(normal, pos);
        m_strKeyword.assign(normal, pos, wordEnd - pos);
        pos = wordEnd;
    } else {
        pos = 0;
    }
    const auto equals = static_cast<std::size_t>(std::count(normal.begin() + static_cast<std::ptrdiff_t>(pos), normal.end(), '='));
    if (m_params.capacity() < equals)
        m_params.reserve(equals);
    std::size_t used = 0;
    bool ended = false;
    while (!ended && TakeParam(normal, pos, m_params, used, ended)) {
    }
    m_params.erase(m_params.begin() + static_cast<std::ptrdiff_t>(used), m_params.end());
    return true;
}

const std::string* CKeywordLine::FindParamValue(std::string_view name) const
{
    for (const CKeywordParam& param : m_params)
        if (param.m_strName == name)
            return &param.m_strValue;
    return nullptr;
}

const std::string& CKeywordLine::ParamValue(std::string_view name) const
{
    static const std::string kNone;
    const std::string* value = FindParamValue(name);
    return value ? *value : kNone;
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
    RebuildAfterRemoval();
}

void CKeywordLine::RemoveFlaggedParams(const std::vector<bool>& remove)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_params.size(); ++i) {
        if (i < remove.size() && remove[i])
            continue;
        if (kept != i)
            m_params[kept] = std::move(m_params[i]);
        ++kept;
    }
    if (kept == m_params.size())
        return;
    m_params.resize(kept);
    RebuildAfterRemoval();
}

void CKeywordLine::RebuildAfterRemoval()
{
    // The text depends on the parameters left only, so removals in any order end in the same text.
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
    // layout the files were always written with. Finished lines go straight into the text (a save
    // rebuilds most material statements this way).
    std::string current;
    std::string text = StartWrappedText(m_strKeyword, current);
    for (const CKeywordParam& param : m_params) {
        const std::string canonical = param.GetText(ParamTextForm::canonical);
        // A parameter without a text as read reads as its canonical text.
        const std::size_t asReadSize = param.HasNoSourceText()
                                           ? canonical.size()
                                           : param.m_strSourcePrefix.size() + param.m_strSourceValue.size();
        if (current.size() + asReadSize > kLineRoom) {
            text += current;
            text += kContinuation;
            text += kLineEnd;
            current = kIndent;
        } else {
            current += ' ';
        }
        current += canonical;
    }
    text += current;
    m_strText = std::move(text);
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
    // Finished lines go straight into the text; a parameter with its text as read is placed from
    // its two parts, without a joined copy (the updater re-wraps every statement it writes).
    std::string current;
    std::string text = StartWrappedText(m_strKeyword, current);
    std::string built;
    for (const CKeywordParam& param : m_params) {
        const bool asRead = !param.HasNoSourceText();
        if (!asRead)
            built = param.GetText(ParamTextForm::asRead);
        const std::size_t size =
            asRead ? param.m_strSourcePrefix.size() + param.m_strSourceValue.size() : built.size();
        if (current.size() + size > kLineRoom) {
            text += current;
            text += kContinuation;
            text += kLineEnd;
            current = kIndent;
        }
        if (asRead) {
            current += param.m_strSourcePrefix;
            current += param.m_strSourceValue;
        } else {
            current += built;
        }
    }
    text += current;
    m_strText = std::move(text);
}

void CKeywordLine::AppendParamWrapped(CKeywordParam param, const std::string& asReadText)
{
    // WrapText places every parameter from its text as read; on a line of at most kLineRoom
    // characters no break falls before any of them. So when the text is the keyword and those
    // texts on one such line, the wrapped text with one parameter more is this text, followed by
    // a break when the new parameter does not fit, and the parameter's text.
    std::size_t pos = 0;
    auto follows = [&](const std::string& part) {
        const bool found = pos <= m_strText.size() && m_strText.compare(pos, part.size(), part) == 0;
        pos += part.size();
        return found;
    };
    bool oneLine = !IsComment() && follows(m_strKeyword);
    for (std::size_t i = 0; oneLine && i < m_params.size(); ++i) {
        const CKeywordParam& p = m_params[i];
        oneLine = !p.HasNoSourceText() && follows(p.m_strSourcePrefix) && follows(p.m_strSourceValue);
    }
    oneLine = oneLine && pos == m_strText.size() && pos <= kLineRoom;
    m_params.push_back(std::move(param));
    if (!oneLine) {
        WrapText();
        return;
    }
    if (m_strText.size() + asReadText.size() > kLineRoom) {
        m_strText += kContinuation;
        m_strText += kLineEnd;
        m_strText += kIndent;
    }
    m_strText += asReadText;
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
