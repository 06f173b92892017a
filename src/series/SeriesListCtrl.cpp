#include "series/SeriesListCtrl.h"

#include "platform/Archive.h"
#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "series/SeriesNumberText.h"

#include <cmath>

namespace {

const char* const kHeadings[] = {"line", "variable", "initial", "final", "step number", "group ID", "file"};
const int kWidths[] = {60, 80, 60, 60, 110, 100, 200};

// The step numbers and group ids the dialogs accept.
constexpr int kMinStep = 2;
constexpr int kMaxStep = 1000;
constexpr int kMinGroup = 1;
constexpr int kMaxGroup = 1000;

std::string LowerFileName(const std::string& path)
{
    std::string name = PathFileName(path);
    for (char& c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return name;
}

bool ReadBoundedText(CArchive& archive, std::string& text)
{
    return archive.ReadCString(text) && text.size() <= static_cast<std::size_t>(CSeriesListCtrl::kMaxTextLength);
}

bool ReadItem(CArchive& archive, CSeriesItem& item, std::int32_t& fileTime)
{
    std::int32_t group = 0, line = 0, end = 0, start = 0;
    if (!archive.ReadDouble(item.m_dFinal) || !archive.ReadDouble(item.m_dInitial) || !archive.ReadInt32(group) ||
        !archive.ReadInt32(line) || !ReadBoundedText(archive, item.m_strVariable) || !archive.ReadInt32(end) ||
        !archive.ReadInt32(start) || !ReadBoundedText(archive, item.m_strFile) || !archive.ReadInt32(fileTime))
        return false;
    item.m_nGroupId = group;
    item.m_nLine = line;
    item.m_nEnd = end;
    item.m_nStart = start;
    return std::isfinite(item.m_dFinal) && std::isfinite(item.m_dInitial) && group >= kMinGroup && group <= kMaxGroup &&
           line >= 0 && start >= 0 && end > start && !item.m_strFile.empty();
}

// The text that stands at the item's place now: generation checks it is still there.
std::string TextAtSpan(const CSeriesItem& item)
{
    std::string bytes;
    if (!ReadFileBytes(item.m_strFile, bytes))
        return {};
    std::size_t begin = 0;
    for (int line = 0; line < item.m_nLine && begin != std::string::npos; ++line) {
        begin = bytes.find('\n', begin);
        if (begin != std::string::npos)
            ++begin;
    }
    if (begin == std::string::npos)
        return {};
    std::size_t end = bytes.find('\n', begin);
    const std::string line = bytes.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
    if (static_cast<std::size_t>(item.m_nEnd) > line.size())
        return {};
    return line.substr(static_cast<std::size_t>(item.m_nStart), static_cast<std::size_t>(item.m_nEnd - item.m_nStart));
}

}  // namespace

const char* CSeriesListCtrl::ColumnHeading(int column) { return kHeadings[column]; }
int CSeriesListCtrl::ColumnWidth(int column) { return kWidths[column]; }

int CSeriesListCtrl::AddItem(const CSeriesItem& item, int stepNumber)
{
    m_Table.AddItem(item, stepNumber);
    return m_Table.GetCount();
}

std::string CSeriesListCtrl::CellText(int row, int column) const
{
    const CSeriesItem& item = m_Table.GetItem(row);
    switch (column) {
    case 0: return std::to_string(item.m_nLine);
    case 1: return item.m_strVariable;
    case 2: return ShortestNumberText(item.m_dInitial);
    case 3: return ShortestNumberText(item.m_dFinal);
    case 4: return std::to_string(m_Table.FindGroup(item.m_nGroupId));
    case 5: return item.m_nGroupId == -1 ? std::string() : std::to_string(item.m_nGroupId);
    case 6: return LowerFileName(item.m_strFile);
    default: return {};
    }
}

std::string CSeriesListCtrl::FormatItemName(const std::tm& localTime) const
{
    if (m_Table.GetCount() == 0)
        return {};
    const CSeriesItem& first = m_Table.GetItem(0);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%m%d%Y_%H%M%S", &localTime);
    return first.m_strVariable + "_" + ShortestNumberText(first.m_dInitial) + "_" +
           ShortestNumberText(first.m_dFinal) + "_" + stamp;
}

std::string CSeriesListCtrl::FormatItemName() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FormatItemName(local);
}

void CSeriesListCtrl::Store(CArchive& archive) const
{
    archive.WriteInt32(1);
    archive.WriteInt32(m_Table.GetCount());
    archive.WriteInt32(static_cast<std::int32_t>(m_Table.GetGroupSteps().size()));
    for (const auto& group : m_Table.GetGroupSteps()) {
        archive.WriteInt32(group.first);
        archive.WriteInt32(group.second);
    }
    for (const CSeriesItem& item : m_Table.GetItems()) {
        archive.WriteDouble(item.m_dFinal);
        archive.WriteDouble(item.m_dInitial);
        archive.WriteInt32(item.m_nGroupId);
        archive.WriteInt32(item.m_nLine);
        archive.WriteCString(item.m_strVariable);
        archive.WriteInt32(item.m_nEnd);
        archive.WriteInt32(item.m_nStart);
        archive.WriteCString(item.m_strFile);
        long long seconds = 0;
        if (!FileModificationTime(item.m_strFile, seconds))
            seconds = static_cast<long long>(std::time(nullptr));
        archive.WriteInt32(static_cast<std::int32_t>(seconds));
    }
}

bool CSeriesListCtrl::Load(CArchive& archive, std::string& error, std::vector<std::string>& warnings)
{
    const std::string damaged = "The series settings file is damaged or incomplete:\n" + archive.GetFilePath() +
                                "\nNothing was loaded.";
    std::int32_t version = 0, items = 0, groups = 0;
    if (!archive.ReadInt32(version)) {
        error = damaged;
        return false;
    }
    if (version != 1) {
        error = "Incorrect file version";
        return false;
    }
    if (!archive.ReadInt32(items) || !archive.ReadInt32(groups) || items < 0 || items > kMaxItems || groups < 0 ||
        groups > kMaxItems) {
        error = damaged;
        return false;
    }
    CSeriesTable table;
    for (int g = 0; g < groups; ++g) {
        std::int32_t id = 0, steps = 0;
        if (!archive.ReadInt32(id) || !archive.ReadInt32(steps) || steps < kMinStep || steps > kMaxStep) {
            error = damaged;
            return false;
        }
        table.SetGroupStep(id, steps);
    }
    std::vector<std::string> notes;
    for (int i = 0; i < items; ++i) {
        CSeriesItem item;
        std::int32_t fileTime = 0;
        // Every item's group has its step number: the writer always stores it with the item.
        if (!ReadItem(archive, item, fileTime) || table.FindGroup(item.m_nGroupId) < kMinStep) {
            error = damaged;
            return false;
        }
        long long seconds = 0;
        if (!FileExists(item.m_strFile))
            notes.push_back(item.m_strFile + " does not exist!");
        else if (FileModificationTime(item.m_strFile, seconds) && seconds > fileTime)
            notes.push_back(item.m_strFile + " has been modified. This may cause saved series info incorrect!");
        item.m_strValueText = TextAtSpan(item);
        table.AddItem(item, table.FindGroup(item.m_nGroupId));
    }
    if (!archive.AtEnd()) {
        error = damaged;
        return false;
    }
    m_Table = table;
    warnings = notes;
    return true;
}
