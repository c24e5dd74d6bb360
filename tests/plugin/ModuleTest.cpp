// Loading the module, its entry points and the life of effects.
#include "PluginFixture.hpp"

#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

TEST_F(PluginFixture, ModuleUnloadsAndLoadsAgainInOneProcess)
{
    {
        auto effect = createPrepared();
        effect->setProgram(3);
        EXPECT_EQ(effect->close(), 1);
    }
    host.unloadModule();
    // No other handle is open, so the module must really be gone.
    EXPECT_EQ(dlopen(TENVIRA_PLUGIN_PATH, RTLD_LAZY | RTLD_NOLOAD), nullptr);
    std::string error;
    ASSERT_TRUE(host.loadModule(TENVIRA_PLUGIN_PATH, &error)) << error;
    auto again = createPrepared();
    EXPECT_EQ(again->program(), 0);  // a fresh module starts from the factory bank
    EXPECT_EQ(again->close(), 1);
}

TEST_F(PluginFixture, HostTooOldGetsNoEffectAndNoReport)
{
    // The module lies in X/Tenvira.vst/Contents/x86_64-linux/; X is the install path.
    const std::string module = TENVIRA_PLUGIN_PATH;
    const std::string crashLog = module.substr(0, module.find("/Tenvira.vst/")) + "/Tenvira.crash_log";
    std::remove(crashLog.c_str());
    host.settings().version = 0;
    EXPECT_EQ(host.createInstance(), nullptr);
    const auto calls = host.calls();
    ASSERT_EQ(calls.size(), 1u);  // only the version question: nothing was built
    EXPECT_EQ(calls[0].opcode, audioMasterVersion);
    EXPECT_EQ(std::fopen(crashLog.c_str(), "r"), nullptr);
}

TEST_F(PluginFixture, TwoEffectsLiveIndependently)
{
    auto first = createPrepared();
    auto second = createPrepared(48000.0f);
    first->setProgram(4);
    second->setParameter(1, 0.25f);
    EXPECT_EQ(second->program(), 0);
    EXPECT_FLOAT_EQ(first->getParameter(1), 0.82f);
    EXPECT_EQ(first->close(), 1);
    // The survivor still answers after the other is deleted.
    EXPECT_EQ(second->parameterDisplay(1), "-37.50");
    EXPECT_EQ(second->close(), 1);
}

TEST_F(PluginFixture, EffectsMadeAndClosedOnTwoThreadsAtOnce)
{
    // Hosts build and close effects on several threads; under ThreadSanitizer
    // this shows that the effects share nothing unguarded (class records included).
    std::atomic<int> made{0};
    const auto work = [&]() {
        for (int i = 0; i < 25; ++i) {
            auto effect = createPrepared();
            std::vector<std::vector<float>> in(4, std::vector<float>(64, 0.25f));
            std::vector<std::vector<float>> out;
            effect->setProgram(i % 10);
            effect->process(in, out);
            made += effect->close() == 1 ? 1 : 0;
        }
    };
    std::thread other(work);
    work();
    other.join();
    EXPECT_EQ(made.load(), 50);
}
