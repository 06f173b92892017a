#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

ScriptedPrompts::ScriptedPrompts() { SetUserPrompts(this); }

ScriptedPrompts::~ScriptedPrompts()
{
    SetUserPrompts(nullptr);
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " scripted answer(s) were never asked for";
    EXPECT_TRUE(m_fonts.empty()) << m_fonts.size() << " scripted font choice(s) were never asked for";
}

std::vector<std::string> ScriptedPrompts::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& s : m_shown) texts.push_back(s.text);
    return texts;
}

void ScriptedPrompts::Clear()
{
    m_shown.clear();
    m_dialogs.clear();
    m_fontDialogs.clear();
}

int ScriptedPrompts::MessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    m_shown.push_back({text, caption, type});
    if (!m_answers.empty()) {
        int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    if (!m_allowUnscripted) ADD_FAILURE() << "unexpected message box: \"" << text << "\"";
    unsigned buttons = type & MB_TYPEMASK;
    return (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
}

bool ScriptedPrompts::FileDialog(FileDialogRequest& request)
{
    m_dialogs.push_back(request);
    if (m_files.empty()) {
        ADD_FAILURE() << "unexpected file dialog: \"" << request.title << "\"";
        return false;
    }
    std::string path = m_files.front();
    m_files.pop_front();
    if (path.empty()) return false;
    request.chosenPaths = {path};
    return true;
}

bool ScriptedPrompts::FontDialog(FontChoice& font)
{
    m_fontDialogs.push_back(font);
    if (m_fonts.empty()) {
        ADD_FAILURE() << "unexpected font dialog";
        return false;
    }
    const auto answer = m_fonts.front();
    m_fonts.pop_front();
    if (answer.first)
        font = answer.second;
    return answer.first;
}
