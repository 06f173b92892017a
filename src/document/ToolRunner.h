#pragma once
// The mesher tools of the simulator installation: "stackgen" turns a ".layer" file into a ".geo"
// geometry file, "shapegen" turns a ".geo" file into a ".msh" triangle file. Each is looked up in
// the first simulator data folder below the installation root ("tarnel", "corvex", "lumivo")
// that holds it, by its name with or without ".exe", and runs as a child process (argv: the tool
// and the input's file name) with the input's folder as its working folder; the program's own
// working folder never changes. After each run the runner pauses two seconds, as the tools'
// callers always have (through the installable clock).
//
// A run stops at the first failure, after one message: a missing input or tool, a tool that
// cannot be started, a non-zero exit, or an output the tool did not write. A tool's earlier output
// is removed before it runs, so an old file is never taken for a new one. Paths keep their case.
//
// A small object made for one plot; it keeps nothing between its operations.

#include <string>

class CToolRunner {
public:
    static constexpr const char* kLayerTool = "stackgen.exe";
    static constexpr const char* kGeoTool = "shapegen.exe";

    // installRoot: the folder the simulator data folders lie in ("" finds no tool).
    explicit CToolRunner(std::string installRoot);

    // Runs the tools for a ".layer" or ".geo" file (kind told by PathNamesKind, ".layer" first)
    // and returns the path of the ".msh" file they wrote beside it (folder + title + ".msh");
    // "" after a message when the path is neither or a tool run fails.
    std::string MakeMesh(const std::string& path);
    // "stackgen" on the ".layer" file, then "shapegen" on the ".geo" file it wrote.
    bool RunLayerTools(const std::string& path);
    // "shapegen" on the ".geo" file.
    bool RunGeoTool(const std::string& path);
    // The full path of a tool (kLayerTool or kGeoTool) in the first data folder that holds it;
    // "" after the message MissingToolText when none does.
    std::string FindSimulatorTool(const std::string& toolName) const;
    // "Can't find <tool>" with the names and the folders looked in on a second line (or, without
    // an installation root, that there was no folder to look in).
    std::string MissingToolText(const std::string& toolName) const;

private:
    // Runs the tool on `input` (a file name in `folder`) and checks that it wrote `output` there.
    bool RunTool(const std::string& toolName, const std::string& folder, const std::string& input,
                 const std::string& output) const;
    // The tool's path in one data folder, with or without ".exe"; "" when it is not there.
    std::string ToolInFolder(const std::string& folder, const std::string& toolName) const;

    std::string m_strRoot;
};
