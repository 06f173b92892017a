#pragma once
// A prompt service for tests: records every message box, file dialog and font dialog, answers from queues, and
// fails the running test on a prompt nobody scripted. Install it for the scope of a test:
//
//     ScriptedPrompts prompts;               // installs itself, uninstalls in its destructor
//     prompts.AnswerNext(IDNO);
//     ... code under test ...
//     EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Save changes?"});

#include "platform/UserPrompts.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

class ScriptedPrompts : public IUserPrompts {
public:
    struct Shown {
        std::string text;
        std::string caption;
        unsigned type;
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;

    // Queues the answer for the next message box.
    void AnswerNext(int answer) { m_answers.push_back(answer); }
    // Lets message boxes without a queued answer return their default button (OK/YES) silently.
    void AllowUnscripted(bool allow = true) { m_allowUnscripted = allow; }
    // Queues the result of the next file dialog: the chosen path, or "" for Cancel.
    void ChooseFileNext(const std::string& path) { m_files.push_back(path); }
    // Queues the result of the next font dialog: the font chosen, or Cancel.
    void ChooseFontNext(const FontChoice& font) { m_fonts.push_back({true, font}); }
    void CancelFontNext() { m_fonts.push_back({false, FontChoice()}); }

    const std::vector<Shown>& Shown_() const { return m_shown; }
    std::vector<std::string> Texts() const;
    const std::vector<FileDialogRequest>& FileDialogs() const { return m_dialogs; }
    // The fonts the font dialogs started from, in order.
    const std::vector<FontChoice>& FontDialogs() const { return m_fontDialogs; }
    void Clear();

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    bool FileDialog(FileDialogRequest& request) override;
    bool FontDialog(FontChoice& font) override;

private:
    std::deque<int> m_answers;
    std::deque<std::string> m_files;
    std::deque<std::pair<bool, FontChoice>> m_fonts;
    std::vector<FontChoice> m_fontDialogs;
    std::vector<Shown> m_shown;
    std::vector<FileDialogRequest> m_dialogs;
    bool m_allowUnscripted = false;
};
