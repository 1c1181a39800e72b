#pragma once

#include <gtest/gtest.h>

#include <chrono>

#include <unistd.h>

namespace lumetra::test {

// Ends the test program when one test, or the program's end after the last, takes longer than the bound:
// names it, prints every thread's stack (through gdb when it is installed, else the stack of the thread the
// alarm came to) and aborts, so a hang fails with its cause instead of waiting out CTest's timeout.
class HangGuard final : public ::testing::EmptyTestEventListener
{
public:
    explicit HangGuard(std::chrono::seconds bound);
    ~HangGuard() override { alarm(0); }

    void OnTestStart(const ::testing::TestInfo &test) override;
    void OnTestEnd(const ::testing::TestInfo &) override { alarm(0); }
    void OnTestProgramEnd(const ::testing::UnitTest &) override;
};

// Reads the bound in seconds from LUMETRA_TEST_HANG_S, else takes the default.
std::chrono::seconds hangBound(std::chrono::seconds fallback);

} // namespace lumetra::test
