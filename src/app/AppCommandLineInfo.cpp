#include "app/AppCommandLineInfo.h"

#include "platform/StringUtil.h"

void CAppCommandLineInfo::ParseParam(const std::string& param, bool isFlag, bool /*isLast*/)
{
    if (isFlag) {
        if (param == "2")
            m_nStartMode = 2;
        else if (param == "3")
            m_nStartMode = 3;
        else if (EqualsNoCase(param, "Embedding") || EqualsNoCase(param, "Automation"))
            m_bShowSplash = false;
        return;
    }
    if (m_strFileName.empty()) {
        m_strFileName = param;
        m_nShellCommand = FileOpen;
    }
}

void CAppCommandLineInfo::ParseCommandLine(const std::vector<std::string>& args)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // A lone "-" or "/" is no flag; an absolute path beginning with "/" is a file, not a flag.
        const bool isFlag = a.size() > 1 && (a[0] == '-' || (a[0] == '/' && a.find('/', 1) == std::string::npos &&
                                                             a.find('.') == std::string::npos));
        ParseParam(isFlag ? a.substr(1) : a, isFlag, i + 1 == args.size());
    }
}
