// Where the deck routines read and write. During a save every file goes into the save's file set
// and is read back from there, so that a pass sees what an earlier pass wrote, and nothing reaches
// the disk until the whole deck is ready; without a file set the files on disk are used at once.

#include "textfiles/SolFile.h"

#include "platform/Archive.h"
#include "platform/FileIO.h"
#include "platform/FileSystem.h"

bool CSolFile::ReadBytes(const std::string& path, std::string& bytes) const
{
    if (path.empty())
        return false;
    return m_pFiles ? m_pFiles->Read(path, bytes) : ReadFileBytes(path, bytes);
}

bool CSolFile::FileIsThere(const std::string& path) const
{
    if (path.empty())
        return false;
    return m_pFiles ? m_pFiles->Exists(path) : FileExists(path);
}

bool CSolFile::LoadFlat(const std::string& path, CKeywordLineList& list) const
{
    list.RemoveAll();
    std::string bytes;
    if (!ReadBytes(path, bytes))
        return false;
    CArchive archive;
    archive.OpenLoadFromMemory(bytes, path);
    list.SerializeFlat(archive);
    archive.Close();
    return true;
}

bool CSolFile::StoreBytes(const std::string& path, const std::string& bytes, std::string* reason)
{
    if (m_pFiles) {
        m_pFiles->Stage(path, bytes);
        return true;
    }
    CAtomicFileWriter writer;
    if (writer.Open(path) && writer.Write(bytes) && writer.Commit())
        return true;
    if (reason)
        *reason = writer.ErrorText();
    return false;
}
