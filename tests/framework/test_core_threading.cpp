#include "threading/CCriticalSection.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using Corvane::Threading::CCriticalSection;

namespace {

/** Holds the section on another thread until told to let go. */
class CHolder
{
public:
    explicit CHolder(const CCriticalSection& section)
        : m_thread([this, &section] {
              section.enterCriticalSection();
              m_holding.store(true);
              while (!m_release.load())
              {
                  std::this_thread::yield();
              }
              section.leaveCriticalSection();
          })
    {
        while (!m_holding.load())
        {
            std::this_thread::yield();
        }
    }

    ~CHolder()
    {
        m_release.store(true);
        m_thread.join();
    }

private:
    std::atomic<bool> m_holding{false};
    std::atomic<bool> m_release{false};
    std::thread m_thread;
};

} // namespace

TEST(CoreCriticalSection, TryAnswersAtOnceWhetherTheRegionWasEntered)
{
    const CCriticalSection section;
    EXPECT_TRUE(section.tryToEnterCriticalSection(0));
    section.leaveCriticalSection();
    {
        CHolder holder(section);
        EXPECT_FALSE(section.tryToEnterCriticalSection(0));
        EXPECT_FALSE(section.tryToEnterCriticalSection(-1));
        EXPECT_FALSE(section.tryToEnterCriticalSection(20)); // gives up after the timeout
    }
    EXPECT_TRUE(section.tryToEnterCriticalSection(0));
    section.leaveCriticalSection();
}

TEST(CoreCriticalSection, EnterWaitsForTheHolderToLeave)
{
    const CCriticalSection section;
    std::atomic<bool> entered{false};
    section.enterCriticalSection();
    std::thread waiter([&] {
        section.enterCriticalSection();
        entered.store(true);
        section.leaveCriticalSection();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(entered.load()); // still shut out while held here
    section.leaveCriticalSection();
    waiter.join();
    EXPECT_TRUE(entered.load());
}
