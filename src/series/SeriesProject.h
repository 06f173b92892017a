#pragma once
// The folder tree of one model-based series beside its root file (the saved structure file of the
// document): for every value a value folder below "projects/<series name>/" of the root folder,
// holding copies of the root folder's plain files, and afterwards the empty marker file in the
// root folder. The series table then saves the changed structure files into the value folders.

#include <string>
#include <vector>

class CSeriesProject {
public:
    CSeriesProject() = default;
    explicit CSeriesProject(std::string rootPath) : m_strRootPath(std::move(rootPath)) {}
    CSeriesProject(const CSeriesProject&) = default;
    CSeriesProject& operator=(const CSeriesProject&) = default;
    virtual ~CSeriesProject() = default;

    // The root folder with its trailing separator, and the root file's name up to its first ".";
    // "Please set Root file!" and "" while there is no root file.
    std::string GetRootDir() const;
    std::string GetRootTitle() const;
    // Value folder i of the last run (with a trailing separator); "" outside the list.
    std::string GetFolderName(int i) const;
    int GetFolderCount() const { return static_cast<int>(m_Folders.size()); }
    const std::vector<double>& GetValues() const { return m_Values; }
    // The folder the last run wrote its value folders into; "" before a run.
    const std::string& GetSeriesFolder() const { return m_strSeriesFolder; }
    // The name the last run took (another one when the user chose so).
    const std::string& GetSeriesName() const { return m_strSeriesName; }

    // The values from initial to final by step, with their messages: "Step is too small!" for a
    // step below 1e-9 or the values' resolution, "Loop is less than zero!" when final lies below
    // initial, a refusal of more than the largest list and a question above a thousand values
    // (false when the user cancels; the list is then empty).
    static bool BuildValues(double initial, double final, double step, std::vector<double>& values);
    // The name of a value's folder: an integer value as "%d" with its sign ("3", "-3"), any other
    // in the shortest "%g" form that gives it back ("0.1", "3.5").
    static std::string FormatSeriesFolderName(double value);

    // Builds the tree; false, having made nothing, when there is no root file ("Please save your
    // device first!"), the values are refused or the user cancels. The marker is written whenever
    // the value list was built.
    bool Run(const std::string& seriesName, double initial, double final, double step);

    // Copies every plain file of the root folder but the marker into target, keeping a file that
    // exists there already; failed copies are passed over.
    void CopyRootFiles(const std::string& target) const;
    // Creates the empty marker file in the root folder, or empties it.
    void CreateInfoFile() const;

private:
    std::string m_strRootPath;
    std::string m_strSeriesFolder;
    std::string m_strSeriesName;
    std::vector<double> m_Values;
    std::vector<std::string> m_Folders;
};
