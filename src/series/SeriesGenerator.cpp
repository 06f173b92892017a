#include "series/SeriesGenerator.h"

#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "series/SeriesNumberText.h"

#include <algorithm>
#include <map>

namespace {

std::string WithTrailingSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

// The components of a relative path; false when one climbs out ("..") or the path is absolute
// (an empty first component, a drive "c:").
bool IsInsideRelative(const std::string& relative)
{
    if (relative.empty())
        return false;
    std::size_t begin = 0;
    while (begin <= relative.size()) {
        std::size_t end = relative.find('/', begin);
        if (end == std::string::npos)
            end = relative.size();
        const std::string part = relative.substr(begin, end - begin);
        if (part.empty() || part == ".." || part.find(':') != std::string::npos)
            return false;
        begin = end + 1;
    }
    return true;
}

std::string LineText(int line) { return std::to_string(line + 1); }

}  // namespace

CSeriesGenerator::CSeriesGenerator(CSeriesTable& table, std::string sourceFolder) : m_table(table)
{
    std::string native = NativePath(sourceFolder);
    while (native.size() > 1 && native.back() == '/')
        native.pop_back();
    m_strSource = WithTrailingSeparator(ResolveExistingPath(native));
}

std::string CSeriesGenerator::SeriesFolder(const std::string& sourceFolder, const std::string& name)
{
    return WithTrailingSeparator(NativePath(sourceFolder)) + "Projects/" + name + "/";
}

bool CSeriesGenerator::RelativePath(const std::string& path, std::string& relative)
{
    // The name as the device gives it may be in another case or use "\": the file on disk decides.
    const std::string native = NativePath(path);
    if (native.compare(0, m_strSource.size(), m_strSource) != 0 ||
        !IsInsideRelative(native.substr(m_strSource.size()))) {
        m_strError = path + "\nlies outside the folder of the series (an include named with \"..\" or an absolute "
                            "path): every point would share that one file.\nNothing was generated.";
        return false;
    }
    const std::string resolved = ResolveExistingPath(native);
    relative = resolved.compare(0, m_strSource.size(), m_strSource) == 0 ? resolved.substr(m_strSource.size())
                                                                         : native.substr(m_strSource.size());
    return true;
}

bool CSeriesGenerator::ReadSource(const std::string& path, SourceFile& file)
{
    if (!RelativePath(path, file.relative))
        return false;
    if (!ReadFileBytes(path, file.bytes)) {
        m_strError = "Can't read " + path + "\nNothing was generated.";
        return false;
    }
    return true;
}

bool CSeriesGenerator::PlaceItem(SourceFile& file, int row)
{
    const CSeriesItem& item = m_table.GetItem(row);
    // The start of the item's physical line and the end of its text (line break excluded).
    std::size_t lineBegin = 0;
    for (int line = 0; line < item.m_nLine; ++line) {
        const std::size_t feed = file.bytes.find('\n', lineBegin);
        if (feed == std::string::npos) {
            lineBegin = std::string::npos;
            break;
        }
        lineBegin = feed + 1;
    }
    std::size_t lineEnd = lineBegin == std::string::npos ? std::string::npos : file.bytes.find('\n', lineBegin);
    if (lineEnd == std::string::npos && lineBegin != std::string::npos)
        lineEnd = file.bytes.size();
    if (lineBegin != std::string::npos && lineEnd > lineBegin && file.bytes[lineEnd - 1] == '\r')
        --lineEnd;
    const bool inLine = lineBegin != std::string::npos && item.m_nStart >= 0 && item.m_nEnd > item.m_nStart &&
                        lineBegin + static_cast<std::size_t>(item.m_nEnd) <= lineEnd;
    const std::string found =
        inLine ? file.bytes.substr(lineBegin + item.m_nStart, static_cast<std::size_t>(item.m_nEnd - item.m_nStart))
               : std::string();
    if (!inLine || (!item.m_strValueText.empty() && found != item.m_strValueText)) {
        m_strError = item.m_strFile + ", line " + LineText(item.m_nLine) + ": the value of " + item.m_strVariable +
                     (item.m_strValueText.empty() ? std::string() : " (" + item.m_strValueText + ")") +
                     " is no longer where it was found.\nThe file has changed since it was saved: save the device "
                     "and add the value again.\nNothing was generated.";
        return false;
    }
    file.spans.push_back({lineBegin + item.m_nStart, lineBegin + item.m_nEnd, row});
    return true;
}

