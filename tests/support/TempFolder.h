#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end of
// the test. Path() ends without a separator; File("a.layer") gives Path() + "/a.layer".

#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    // Writes bytes to File(name) (creating sub-folders of name) and returns that path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // Bytes of File(name); "" when it cannot be read.
    std::string Read(const std::string& name) const;
    // Names in the folder (not recursive), sorted.
    std::string List() const;

private:
    std::string m_path;
};
