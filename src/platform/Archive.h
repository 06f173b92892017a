#pragma once
// A serialization archive on one file, for loading or for storing, in place of the framework's
// archive. A loading archive reads the whole file at Open and hands it out as physical lines or
// binary fields. A storing archive collects what is written and puts it in place at Close, through
// a temporary file and a rename (see FileIO.h): a store that is never closed leaves the target as it
// was. Lines are written exactly as given; the caller adds the line ends it needs.
//
//     CArchive ar;
//     if (!ar.OpenLoad(path)) { ...cannot open... }
//     std::string line;
//     while (ar.ReadString(line)) ...
//
//     CArchive out;
//     if (!out.OpenStore(path)) { ...cannot create... }
//     out.WriteString("end\r\n");
//     if (!out.Close()) { ...write failed... }

#include "platform/FileIO.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CArchive {
public:
    CArchive() = default;
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    // Opens a file for loading (the path is resolved case-insensitively, see Path.h).
    bool OpenLoad(const std::string& path);
    // Opens a file for storing: creates the temporary file beside path; false when that fails.
    bool OpenStore(const std::string& path);
    // A loading archive over bytes in memory; name stands for the file path (its folder is where
    // included files are looked for, its end tells a ".mac" file).
    void OpenLoadFromMemory(std::string bytes, const std::string& name);
    // A storing archive that keeps what is written in memory (StoredBytes); Close writes no file.
    void OpenStoreToMemory(const std::string& name = std::string());

    bool IsLoading() const { return m_mode == Mode::load; }
    bool IsStoring() const { return m_mode == Mode::store; }
    bool IsOpen() const { return m_mode != Mode::closed; }
    // The path given to Open (not the resolved one), as the framework's file reported it.
    const std::string& GetFilePath() const { return m_path; }

    // Loading: reads one physical line ending at LF or CR LF, without the line break; a last line
    // without a line break counts. False at the end of the file.
    bool ReadString(std::string& line);
    bool AtEnd() const { return m_readPos >= m_bytes.size(); }
    // Loading: the bytes not read yet (valid until the archive is next opened or closed); a reader
    // sizes what it builds from them before it reads.
    std::string_view UnreadText() const
    {
        return m_readPos < m_bytes.size() ? std::string_view(m_bytes).substr(m_readPos) : std::string_view();
    }

    // Storing: appends bytes unchanged.
    void WriteString(const std::string& text);
    void Write(const void* data, std::size_t size);

    // Binary fields, little-endian, as the framework's archive lays them out.
    void WriteInt32(std::int32_t value);
    void WriteDouble(double value);
    // Text in the framework's archive form: length byte (0xFF + 16-bit length from 255, 0xFF 0xFFFF +
    // 32-bit length from 65534), then the bytes.
    void WriteCString(const std::string& text);
    bool ReadInt32(std::int32_t& value);
    bool ReadDouble(double& value);
    bool ReadCString(std::string& text);
    bool Read(void* data, std::size_t size);

    // Storing: writes the file and puts it in place; false when that fails. Loading: releases the
    // bytes. Closing a closed archive returns true.
    bool Close();
    // Why the last OpenStore or storing Close failed, in the system's words ("" when it did not).
    const std::string& GetErrorText() const { return m_strError; }
    // Storing: everything written so far.
    const std::string& StoredBytes() const { return m_bytes; }

private:
    enum class Mode { closed, load, store };
    Mode m_mode = Mode::closed;
    bool m_toMemory = false;
    std::string m_path;
    std::string m_bytes;
    std::size_t m_readPos = 0;
    std::unique_ptr<CAtomicFileWriter> m_writer;
    std::string m_strError;
};
