#pragma once
// Controls for a page's data exchange in tests: texts by control id, and the controls that were
// given the focus.

#include "sheets/DialogControls.h"

#include <map>
#include <string>
#include <vector>

class FakeDialogControls : public IDialogControls {
public:
    std::string GetControlText(int id) const override
    {
        const auto found = texts.find(id);
        return found == texts.end() ? std::string() : found->second;
    }
    void SetControlText(int id, const std::string& text) override { texts[id] = text; }
    void FocusControl(int id) override { focused.push_back(id); }

    std::map<int, std::string> texts;
    std::vector<int> focused;
};
