#pragma once
// A folder of the program's own for scratch files, made with a unique name in the system's
// temporary folder ($TMPDIR or the system's default) and removed with everything in it when the object goes.
// No two runs, and no two objects, share one.

#include <string>

class CTempFolder {
public:
    CTempFolder() = default;
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // Makes the folder; false (with ErrorText) when it cannot be made.
    bool Create(const std::string& prefix);
    // The folder, ending in a separator; "" before Create.
    const std::string& Path() const { return m_path; }
    const std::string& ErrorText() const { return m_strError; }

private:
    std::string m_path;
    std::string m_strError;
};
