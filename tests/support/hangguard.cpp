#include "hangguard.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <execinfo.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumetra::test {

namespace {

// What the alarm reports, written before it is armed: the handler may only read it.
char g_message[1024];
char g_pid[16];
unsigned g_bound = 0;

// True when gdb printed the stacks.
bool printStacksWithGdb()
{
    const pid_t gdb = fork();
    if (gdb < 0)
        return false;
    if (gdb == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execlp("gdb", "gdb", "-p", g_pid, "-batch", "-nx", "-ex", "thread apply all bt", nullptr);
        _exit(127);
    }
    int status = 0;
    for (int tenths = 0; tenths < 600; ++tenths) {
        if (waitpid(gdb, &status, WNOHANG) == gdb)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        usleep(100000);
    }
    kill(gdb, SIGKILL);
    waitpid(gdb, &status, 0);
    return false;
}

void onAlarm(int)
{
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, g_message, strlen(g_message));
    if (!printStacksWithGdb()) {
        void *frames[64];
        backtrace_symbols_fd(frames, backtrace(frames, 64), STDERR_FILENO);
    }
    std::abort();
}

void watch(const std::string &what)
{
    std::snprintf(g_message, sizeof g_message, "\n%s has not finished within %u s: it hangs. The stacks:\n",
                  what.c_str(), g_bound);
    alarm(g_bound);
}

} // namespace

HangGuard::HangGuard(std::chrono::seconds bound)
{
    g_bound = static_cast<unsigned>(bound.count());
    std::snprintf(g_pid, sizeof g_pid, "%d", static_cast<int>(getpid()));
    prctl(PR_SET_PTRACER, PR_SET_PTRACER_ANY);
    std::signal(SIGALRM, onAlarm);
}

void HangGuard::OnTestStart(const ::testing::TestInfo &test)
{
    watch(std::string(test.test_suite_name()) + "." + test.name());
}

void HangGuard::OnTestProgramEnd(const ::testing::UnitTest &)
{
    watch("The program's end after its last test");
}

std::chrono::seconds hangBound(std::chrono::seconds fallback)
{
    const char *text = std::getenv("LUMETRA_TEST_HANG_S");
    const int seconds = text ? std::atoi(text) : 0;
    return seconds > 0 ? std::chrono::seconds(seconds) : fallback;
}

} // namespace lumetra::test
