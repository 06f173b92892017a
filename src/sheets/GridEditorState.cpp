#include "sheets/GridEditorState.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsArrowOrPage(int key)
{
    return key == VK_PRIOR || key == VK_NEXT || (key >= VK_LEFT && key <= VK_DOWN);
}

bool IsNavigationKey(int key) { return key >= VK_PRIOR && key <= VK_DOWN; }

}  // namespace

CGridEditorState::CGridEditorState(const CGridEditorRequest& request)
    : m_request(request),
      // A list moves through its choices with the arrows whatever started it.
      m_bExitOnArrows(!request.isList && request.firstChar != VK_LBUTTON)
{
}

CGridEditorState::COpening CGridEditorState::Opening() const
{
    COpening opening;
    opening.text = m_request.text;
    if (m_request.isList)
        opening.listSelection = FindChoice(m_request.choices, m_request.text);
    if (opening.listSelection >= 0)
        opening.text = m_request.choices[size_t(opening.listSelection)];

    const int ch = m_request.firstChar;
    if (ch == VK_LBUTTON || ch == VK_RETURN)
        return opening;
    if (ch == VK_BACK) {
        if (!opening.text.empty())
            opening.text.pop_back();
        return opening;
    }
    // A Tab that carried the edit on from the cell before never becomes text.
    const bool selectsOnly = ch == VK_TAB || IsNavigationKey(ch) || (!m_request.isList && ch == VK_SPACE);
    if (selectsOnly) {
        opening.selectAll = true;
        return opening;
    }
    // The character typed replaces the selected text.
    opening.text = std::string(1, char(ch));
    return opening;
}

bool CGridEditorState::OnKeyDown(int key, bool ctrl)
{
    if (IsArrowOrPage(key)) {
        if (!m_bExitOnArrows && !ctrl)
            return false;
        m_nLastKey = key;
        return true;
    }
    // The list takes Escape, Tab and Enter as keys; the box as characters.
    if (m_request.isList && (key == VK_ESCAPE || key == VK_TAB || key == VK_RETURN))
        return OnChar(key);
    return false;
}

bool CGridEditorState::OnChar(int ch)
{
    switch (ch) {
    case VK_TAB:
    case VK_RETURN:
        m_nLastKey = ch;
        return true;
    case VK_ESCAPE:
        m_bRestored = true;
        m_nLastKey = VK_ESCAPE;
        return true;
    default:
        return false;
    }
}

int CGridEditorState::FindChoice(const std::vector<std::string>& choices, const std::string& text)
{
    for (size_t i = 0; i < choices.size(); ++i) {
        const std::string& choice = choices[i];
        if (choice.size() >= text.size() &&
            std::equal(text.begin(), text.end(), choice.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            }))
            return int(i);
    }
    return -1;
}

int CGridEditorState::GrownRight(int left, int right, int textWidth, int gridRight)
{
    if (textWidth <= right - left)
        return right;
    return std::max(right, std::min(left + textWidth, gridRight));
}

int CGridEditorState::ListWidth(int cellWidth, int widestChoice, int spaceWidth, int scrollBarWidth)
{
    return std::max(cellWidth, scrollBarWidth + widestChoice + 2 * spaceWidth);
}
