#include "platform/UserPrompts.h"

#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <cstdio>

namespace {

// Without a window system the answer is the default button, so batch use never blocks.
class ConsolePrompts : public IUserPrompts {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override
    {
        std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
        switch (type & MB_TYPEMASK) {
        case MB_YESNO:
        case MB_YESNOCANCEL: return IDYES;
        case MB_ABORTRETRYIGNORE: return IDABORT;
        case MB_RETRYCANCEL: return IDRETRY;
        default: return IDOK;
        }
    }
    bool FileDialog(FileDialogRequest&) override { return false; }
};

ConsolePrompts g_consolePrompts;
IUserPrompts* g_prompts = nullptr;
std::string g_caption = "Tessaron";

}  // namespace

std::string WithDefaultExtension(const std::string& path, const std::string& defaultExt)
{
    const std::string name = PathFileName(path);
    if (defaultExt.empty() || name.empty() || name.find('.') != std::string::npos)
        return path;
    return path + "." + defaultExt;
}

bool ConfirmReplaceAfterExtension(const std::string& typed, const std::string& chosen, IUserPrompts& prompts)
{
    if (chosen == typed || !FileExists(chosen))
        return true;
    const std::string text = PathFileName(chosen) + " already exists.\nDo you want to replace it?";
    return prompts.MessageBox(text, "Save As", MB_YESNO | MB_ICONWARNING) == IDYES;
}

IUserPrompts& UserPrompts() { return g_prompts ? *g_prompts : g_consolePrompts; }

void SetUserPrompts(IUserPrompts* prompts) { g_prompts = prompts; }

void SetMessageBoxCaption(const std::string& caption) { g_caption = caption; }

const std::string& MessageBoxCaption() { return g_caption; }

int AfxMessageBox(const std::string& text, unsigned type)
{
    return UserPrompts().MessageBox(text, g_caption, type);
}
