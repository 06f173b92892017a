#pragma once
// Associates ".layer" files with the program in the desktop: a MIME type with the glob "*.layer"
// and a desktop entry that opens such files with "-2" and the file name. Written into the user's
// data folder at every start; failures are ignored, start-up never depends on them.

#include <string>

class CShellRegistration {
public:
    static void RegisterLayerFileType(const std::string& programPath);

    // The user's data folder ($XDG_DATA_HOME, else ~/.local/share), without a trailing "/".
    static std::string DataHome();
    static std::string MimePackagePath() { return DataHome() + "/mime/packages/brenvik-layer.xml"; }
    static std::string DesktopEntryPath() { return DataHome() + "/applications/brenvik-layer.desktop"; }

    static std::string MimePackageText();
    static std::string DesktopEntryText(const std::string& programPath);
};
