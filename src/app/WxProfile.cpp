#include "app/WxProfile.h"

#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/utils.h>

#include <cstdlib>

namespace {

// Section and entry names are used as given; "/" would start a sub-group, so it is kept literal.
wxString Key(const std::string& section, const std::string& entry)
{
    wxString s = wxString::FromUTF8(section), e = wxString::FromUTF8(entry);
    s.Replace("/", "_");
    e.Replace("/", "_");
    return "/" + s + "/" + e;
}

}  // namespace

std::string CWxProfile::ConfigFolder()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    wxString base = (xdg && *xdg) ? wxString::FromUTF8(xdg) : wxGetHomeDir() + "/.config";
    return (base + "/Veltrane").ToStdString(wxConvUTF8);
}

CWxProfile::CWxProfile(const std::string& appName)
    : m_path(ConfigFolder() + "/" + appName + ".ini")
{
    wxFileName::Mkdir(wxString::FromUTF8(ConfigFolder()), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    m_config = std::make_unique<wxFileConfig>(wxString::FromUTF8(appName), "Veltrane",
                                              wxString::FromUTF8(m_path), wxEmptyString,
                                              wxCONFIG_USE_LOCAL_FILE);
    m_config->SetExpandEnvVars(false);
}

CWxProfile::~CWxProfile()
{
    if (m_config)
        m_config->Flush();
}

int CWxProfile::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue)
{
    wxString text;
    if (!m_config->Read(Key(section, entry), &text) || text.empty())
        return defaultValue;
    return std::atoi(text.utf8_str());
}

std::string CWxProfile::GetProfileString(const std::string& section, const std::string& entry,
                                         const std::string& defaultValue)
{
    wxString text;
    if (!m_config->Read(Key(section, entry), &text))
        return defaultValue;
    return text.ToStdString(wxConvUTF8);
}

bool CWxProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    return WriteProfileString(section, entry, std::to_string(value));
}

bool CWxProfile::WriteProfileString(const std::string& section, const std::string& entry,
                                    const std::string& value)
{
    const bool ok = m_config->Write(Key(section, entry), wxString::FromUTF8(value));
    return m_config->Flush() && ok;
}
