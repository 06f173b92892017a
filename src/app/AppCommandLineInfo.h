#pragma once
// The command line of the program: a file to open, and the start-mode flags "2" and "3" (written
// "-2", "/2", "-3", "/3"), which are accepted and decide nothing, and the flags "Embedding" and
// "Automation" (in any case) of a start by another program, which show no splash window. Other
// flags are ignored.

#include <string>
#include <vector>

class CAppCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen };

    void ParseParam(const std::string& param, bool isFlag, bool isLast);
    void ParseCommandLine(const std::vector<std::string>& args);  // args without the program

    int m_nStartMode = 0;
    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
    bool m_bShowSplash = true;
};
