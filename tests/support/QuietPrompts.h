#pragma once
// A prompt service that shows nothing: every message box answers OK and every file dialog is
// cancelled. The fuzz drivers install it, since the inputs they make draw many complaints.

#include "platform/UserPrompts.h"

class QuietPrompts : public IUserPrompts {
public:
    int MessageBox(const std::string&, const std::string&, unsigned) override { return IDOK; }
    bool FileDialog(FileDialogRequest&) override { return false; }
};
