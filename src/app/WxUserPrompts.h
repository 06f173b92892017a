#pragma once
// Message boxes and file dialogs of the running program, shown with wxWidgets.

#include "platform/UserPrompts.h"

class CWxUserPrompts : public IUserPrompts {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    bool FileDialog(FileDialogRequest& request) override;

    // "Text(*.x)|*.x|...||" as the program writes its filters, in the form wx expects.
    static std::string WxWildcard(const std::string& filter);
};
