#pragma once
// The settings store of the running program: a wxFileConfig file under the vendor "Veltrane",
// one group per section, in the user's configuration folder.

#include "platform/Profile.h"

#include <memory>
#include <string>

class wxFileConfig;

class CWxProfile : public IProfile {
public:
    // appName names the file ("<config home>/Veltrane/<appName>.ini").
    explicit CWxProfile(const std::string& appName);
    ~CWxProfile() override;

    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue = "") override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
    bool WriteProfileString(const std::string& section, const std::string& entry,
                            const std::string& value) override;

    const std::string& FilePath() const { return m_path; }
    static std::string ConfigFolder();

private:
    std::string m_path;
    std::unique_ptr<wxFileConfig> m_config;
};
