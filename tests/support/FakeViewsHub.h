#pragma once
// A views hub for tests: records every update hint and call, holds a grid flag, and can pretend
// to have no 2-D or no 3-D view.

#include "platform/ViewsHub.h"

#include <string>
#include <vector>

class FakeViewsHub : public IViewsHub {
public:
    void UpdateAllViews(int hint) override { hints.push_back(hint); }
    bool HasGL2dView() const override { return has2dView; }
    bool HasGL3dView() const override { return has3dView; }
    void StartPrompt(int index) override
    {
        if (has2dView)
            prompts.push_back(index);
    }
    void SetLayerInfoFont() override { calls.push_back("SetLayerInfoFont"); }
    void SetPromptFont() override { calls.push_back("SetPromptFont"); }
    int GetGridFlag() const override { return gridFlag; }
    void SetGridFlag(int flag) override { gridFlag = flag; }
    void InitialUpdate2d() override { calls.push_back("InitialUpdate2d"); }
    void ZoomOrigin() override { calls.push_back("ZoomOrigin"); }
    void ShowStatusText(const std::string& text) override { statusTexts.push_back(text); }

    bool has2dView = true;
    bool has3dView = true;
    int gridFlag = 0;
    std::vector<int> hints;
    std::vector<int> prompts;
    std::vector<std::string> calls;
    std::vector<std::string> statusTexts;
};
