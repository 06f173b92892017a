#pragma once
// A process runner for tests: records every request and answers from a queue of results (exit
// code 0 when the queue is empty). An optional action runs in place of the program, e.g. to write
// the file a tool would produce. Installs itself for its lifetime.

#include "platform/ProcessRunner.h"

#include <deque>
#include <functional>
#include <vector>

class RecordingProcessRunner : public IProcessRunner {
public:
    RecordingProcessRunner() { SetProcessRunner(this); }
    ~RecordingProcessRunner() override { SetProcessRunner(nullptr); }

    ProcessResult Run(const ProcessRequest& request) override
    {
        requests.push_back(request);
        if (action)
            action(request);
        ProcessResult result;
        result.started = true;
        result.exitCode = 0;
        if (!results.empty()) {
            result = results.front();
            results.pop_front();
        }
        return result;
    }

    std::vector<ProcessRequest> requests;
    std::deque<ProcessResult> results;
    std::function<void(const ProcessRequest&)> action;
};
