#include "app/ShellRegistration.h"

#include "platform/FileIO.h"

#include <wx/utils.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const char* const kMimeType = "application/x-brenvik-layer";

// Writes the text when the file does not hold it already; true when it was written.
bool WriteIfChanged(const std::string& path, const std::string& text)
{
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::ostringstream old;
            old << in.rdbuf();
            if (old.str() == text)
                return false;
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    // Two starts at once, or a desktop reading the file meanwhile, never see half of it.
    return WriteFileAtomic(path, text);
}

// A desktop-entry argument in double quotes, with the characters that need it escaped.
std::string QuotedExecArgument(const std::string& text)
{
    std::string q = "\"";
    for (char c : text) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            q += "\\\\";  // the file format's own escape of the backslash, then the quoting escape
        if (c == '%')
            q += '%';
        q += c;
    }
    return q + "\"";
}

}  // namespace

std::string CShellRegistration::DataHome()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg)
        return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/share";
}

std::string CShellRegistration::MimePackageText()
{
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                       "  <mime-type type=\"") + kMimeType + "\">\n"
                       "    <comment>Brenvik.Layer</comment>\n"
                       "    <glob pattern=\"*.layer\"/>\n"
                       "  </mime-type>\n"
                       "</mime-info>\n";
}

std::string CShellRegistration::DesktopEntryText(const std::string& programPath)
{
    return std::string("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Brenvik\n"
                       "Comment=Layer structure editor\n"
                       "Exec=") + QuotedExecArgument(programPath) + " -2 %f\n"
                       "MimeType=" + kMimeType + ";\n"
                       "NoDisplay=true\n"
                       "Terminal=false\n";
}

void CShellRegistration::RegisterLayerFileType(const std::string& programPath)
{
    if (WriteIfChanged(MimePackagePath(), MimePackageText())) {
        // The desktop reads the compiled MIME database; refresh it when the tool is there.
        wxString tool;
        if (wxFindFileInPath(&tool, wxGetenv("PATH"), "update-mime-database"))
            wxExecute(wxString::Format("\"%s\" \"%s\"", tool, wxString::FromUTF8(DataHome() + "/mime")),
                      wxEXEC_ASYNC | wxEXEC_HIDE_CONSOLE);
    }
    WriteIfChanged(DesktopEntryPath(), DesktopEntryText(programPath));
}
