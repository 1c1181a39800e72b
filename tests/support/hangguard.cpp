#include "hangguard.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <execinfo.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumetra::test {

namespace {

pthread_t g_mainThread;

void printOwnStack(int)
{
    void *frames[64];
    backtrace_symbols_fd(frames, backtrace(frames, 64), STDERR_FILENO);
}

// True when gdb printed the stacks.
bool printStacksWithGdb()
{
    prctl(PR_SET_PTRACER, PR_SET_PTRACER_ANY);
    const std::string pid = std::to_string(getpid());
    const pid_t gdb = fork();
    if (gdb < 0)
        return false;
    if (gdb == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execlp("gdb", "gdb", "-p", pid.c_str(), "-batch", "-nx", "-ex", "thread apply all bt", nullptr);
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

} // namespace

HangGuard::HangGuard(std::chrono::seconds bound)
    : m_bound(bound)
{
    g_mainThread = pthread_self();
    m_thread = std::thread([this] { watch(); });
}

HangGuard::~HangGuard()
{
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void HangGuard::start(std::string watched)
{
    {
        const std::lock_guard lock(m_mutex);
        m_watched = std::move(watched);
        ++m_started;
    }
    m_changed.notify_all();
}

void HangGuard::OnTestStart(const ::testing::TestInfo &test)
{
    start(std::string(test.test_suite_name()) + "." + test.name());
}

void HangGuard::OnTestEnd(const ::testing::TestInfo &)
{
    {
        const std::lock_guard lock(m_mutex);
        m_watched.clear();
    }
    m_changed.notify_all();
}

void HangGuard::OnTestProgramEnd(const ::testing::UnitTest &)
{
    start("The program's end after its last test");
}

void HangGuard::watch()
{
    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        if (m_watched.empty()) {
            m_changed.wait(lock);
            continue;
        }
        const unsigned started = m_started;
        if (m_changed.wait_for(lock, m_bound,
                               [&] { return m_quit || m_started != started || m_watched.empty(); }))
            continue;
        std::fprintf(stderr, "\n%s has not finished within %lld s: it hangs. The stacks:\n",
                     m_watched.c_str(), static_cast<long long>(m_bound.count()));
        std::fflush(stderr);
        if (!printStacksWithGdb()) {
            std::signal(SIGUSR2, printOwnStack);
            pthread_kill(g_mainThread, SIGUSR2);
            sleep(2);
        }
        std::abort();
    }
}

std::chrono::seconds hangBound(std::chrono::seconds fallback)
{
    const char *text = std::getenv("LUMETRA_TEST_HANG_S");
    const int seconds = text ? std::atoi(text) : 0;
    return seconds > 0 ? std::chrono::seconds(seconds) : fallback;
}

} // namespace lumetra::test
