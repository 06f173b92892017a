#include "series/SeriesProject.h"

#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/UserPrompts.h"
#include "series/SeriesFolderChoice.h"
#include "series/SeriesInfoFile.h"
#include "series/SeriesValueList.h"

#include <cmath>
#include <set>

namespace {

const char kSetRootFile[] = "Please set Root file!";

// A name the series folder already holds for another value: the full precision tells them apart.
std::string DistinctFolderName(double value, std::set<std::string>& used)
{
    std::string name = CSeriesProject::FormatSeriesFolderName(value);
    if (!used.insert(name).second) {
        name = StrFormat("%.17g", value);
        used.insert(name);
    }
    return name;
}

}  // namespace

std::string CSeriesProject::GetRootDir() const
{
    if (m_strRootPath.empty()) {
        AfxMessageBox(kSetRootFile, MB_OK | MB_ICONWARNING);
        return std::string();
    }
    return PathFolder(m_strRootPath);
}

std::string CSeriesProject::GetRootTitle() const
{
    if (m_strRootPath.empty()) {
        AfxMessageBox(kSetRootFile, MB_OK | MB_ICONWARNING);
        return std::string();
    }
    const std::string name = PathFileName(m_strRootPath);
    return name.substr(0, name.find('.'));
}

std::string CSeriesProject::GetFolderName(int i) const
{
    if (i < 0 || i >= static_cast<int>(m_Folders.size()))
        return std::string();
    return m_Folders[static_cast<std::size_t>(i)];
}

bool CSeriesProject::BuildValues(double initial, double final, double step, std::vector<double>& values)
{
    values.clear();
    if (!(step >= 1e-9)) {
        AfxMessageBox("Step is too small!", MB_OK | MB_ICONWARNING);
        return false;
    }
    std::size_t count = 0;
    switch (CSeriesValueList::Count(initial, final, step, count)) {
    case CSeriesValueList::stepTooSmall:
        AfxMessageBox("Step is too small!", MB_OK | MB_ICONWARNING);
        return false;
    case CSeriesValueList::emptyRange:
        AfxMessageBox("Loop is less than zero!", MB_OK | MB_ICONWARNING);
        return false;
    case CSeriesValueList::tooMany:
        AfxMessageBox(StrFormat("Too many series points: at most %zu can be created!", CSeriesValueList::kMaxValues),
                      MB_OK | MB_ICONWARNING);
        return false;
    case CSeriesValueList::built: break;
    }
    if (count > CSeriesValueList::kAskAbove &&
        AfxMessageBox(StrFormat("%zu series points to be created, continue?  cancel?", count),
                      MB_OKCANCEL | MB_ICONWARNING) != IDOK)
        return false;
    CSeriesValueList::Build(initial, final, step, values);
    return true;
}

std::string CSeriesProject::FormatSeriesFolderName(double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 2147483648.0)
        return StrFormat("%d", static_cast<int>(value));
    return StrFormat("%.15g", value);
}

bool CSeriesProject::Run(const std::string& seriesName, double initial, double final, double step)
{
    m_Folders.clear();
    m_Values.clear();
    m_strSeriesFolder.clear();
    m_strSeriesName.clear();
    // Without a root file the folders would land wherever the process happens to stand.
    if (m_strRootPath.empty()) {
        AfxMessageBox("Please save your device first!", MB_OK | MB_ICONWARNING);
        return false;
    }
    if (!BuildValues(initial, final, step, m_Values)) {
        CreateInfoFile();
        return false;
    }
    const std::string projects = GetRootDir() + "projects/";
    const std::string name = CSeriesFolderChoice::Settle(projects, seriesName);
    if (name.empty()) {
        m_Values.clear();
        return false;
    }
    m_strSeriesName = name;
    m_strSeriesFolder = projects + name + "/";
    std::set<std::string> used;
    for (double value : m_Values) {
        const std::string folder = m_strSeriesFolder + DistinctFolderName(value, used) + "/";
        MakeDirectoryPath(folder, true);
        CopyRootFiles(folder);
        m_Folders.push_back(folder);
    }
    CreateInfoFile();
    return true;
}

void CSeriesProject::CopyRootFiles(const std::string& target) const
{
    if (target.empty())
        return;
    const std::string root = GetRootDir();
    std::vector<std::string> names;
    // The listing holds plain files only: "." and ".." and every sub-folder are not among them.
    ListFolderFiles(root, "", names, false);
    for (const std::string& name : names) {
        if (name == SeriesInfoFile::kFileName)
            continue;
        CopyFileBytes(root + name, target + name, true);
    }
}

void CSeriesProject::CreateInfoFile() const
{
    const std::string root = GetRootDir();
    if (!root.empty() || !m_strRootPath.empty())
        WriteFileAtomic(SeriesInfoFile::PathIn(root), std::string());
}
