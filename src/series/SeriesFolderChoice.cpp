#include "series/SeriesFolderChoice.h"

#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/UserPrompts.h"

#include <filesystem>
#include <system_error>

std::string CSeriesFolderChoice::Settle(const std::string& parent, const std::string& name)
{
    const std::string folder = parent + name;
    if (!FileExists(folder))
        return name;
    const int answer = AfxMessageBox("The series folder\n" + folder +
                                         "\nexists already. Replace it?\n(No: the series takes another name.)",
                                     MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO)
        return FreeName(parent, name);
    if (answer != IDYES)
        return std::string();
    std::error_code error;
    std::filesystem::remove_all(NativePath(folder), error);
    if (error || FileExists(folder)) {
        AfxMessageBox("Can not remove the series folder\n" + folder + ": " + error.message(), MB_OK | MB_ICONWARNING);
        return std::string();
    }
    return name;
}

std::string CSeriesFolderChoice::FreeName(const std::string& parent, const std::string& name)
{
    for (int n = 2;; ++n) {
        const std::string candidate = name + "-" + std::to_string(n);
        if (!FileExists(parent + candidate))
            return candidate;
    }
}
