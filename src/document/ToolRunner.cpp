#include "document/ToolRunner.h"

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/ProcessRunner.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"

#include <filesystem>

namespace {

constexpr unsigned kPauseAfterTool = 2000;  // ms
const char* const kDataFolders[] = {"tarnel", "corvex", "lumivo"};

bool IsFile(const std::string& path) { return FileExists(path) && !FolderExists(path); }

// The tool's name without ".exe": the name a tool built for this system has.
std::string BareToolName(const std::string& toolName)
{
    std::string bare = toolName;
    if (EndsWith(ToLowerAscii(bare), ".exe"))
        bare.resize(bare.size() - 4);
    return bare;
}

std::string Absolute(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

}  // namespace

CToolRunner::CToolRunner(std::string installRoot) : m_strRoot(NativePath(installRoot))
{
    if (!m_strRoot.empty() && m_strRoot.back() != '/')
        m_strRoot += '/';
}

std::string CToolRunner::MakeMesh(const std::string& path)
{
    bool ran = false;
    if (PathNamesKind(path, ".layer"))
        ran = RunLayerTools(path);
    else if (PathNamesKind(path, ".geo"))
        ran = RunGeoTool(path);
    else
        AfxMessageBox("It is not a .layer or .geo file!");
    if (!ran)
        return std::string();
    const std::string native = ResolveExistingPath(path);
    return PathFolder(native) + PathFileTitle(native) + ".msh";
}

bool CToolRunner::RunLayerTools(const std::string& path)
{
    const std::string native = ResolveExistingPath(path);
    if (!IsFile(native)) {
        AfxMessageBox(StrFormat("Can't find %s", native.c_str()));
        return false;
    }
    const std::string folder = PathFolder(native);
    const std::string title = PathFileTitle(native);
    return RunTool(kLayerTool, folder, PathFileName(native), title + ".geo") &&
           RunTool(kGeoTool, folder, title + ".geo", title + ".msh");
}

bool CToolRunner::RunGeoTool(const std::string& path)
{
    const std::string native = ResolveExistingPath(path);
    if (!IsFile(native)) {
        AfxMessageBox(StrFormat("Can't find %s", native.c_str()));
        return false;
    }
    return RunTool(kGeoTool, PathFolder(native), PathFileName(native), PathFileTitle(native) + ".msh");
}

std::string CToolRunner::ToolInFolder(const std::string& folder, const std::string& toolName) const
{
    // A tool built for this system carries no ".exe"; a name with it is taken as well.
    const std::string bare = BareToolName(toolName);
    for (const std::string& name : {bare, bare + ".exe"}) {
        const std::string candidate = ResolveExistingPath(m_strRoot + folder + "/" + name);
        if (IsFile(candidate))
            return Absolute(candidate);
    }
    return std::string();
}

std::string CToolRunner::FindSimulatorTool(const std::string& toolName) const
{
    if (!m_strRoot.empty())
        for (const char* folder : kDataFolders) {
            const std::string tool = ToolInFolder(folder, toolName);
            if (!tool.empty())
                return tool;
        }
    AfxMessageBox(MissingToolText(toolName));
    return std::string();
}

std::string CToolRunner::MissingToolText(const std::string& toolName) const
{
    const std::string bare = BareToolName(toolName);
    std::string text = StrFormat("Can't find %s", bare.c_str());
    if (m_strRoot.empty())
        return text + "\nThe folder above the program's own folder, where the simulators are installed, is not known.";
    text += "\nLooked for " + bare + " and " + bare + ".exe in ";
    const std::size_t count = sizeof kDataFolders / sizeof kDataFolders[0];
    for (std::size_t i = 0; i < count; ++i)
        text += m_strRoot + kDataFolders[i] + "/" + (i + 2 < count ? ", " : i + 1 < count ? " and " : ".");
    return text;
}

bool CToolRunner::RunTool(const std::string& toolName, const std::string& folder, const std::string& input,
                          const std::string& output) const
{
    const std::string tool = FindSimulatorTool(toolName);
    if (tool.empty())
        return false;
    const std::string outputPath = folder + output;
    if (FileExists(outputPath) && !DeleteFilePath(outputPath)) {
        AfxMessageBox(StrFormat("Can't replace %s", outputPath.c_str()));
        return false;
    }

    ProcessRequest request;
    request.argv = {tool, input};
    request.workingFolder = folder;
    const ProcessResult result = ProcessRunner().Run(request);
    SleepMs(kPauseAfterTool);

    const std::string name = PathFileName(tool);
    if (!result.started) {
        AfxMessageBox(StrFormat("Can't start %s", tool.c_str()));
        return false;
    }
    if (result.exitCode != 0) {
        AfxMessageBox(StrFormat("%s failed with exit code %d", name.c_str(), result.exitCode));
        return false;
    }
    if (!IsFile(outputPath)) {
        AfxMessageBox(StrFormat("%s did not write %s", name.c_str(), outputPath.c_str()));
        return false;
    }
    return true;
}
