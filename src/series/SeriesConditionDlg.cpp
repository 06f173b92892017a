#include "series/SeriesConditionDlg.h"

#include "platform/AppServices.h"
#include "platform/Archive.h"
#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "series/SeriesGenerator.h"
#include "series/SeriesInfoFile.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kMarkerText = "Delected";

}  // namespace

CSeriesConditionDlg::CSeriesConditionDlg(std::string folder) : m_strSourceFolder(std::move(folder)) {}

void CSeriesConditionDlg::AddDeviceFiles(const std::vector<std::string>& files)
{
    m_DeviceFiles.insert(files.begin(), files.end());
}

int CSeriesConditionDlg::RowToEdit(const std::vector<int>& selectedRows) const
{
    if (selectedRows.size() > 1) {
        AfxMessageBox("You can only edit one row!", MB_OK);
        return -1;
    }
    if (selectedRows.empty()) {
        AfxMessageBox("Select one row!", MB_OK);
        return -1;
    }
    return selectedRows.front();
}

void CSeriesConditionDlg::ApplyEdit(int row, double initial, double final, int groupId, int stepNumber)
{
    CSeriesItem& item = m_List.Table().Item(row);
    item.m_dInitial = initial;
    item.m_dFinal = final;
    item.m_nGroupId = groupId;
    m_List.Table().SetGroupStep(groupId, stepNumber);
}

void CSeriesConditionDlg::OnDelete(const std::vector<int>& selectedRows)
{
    if (!selectedRows.empty())
        m_List.Table().RemoveItems(selectedRows);
}

bool CSeriesConditionDlg::OnSaveSetting()
{
    FileDialogRequest request;
    request.open = false;
    request.defaultExt = "sif";
    request.filter = "Series info file(*.sif)|*.sif||";
    if (!UserPrompts().FileDialog(request) || request.chosenPaths.empty())
        return false;
    return SaveSetting(WithDefaultExtension(request.chosenPaths.front(), "sif"));
}

bool CSeriesConditionDlg::SaveSetting(const std::string& path)
{
    CArchive archive;
    if (!archive.OpenStore(path)) {
        AfxMessageBox("Can't create file!", MB_OK);
        return false;
    }
    m_List.Store(archive);
    if (!archive.Close()) {
        AfxMessageBox("Can't create file!", MB_OK);
        return false;
    }
    return true;
}

bool CSeriesConditionDlg::LoadSetting(const std::string& path)
{
    CArchive archive;
    if (!archive.OpenLoad(path)) {
        AfxMessageBox("Can't open file " + path, MB_OK);
        return false;
    }
    std::string error;
    std::vector<std::string> warnings;
    if (!m_List.Load(archive, error, warnings)) {
        AfxMessageBox(error, MB_OK);
        return false;
    }
    if (!warnings.empty()) {
        std::string text;
        for (const std::string& warning : warnings)
            text += warning + "\n";
        AfxMessageBox(text, MB_OK);
    }
    return true;
}

bool CSeriesConditionDlg::IsNameUsable(const std::string& name) const
{
    // The name is one folder below "Projects": a separator or ".." would put the points elsewhere.
    if (name.find_first_of("/\\") == std::string::npos && name != "." && name != "..")
        return true;
    AfxMessageBox("A series name can't contain \"\\\" or \"/\" or be \"..\"!", MB_OK);
    return false;
}

bool CSeriesConditionDlg::OnGenerate()
{
    CWaitCursor wait;
    const std::string name = Trim(m_strSeriesName);
    if (name.empty()) {
        AfxMessageBox("You must specify a series name!", MB_OK);
        return false;
    }
    if (!IsNameUsable(name))
        return false;
    CSeriesGenerator generator(m_List.Table(), m_strSourceFolder);
    for (const std::string& file : m_DeviceFiles)
        generator.AddDeviceFile(file);
    if (!generator.Prepare()) {
        AfxMessageBox(generator.GetError(), MB_OK | MB_ICONSTOP);
        return false;
    }
    const std::string out = CSeriesGenerator::SeriesFolder(m_strSourceFolder, name);
    if (FolderExists(out)) {
        // Points of two generations in one folder would mix two series.
        const int answer = AfxMessageBox("The series folder\n" + out +
                                             "\nexists already. Replace it? Its files are removed first.\n\n"
                                             "Choose No to give the series another name.",
                                         MB_YESNO | MB_ICONQUESTION);
        if (answer != IDYES)
            return false;
        std::error_code error;
        std::filesystem::remove_all(out, error);
        if (error) {
            AfxMessageBox("Can't remove the series folder\n" + out + "\n" + error.message(), MB_OK | MB_ICONSTOP);
            return false;
        }
    }
    if (m_List.Table().CountPoints() > 0 && !MakeDirectoryPath(out, false)) {
        AfxMessageBox("Can't create the series folder\n" + out, MB_OK | MB_ICONSTOP);
        return false;
    }
    generator.Write(out, m_Progress);
    std::string log = generator.GetLog();
    const std::string marker = SeriesInfoFile::PathIn(m_strSourceFolder);
    if (!WriteFileAtomic(marker, kMarkerText))
        log += marker + "\n";
    if (!log.empty())
        AfxMessageBox("The series was generated with errors. These files could not be written:\n" + log,
                      MB_OK | MB_ICONWARNING);
    return true;
}
