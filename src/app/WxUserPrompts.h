#pragma once
// Message boxes, file dialogs and font dialogs of the running program, shown with wxWidgets.

#include "platform/UserPrompts.h"

class CWxUserPrompts : public IUserPrompts {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    bool FileDialog(FileDialogRequest& request) override;
    bool FontDialog(FontChoice& font) override;

    // "Text(*.x)|*.x|...||" as the program writes its filters, in the form wx expects.
    static std::string WxWildcard(const std::string& filter);
};
