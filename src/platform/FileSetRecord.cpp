#include "platform/FileSetRecord.h"

#include <cstdio>
#include <cstring>

namespace {

const char kFirstLine[] = "tessaron file set 1\n";
const char kCheck[] = "check ";
const char kMarker[] = ".commit-";
constexpr std::size_t kUniquePart = 6;

std::uint64_t Mix(std::uint64_t h)
{
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

std::string HexText(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

void AppendName(std::string& text, const std::string& name)
{
    text += std::to_string(name.size());
    text += ':';
    text += name;
}

// Reads the record's text from `at` on; every reader fails on anything unexpected.
class Scanner {
public:
    Scanner(const std::string& text, std::size_t end) : m_text(text), m_end(end) {}

    bool Literal(const char* literal)
    {
        const std::size_t n = std::strlen(literal);
        if (m_end - m_at < n || m_text.compare(m_at, n, literal) != 0)
            return false;
        m_at += n;
        return true;
    }
    bool Number(std::uint64_t& value, int base)
    {
        value = 0;
        const std::size_t start = m_at;
        while (m_at < m_end && m_at - start < 20) {
            const char c = m_text[m_at];
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (base == 16 && c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else
                break;
            value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
            ++m_at;
        }
        return m_at > start;
    }
    bool Name(std::string& name)
    {
        std::uint64_t length;
        if (!Number(length, 10) || !Literal(":") || length > m_end - m_at)
            return false;
        name = m_text.substr(m_at, static_cast<std::size_t>(length));
        m_at += static_cast<std::size_t>(length);
        return true;
    }
    bool AtEnd() const { return m_at == m_end; }

private:
    const std::string& m_text;
    std::size_t m_end;
    std::size_t m_at = 0;
};

}  // namespace

std::string CFileSetRecord::NamePrefix(const std::string& firstTargetName) { return "." + firstTargetName + kMarker; }

bool CFileSetRecord::IsRecordName(const std::string& name)
{
    const std::size_t marker = std::strlen(kMarker);
    return name.size() > 1 + marker + kUniquePart && name[0] == '.' &&
           name.compare(name.size() - kUniquePart - marker, marker, kMarker) == 0;
}

std::uint64_t CFileSetRecord::Hash(const void* data, std::size_t size)
{
    const unsigned char* p = static_cast<const unsigned char*>(data);
    std::uint64_t h = 0x9e3779b97f4a7c15ULL ^ size;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        h = (h ^ word) * 0x9e3779b97f4a7c15ULL;
        h ^= h >> 29;
    }
    std::uint64_t tail = 0;
    for (std::size_t k = 0; i + k < size; ++k)
        tail |= std::uint64_t(p[i + k]) << (8 * k);
    return Mix(h ^ tail);
}

std::string CFileSetRecord::Encode(const std::vector<Entry>& entries)
{
    std::string text = kFirstLine;
    text += "files " + std::to_string(entries.size()) + "\n";
    for (const Entry& entry : entries) {
        AppendName(text, entry.target);
        text += ' ';
        AppendName(text, entry.temp);
        text += ' ';
        AppendName(text, entry.kept);
        text += ' ' + std::to_string(entry.size) + ' ' + HexText(entry.hash) + "\n";
    }
    text += kCheck + HexText(Hash(text.data(), text.size())) + "\n";
    return text;
}

bool CFileSetRecord::Decode(const std::string& bytes, std::vector<Entry>& entries)
{
    entries.clear();
    // The checksum line closes the record: "check " and sixteen hex digits and a line end.
    const std::size_t checkLine = std::strlen(kCheck) + 16 + 1;
    if (bytes.size() < checkLine || bytes.back() != '\n')
        return false;
    const std::size_t body = bytes.size() - checkLine;
    std::uint64_t sum;
    const std::string last = bytes.substr(body);
    Scanner tail(last, checkLine);
    if (!tail.Literal(kCheck) || !tail.Number(sum, 16) || !tail.Literal("\n") || !tail.AtEnd())
        return false;
    if (sum != Hash(bytes.data(), body))
        return false;

    Scanner in(bytes, body);
    std::uint64_t count;
    if (!in.Literal(kFirstLine) || !in.Literal("files ") || !in.Number(count, 10) || !in.Literal("\n"))
        return false;
    for (std::uint64_t i = 0; i < count; ++i) {
        Entry entry;
        if (!in.Name(entry.target) || !in.Literal(" ") || !in.Name(entry.temp) || !in.Literal(" ") ||
            !in.Name(entry.kept) || !in.Literal(" ") || !in.Number(entry.size, 10) || !in.Literal(" ") ||
            !in.Number(entry.hash, 16) || !in.Literal("\n"))
            return false;
        if (entry.target.empty() || entry.temp.empty())
            return false;
        entries.push_back(entry);
    }
    return in.AtEnd();
}

std::string CFileSetRecord::NameInFolder(const std::string& folder, const std::string& path)
{
    if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
        path.find('/', folder.size()) == std::string::npos)
        return path.substr(folder.size());
    return path;
}

std::string CFileSetRecord::PathInFolder(const std::string& folder, const std::string& name)
{
    return name.find('/') == std::string::npos ? folder + name : name;
}
