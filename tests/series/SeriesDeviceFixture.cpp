#include "series/SeriesDeviceFixture.h"

#include "support/FileBytes.h"
#include "textfiles/LayerParamFlags.h"

#include <gtest/gtest.h>

#include <filesystem>

void ScriptedSeriesWindows::AnswerStep(double initial, double final, int steps, int group)
{
    CSeriesStep step;
    step.m_dInitial = initial;
    step.m_dFinal = final;
    step.m_nStepNumber = steps;
    step.m_nGroupId = group;
    m_answers.emplace_back(true, step);
}

void ScriptedSeriesWindows::CancelStep() { m_answers.emplace_back(false, CSeriesStep()); }

bool ScriptedSeriesWindows::RunConditionStep(CSeriesStep& step)
{
    stepsOffered.push_back(step);
    if (m_answers.empty()) {
        ADD_FAILURE() << "a step dialog nobody scripted";
        return false;
    }
    const auto answer = m_answers.front();
    m_answers.pop_front();
    if (answer.first)
        step = answer.second;
    return answer.first;
}

SeriesDevice::SeriesDevice()
{
    FillLayerParamFlags();
    doc().SetMacroList(&harness.macros);
    SetEditBoxSeriesHost(&series);
}

SeriesDevice::~SeriesDevice() { SetEditBoxSeriesHost(nullptr); }

void SeriesDevice::OpenDevice()
{
    const std::filesystem::path target = folder.File("Runs/Device");
    std::filesystem::create_directories(target);
    std::filesystem::copy(TESSARON_FIXTURES "/series/Device", target, std::filesystem::copy_options::recursive);
    ASSERT_TRUE(doc().OnOpenDocument(DevicePath()));
    prompts.Clear();
}

void SeriesDevice::SweepInModifySheet(int column, int row, int paramId)
{
    doc().SetSelection(0, column, row);
    sheets.OnNextSheet([this, paramId](LayerSheetRequest&) {
        doc().SweepValue(paramId, CSeriesTarget());
        return false;
    });
    doc().OnLayerModify();
}

std::string BytesOf(const std::string& path) { return FileBytes(path); }
