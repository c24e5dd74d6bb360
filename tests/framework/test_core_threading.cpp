#include "threading/CCriticalSection.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using Corvane::Threading::CCriticalSection;

TEST(CoreCriticalSection, TryAnswersAtOnceAndEnterWaitsForTheHolder)
{
    const CCriticalSection section;
    // Asked from another thread, so a section that lets its owner back in cannot pass for free.
    const auto triedElsewhere = [&section](long milliseconds) {
        bool entered = false;
        std::thread([&] {
            entered = section.tryToEnterCriticalSection(milliseconds);
            if (entered) {
                section.leaveCriticalSection();
            }
        }).join();
        return entered;
    };
    EXPECT_TRUE(triedElsewhere(0));

    section.enterCriticalSection();
    EXPECT_FALSE(triedElsewhere(0));
    EXPECT_FALSE(triedElsewhere(-1));
    EXPECT_FALSE(triedElsewhere(20));  // gives up after the timeout

    std::atomic<bool> entered{false};
    std::thread waiter([&] {
        section.enterCriticalSection();
        entered.store(true);
        section.leaveCriticalSection();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(entered.load());  // still shut out while held here
    section.leaveCriticalSection();
    waiter.join();
    EXPECT_TRUE(entered.load());
    EXPECT_TRUE(triedElsewhere(0));
}
