#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace lumetra::test {

// Ends the test program when one test, or the program's end after the last, takes longer than the bound:
// names it, prints every thread's stack (through gdb when it is installed, else the main thread's own) and
// aborts, so a hang fails with its cause instead of waiting out CTest's timeout.
class HangGuard final : public ::testing::EmptyTestEventListener
{
public:
    explicit HangGuard(std::chrono::seconds bound);
    ~HangGuard() override;

    void OnTestStart(const ::testing::TestInfo &test) override;
    void OnTestEnd(const ::testing::TestInfo &test) override;
    void OnTestProgramEnd(const ::testing::UnitTest &) override;

private:
    void start(std::string watched);
    void watch();

    const std::chrono::seconds m_bound;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::string m_watched;  // what runs: a test or the program's end; empty between tests
    unsigned m_started = 0; // watches started so far
    bool m_quit = false;
    std::thread m_thread;
};

// Reads the bound in seconds from LUMETRA_TEST_HANG_S, else takes the default.
std::chrono::seconds hangBound(std::chrono::seconds fallback);

} // namespace lumetra::test
