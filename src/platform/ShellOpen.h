#pragma once
// "Open with the default program" (help pages, written workbooks), by xdg-open through the process
// runner. Installable, so tests record what would be opened.

#include <string>

class IShellOpener {
public:
    virtual ~IShellOpener() = default;
    // Opens a file or URL with the desktop's default program; true when that was started.
    virtual bool OpenWithDefaultProgram(const std::string& path) = 0;
    // Why the last open failed, in words for the user ("" when nothing is known).
    virtual std::string FailureReason() const { return std::string(); }
};

IShellOpener& ShellOpener();
// Installs an opener (nullptr restores xdg-open). The caller keeps ownership.
void SetShellOpener(IShellOpener* opener);
