#pragma once
// Writes the point folders of an edit-box series. Each point folder gets the files that hold the
// series' values, with every value's text replaced by the value of that point, and copies of the
// other files the device needs: the plain files of the source folder and the files the device
// includes from its sub-folders, each at its place relative to the source folder, so that every
// point folder opens on its own.
//
// Everything is read and checked first (Prepare): a file that cannot be read, a value whose text
// is no longer where it was indexed (the file changed since it was saved) or a file outside the
// source folder (an include named with ".." or an absolute path, which every point would share)
// stops the generation before anything is written. The source files are never changed, so every
// point starts from what was saved.

#include "series/EditBoxSeriesTable.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

class CSeriesGenerator {
public:
    // sourceFolder: the folder of the device, ending in a separator.
    CSeriesGenerator(CSeriesTable& table, std::string sourceFolder);

    // The series folder of a series name: source folder + "Projects" + "/" + name + "/".
    static std::string SeriesFolder(const std::string& sourceFolder, const std::string& name);

    // A file of the device (an included one) copied into every point with its relative folder.
    void AddDeviceFile(const std::string& path) { m_DeviceFiles.insert(path); }

    // Reads the item files and checks every value's place; false with the reason in GetError().
    bool Prepare();
    // Writes every point folder below seriesFolder (ending in a separator): "1", "2", ... Files
    // that cannot be written are skipped and named in GetLog(), one line each. Returns the number
    // of points written; progress (when given) hears of every point written (done, total).
    long long Write(const std::string& seriesFolder,
                    const std::function<void(long long, long long)>& progress = nullptr);

    const std::string& GetError() const { return m_strError; }
    const std::string& GetLog() const { return m_strLog; }

private:
    // One value's span in its file's bytes.
    struct Span {
        std::size_t begin;
        std::size_t end;
        int row;  // the item's row in the table
    };
    struct SourceFile {
        std::string relative;   // path below the source folder, "/" separated
        std::string bytes;
        std::vector<Span> spans;  // ascending, not overlapping
    };

    bool RelativePath(const std::string& path, std::string& relative);
    bool ReadSource(const std::string& path, SourceFile& file);
    bool PlaceItem(SourceFile& file, int row);
    std::string Substituted(const SourceFile& file) const;
    void WritePoint(const std::string& pointFolder);
    void Log(const std::string& path, const std::string& reason);

    CSeriesTable& m_table;
    std::string m_strSource;      // native, resolved as on disk, ending in "/"
    std::set<std::string> m_DeviceFiles;
    std::vector<SourceFile> m_Sources;
    // Copied into every point: full path -> path below the point folder.
    std::vector<std::pair<std::string, std::string>> m_Copies;
    std::string m_strError;
    std::string m_strLog;
};
