#pragma once
// Settings by section and entry, in place of the registry. The GUI backs them with a wxFileConfig
// under the vendor "Veltrane"; without one (batch use, tests) an in-memory store serves.

#include <map>
#include <string>
#include <utility>

class IProfile {
public:
    virtual ~IProfile() = default;
    virtual int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& entry,
                                         const std::string& defaultValue = "") = 0;
    virtual bool WriteProfileInt(const std::string& section, const std::string& entry, int value) = 0;
    virtual bool WriteProfileString(const std::string& section, const std::string& entry,
                                    const std::string& value) = 0;
};

// Settings held in memory only.
class CMemoryProfile : public IProfile {
public:
    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue = "") override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
    bool WriteProfileString(const std::string& section, const std::string& entry,
                            const std::string& value) override;
    void Clear() { m_values.clear(); }

private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};

// The installed settings store (an in-memory one until the application installs its own).
IProfile& Profile();
// Installs a store (nullptr restores the in-memory default). The caller keeps ownership.
void SetProfile(IProfile* profile);
