#pragma once
// The series condition dialog (dialog 108) without its window: the one edit-box series being
// collected. It belongs to one source folder, the folder of the device whose saved files its
// items change; it holds the series name, the list of items and the files of the device, and does
// what its buttons do: Edit and Delete on the selected rows, "Save setting" and "Generate Series".

#include "series/SeriesListCtrl.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

class CSeriesConditionDlg {
public:
    enum : int {
        IDD = 108,
        IDC_SERIES_NAME = 1014,
        IDC_LIST_PLACE = 1011,
        IDC_PROGRESS = 1022,
        IDC_EDIT = 1024,
        IDC_DELETE = 1177,
        IDC_SAVE_SETTING = 1026,
    };

    // folder: the device's folder, ending in a separator, in the case it has on disk.
    explicit CSeriesConditionDlg(std::string folder);

    const std::string& GetSourceFolder() const { return m_strSourceFolder; }
    void SetSeriesName(const std::string& name) { m_strSeriesName = name; }
    std::string m_strSeriesName;  // edit 1014

    CSeriesListCtrl& List() { return m_List; }
    const CSeriesListCtrl& List() const { return m_List; }

    // Files the device reads (its ".layer" file and every file it includes), copied into every
    // point folder.
    void AddDeviceFiles(const std::vector<std::string>& files);
    const std::set<std::string>& GetDeviceFiles() const { return m_DeviceFiles; }

    // Edit: the one selected row; -1 after "You can only edit one row!" or "Select one row!".
    int RowToEdit(const std::vector<int>& selectedRows) const;
    // The edit dialog's OK: the item's values and group, and the group's step number.
    void ApplyEdit(int row, double initial, double final, int groupId, int stepNumber);
    // Delete: removes the items of the selected rows.
    void OnDelete(const std::vector<int>& selectedRows);

    // "Save setting": asks for a ".sif" file and writes the definition; false when cancelled or
    // after "Can't create file!".
    bool OnSaveSetting();
    bool SaveSetting(const std::string& path);
    // Reads a ".sif" file in place of the items: false after its message when it is refused;
    // the warnings about missing and modified files are shown together.
    bool LoadSetting(const std::string& path);

    // "Generate Series": checks the name and every value's place, asks before it replaces an
    // existing series folder, writes the point folders and the marker, and shows what could not
    // be written. True when the series was generated (the dialog then closes).
    bool OnGenerate();
    // Progress of the point folders written (done, total), for the window's progress bar.
    std::function<void(long long, long long)> m_Progress;

private:
    bool IsNameUsable(const std::string& name) const;

    std::string m_strSourceFolder;
    CSeriesListCtrl m_List;
    std::set<std::string> m_DeviceFiles;
};