bool CSeriesGenerator::Prepare()
{
    m_Sources.clear();
    m_Copies.clear();
    m_strError.clear();
    std::map<std::string, std::size_t> byPath;
    for (int row = 0; row < m_table.GetCount(); ++row) {
        const std::string& path = m_table.GetItem(row).m_strFile;
        auto found = byPath.find(path);
        if (found == byPath.end()) {
            SourceFile file;
            if (!ReadSource(path, file))
                return false;
            found = byPath.emplace(path, m_Sources.size()).first;
            m_Sources.push_back(std::move(file));
        }
        if (!PlaceItem(m_Sources[found->second], row))
            return false;
    }
    std::set<std::string> written;
    for (SourceFile& file : m_Sources) {
        std::sort(file.spans.begin(), file.spans.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
        for (std::size_t i = 1; i < file.spans.size(); ++i) {
            if (file.spans[i].begin < file.spans[i - 1].end) {
                m_strError = file.relative + ": two values of the series overlap.\nNothing was generated.";
                return false;
            }
        }
        written.insert(file.relative);
    }
    // The source folder's own files, then the device's files from its sub-folders.
    std::vector<std::string> plain;
    ListFolderFiles(m_strSource, "", plain, false);
    for (const std::string& name : plain) {
        if (!written.count(name))
            m_Copies.emplace_back(m_strSource + name, name);
        written.insert(name);
    }
    for (const std::string& path : m_DeviceFiles) {
        std::string relative;
        if (!RelativePath(path, relative))
            return false;
        if (written.insert(relative).second)
            m_Copies.emplace_back(path, relative);
    }
    return true;
}

std::string CSeriesGenerator::Substituted(const SourceFile& file) const
{
    std::string out;
    out.reserve(file.bytes.size() + file.spans.size() * 8);
    std::size_t from = 0;
    for (const Span& span : file.spans) {
        out.append(file.bytes, from, span.begin - from);
        out += ShortestNumberText(m_table.GetItem(span.row).m_dCurrent);
        out += ' ';
        from = span.end;
    }
    out.append(file.bytes, from, std::string::npos);
    return out;
}

void CSeriesGenerator::Log(const std::string& path, const std::string& reason)
{
    m_strLog += path + (reason.empty() ? std::string() : ": " + reason) + "\n";
}

void CSeriesGenerator::WritePoint(const std::string& pointFolder)
{
    for (const SourceFile& file : m_Sources) {
        const std::string target = pointFolder + file.relative;
        CAtomicFileWriter writer;
        if (!MakeDirectoryPath(target, true) || !writer.Open(target) || !writer.Write(Substituted(file)) ||
            !writer.Commit())
            Log(target, writer.ErrorText());
    }
    for (const auto& copy : m_Copies) {
        const std::string target = pointFolder + copy.second;
        if (!MakeDirectoryPath(target, true) || !CopyFileBytes(copy.first, target))
            Log(target, "");
    }
}

long long CSeriesGenerator::Write(const std::string& seriesFolder,
                                  const std::function<void(long long, long long)>& progress)
{
    m_strLog.clear();
    const long long points = m_table.CountPoints();
    const std::string folder = WithTrailingSeparator(NativePath(seriesFolder));
    for (long long point = 0; point < points; ++point) {
        m_table.SetPointValues(point);
        WritePoint(folder + std::to_string(point + 1) + "/");
        if (progress)
            progress(point + 1, points);
    }
    return points;
}
