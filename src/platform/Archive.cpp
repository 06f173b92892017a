#include "platform/Archive.h"

#include <cstring>

CArchive::~CArchive()
{
    // A store that was not closed is dropped: the target keeps its old content.
    if (m_writer)
        m_writer->Abort();
}

bool CArchive::OpenLoad(const std::string& path)
{
    Close();
    m_strError.clear();
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return false;
    // The file's bytes are handed over, not copied: a large file would be in memory twice.
    OpenLoadFromMemory(std::move(bytes), path);
    return true;
}

bool CArchive::OpenStore(const std::string& path)
{
    Close();
    m_strError.clear();
    auto writer = std::make_unique<CAtomicFileWriter>();
    if (!writer->Open(path)) {
        m_strError = writer->ErrorText();
        return false;
    }
    m_writer = std::move(writer);
    m_mode = Mode::store;
    m_toMemory = false;
    m_path = path;
    m_bytes.clear();
    return true;
}

void CArchive::OpenLoadFromMemory(std::string bytes, const std::string& name)
{
    Close();
    m_mode = Mode::load;
    m_path = name;
    m_bytes = std::move(bytes);
    m_readPos = 0;
}

void CArchive::OpenStoreToMemory(const std::string& name)
{
    Close();
    m_mode = Mode::store;
    m_toMemory = true;
    m_path = name;
    m_bytes.clear();
}

bool CArchive::ReadString(std::string& line)
{
    if (m_mode != Mode::load || m_readPos >= m_bytes.size())
        return false;
    std::size_t end = m_bytes.find('\n', m_readPos);
    std::size_t next = end == std::string::npos ? m_bytes.size() : end + 1;
    std::size_t stop = end == std::string::npos ? m_bytes.size() : end;
    if (end != std::string::npos && stop > m_readPos && m_bytes[stop - 1] == '\r')
        --stop;
    line.assign(m_bytes, m_readPos, stop - m_readPos);
    m_readPos = next;
    return true;
}

void CArchive::WriteString(const std::string& text)
{
    if (m_mode == Mode::store)
        m_bytes += text;
}

void CArchive::Write(const void* data, std::size_t size)
{
    if (m_mode == Mode::store)
        m_bytes.append(static_cast<const char*>(data), size);
}

void CArchive::WriteInt32(std::int32_t value)
{
    unsigned char b[4];
    std::uint32_t u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<unsigned char>(u >> (8 * i));
    Write(b, 4);
}

void CArchive::WriteDouble(double value)
{
    std::uint64_t u;
    std::memcpy(&u, &value, 8);
    unsigned char b[8];
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<unsigned char>(u >> (8 * i));
    Write(b, 8);
}

void CArchive::WriteCString(const std::string& text)
{
    std::size_t n = text.size();
    unsigned char b[7];
    if (n < 255) {
        b[0] = static_cast<unsigned char>(n);
        Write(b, 1);
    } else if (n < 0xFFFE) {
        b[0] = 0xFF;
        b[1] = static_cast<unsigned char>(n);
        b[2] = static_cast<unsigned char>(n >> 8);
        Write(b, 3);
    } else {
        b[0] = 0xFF;
        b[1] = 0xFF;
        b[2] = 0xFF;
        Write(b, 3);
        WriteInt32(static_cast<std::int32_t>(n));
    }
    Write(text.data(), n);
}

bool CArchive::Read(void* data, std::size_t size)
{
    if (m_mode != Mode::load || m_bytes.size() - m_readPos < size)
        return false;
    std::memcpy(data, m_bytes.data() + m_readPos, size);
    m_readPos += size;
    return true;
}

bool CArchive::ReadInt32(std::int32_t& value)
{
    unsigned char b[4];
    if (!Read(b, 4))
        return false;
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = (u << 8) | b[i];
    value = static_cast<std::int32_t>(u);
    return true;
}

bool CArchive::ReadDouble(double& value)
{
    unsigned char b[8];
    if (!Read(b, 8))
        return false;
    std::uint64_t u = 0;
    for (int i = 7; i >= 0; --i)
        u = (u << 8) | b[i];
    std::memcpy(&value, &u, 8);
    return true;
}

bool CArchive::ReadCString(std::string& text)
{
    unsigned char first;
    if (!Read(&first, 1))
        return false;
    std::size_t n = first;
    if (first == 0xFF) {
        unsigned char b[2];
        if (!Read(b, 2))
            return false;
        n = static_cast<std::size_t>(b[0] | (b[1] << 8));
        if (n == 0xFFFF) {
            std::int32_t length;
            if (!ReadInt32(length) || length < 0)
                return false;
            n = static_cast<std::size_t>(length);
        }
    }
    if (m_bytes.size() - m_readPos < n)
        return false;
    text.assign(m_bytes, m_readPos, n);
    m_readPos += n;
    return true;
}

bool CArchive::Close()
{
    bool ok = true;
    if (m_mode == Mode::store && !m_toMemory && m_writer) {
        ok = m_writer->Write(m_bytes) && m_writer->Commit();
        if (!ok) {
            m_writer->Abort();
            m_strError = m_writer->ErrorText();
        }
        m_writer.reset();
    }
    if (m_mode == Mode::load)
        m_bytes.clear();
    m_mode = Mode::closed;
    m_readPos = 0;
    return ok;
}
