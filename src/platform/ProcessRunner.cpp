#include "platform/ProcessRunner.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

class SpawnRunner : public IProcessRunner {
public:
    ProcessResult Run(const ProcessRequest& request) override
    {
        ProcessResult result;
        if (request.argv.empty())
            return result;
        std::vector<char*> argv;
        for (const std::string& arg : request.argv)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (!request.workingFolder.empty())
            posix_spawn_file_actions_addchdir_np(&actions, request.workingFolder.c_str());
        if (request.quiet) {
            posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
            posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        }
        pid_t pid = 0;
        int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0)
            return result;

        int status = 0;
        while (::waitpid(pid, &status, 0) < 0) {
            if (errno != EINTR)
                return result;
        }
        // posix_spawnp reports a program that cannot be executed as exit status 127 of the child.
        result.started = !(WIFEXITED(status) && WEXITSTATUS(status) == 127);
        if (WIFEXITED(status))
            result.exitCode = WEXITSTATUS(status);
        else if (WIFSIGNALED(status))
            result.exitCode = 128 + WTERMSIG(status);
        return result;
    }
};

SpawnRunner g_spawnRunner;
IProcessRunner* g_runner = nullptr;

}  // namespace

IProcessRunner& ProcessRunner() { return g_runner ? *g_runner : g_spawnRunner; }

void SetProcessRunner(IProcessRunner* runner) { g_runner = runner; }
