#include "support/StandInTools.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string StandInToolPath(const std::string& script) { return TESSARON_FIXTURES "/../tools/" + script; }

std::string InstallStandInTool(const std::string& root, const std::string& dataFolder, const std::string& script,
                               const std::string& name, bool executable)
{
    const fs::path target = fs::path(root) / dataFolder / name;
    fs::create_directories(target.parent_path());
    fs::copy_file(StandInToolPath(script), target, fs::copy_options::overwrite_existing);
    const fs::perms run = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    fs::permissions(target, run, executable ? fs::perm_options::add : fs::perm_options::remove);
    return target.string();
}

void InstallStandInTools(const std::string& root, const std::string& dataFolder)
{
    InstallStandInTool(root, dataFolder, "stackgen", "stackgen");
    InstallStandInTool(root, dataFolder, "shapegen", "shapegen");
}
