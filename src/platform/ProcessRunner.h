#pragma once
// Child processes: started with posix_spawn (no shell, no batch file), waited for, exit status
// returned. Installable, so tests script the tools a command runs instead of starting them.

#include <string>
#include <vector>

struct ProcessRequest {
    std::vector<std::string> argv;  // program (looked up in PATH when it has no "/") and arguments
    std::string workingFolder;      // "" = the current folder
    bool quiet = true;              // standard output and error to /dev/null (the tools ran hidden)
};

struct ProcessResult {
    bool started = false;  // false when the program could not be started
    int exitCode = -1;     // the exit status; 128 + signal number when a signal ended it
};

class IProcessRunner {
public:
    virtual ~IProcessRunner() = default;
    // Starts the process and waits for it to end.
    virtual ProcessResult Run(const ProcessRequest& request) = 0;
};

// The installed runner (posix_spawn until another is installed).
IProcessRunner& ProcessRunner();
// Installs a runner (nullptr restores the real one). The caller keeps ownership.
void SetProcessRunner(IProcessRunner* runner);
