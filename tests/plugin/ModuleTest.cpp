// Loading the module, its entry points and the life of effects.
#include "PluginFixture.hpp"

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <regex>

namespace {

std::string bundleInstallPath()
{
    // The module lies in X/Tenvira.vst/Contents/x86_64-linux/; X is the install path.
    std::string path = TENVIRA_PLUGIN_PATH;
    return path.substr(0, path.find("/Tenvira.vst/"));
}

bool fileExists(const std::string& path)
{
    if (FILE* file = std::fopen(path.c_str(), "r")) {
        std::fclose(file);
        return true;
    }
    return false;
}

}  // namespace

TEST_F(PluginFixture, VersionTextIsOneRewrittenBuffer)
{
    using VersionProc = char* (*)();
    auto construct = reinterpret_cast<VersionProc>(host.module().symbol("ConstructPluginVersion"));
    auto* buffer = static_cast<char*>(host.module().symbol("versionString"));
    ASSERT_NE(construct, nullptr);
    ASSERT_NE(buffer, nullptr);
    ASSERT_NE(host.module().symbol("InitialiseLibrary"), nullptr);
    ASSERT_NE(host.module().symbol("UninitialiseLibrary"), nullptr);

    EXPECT_EQ(buffer[0], '\0');  // zero-filled at load, written only on request
    char* first = construct();
    EXPECT_EQ(first, buffer);
    const std::string text = first;
    EXPECT_TRUE(std::regex_match(text, std::regex(R"(Version 1\.0\.0, Built on : [A-Z][a-z]{2} [ 0-9]\d \d{4} at \d\d:\d\d:\d\d)")))
        << text;
    std::memset(buffer, 'x', 8);
    EXPECT_EQ(construct(), buffer);
    EXPECT_EQ(std::string(buffer), text);
}

TEST_F(PluginFixture, ModuleUnloadsAndLoadsAgainInOneProcess)
{
    {
        auto effect = createPrepared();
        ASSERT_NE(effect, nullptr);
        effect->setProgram(3);
        EXPECT_EQ(effect->close(), 1);
    }
    host.unloadModule();
    // No other handle is open, so the module must really be gone.
    EXPECT_EQ(dlopen(TENVIRA_PLUGIN_PATH, RTLD_LAZY | RTLD_NOLOAD), nullptr);

    std::string error;
    ASSERT_TRUE(host.loadModule(TENVIRA_PLUGIN_PATH, &error)) << error;
    auto again = createPrepared();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->effectName(), "Tenvira");
    EXPECT_EQ(again->program(), 0);  // a fresh module starts from the factory bank
    EXPECT_EQ(again->close(), 1);
}

TEST_F(PluginFixture, HostTooOldGetsNoEffectAndNoReport)
{
    const std::string crashLog = bundleInstallPath() + "/Tenvira.crash_log";
    std::remove(crashLog.c_str());
    host.settings().version = 0;
    EXPECT_EQ(host.createInstance(), nullptr);
    const auto calls = host.calls();
    ASSERT_EQ(calls.size(), 1u);  // only the version question: nothing was built
    EXPECT_EQ(calls[0].opcode, audioMasterVersion);
    EXPECT_EQ(calls[0].effect, nullptr);
    EXPECT_FALSE(fileExists(crashLog));
}

TEST_F(PluginFixture, ConstructionAsksTheHostOnceAboutItself)
{
    auto effect = host.createInstance();
    ASSERT_NE(effect, nullptr);
    const auto calls = host.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].opcode, audioMasterVersion);
    const auto canDo = host.callsWithOpcode(audioMasterCanDo);
    // Sixteen capability questions, in a fixed order.
    ASSERT_EQ(canDo.size(), 16u);
    EXPECT_EQ(canDo.front().text, "sendVstEvents");
    EXPECT_EQ(canDo[4].text, "receiveVstMidiEvent");
    EXPECT_EQ(canDo.back().text, "startStopProcess");
    EXPECT_EQ(host.countOf(audioMasterGetProductString), 1u);
    // No tempo query, and nothing asked of a host before it is used.
    EXPECT_EQ(host.countOf(audioMasterGetTime), 0u);
    EXPECT_EQ(host.countOf(audioMasterWantMidi), 0u);

    host.clearCalls();
    effect->resume();
    EXPECT_EQ(host.countOf(audioMasterWantMidi), 1u);
    EXPECT_EQ(host.callsWithOpcode(audioMasterWantMidi)[0].value, 1);
}

TEST_F(PluginFixture, ScanningHostSequenceWithoutResume)
{
    // Scanners answer 0 to sample rate and block size and suspend without a resume.
    host.settings().sampleRate = 0.0f;
    host.settings().blockSize = 0;
    host.settings().answersCanDo = false;
    for (int round = 0; round < 3; ++round) {
        auto effect = host.createInstance();
        ASSERT_NE(effect, nullptr);
        effect->open();
        EXPECT_EQ(effect->effectName(), "Tenvira");
        EXPECT_EQ(effect->canDo("receiveVstMidiEvent"), 1);
        effect->suspend();
        EXPECT_EQ(effect->close(), 1);
        EXPECT_FALSE(effect->isAlive());
    }
}

TEST_F(PluginFixture, TwoEffectsLiveIndependently)
{
    auto first = createPrepared();
    auto second = createPrepared(48000.0f);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first->effect(), second->effect());
    first->setProgram(4);
    second->setParameter(1, 0.25f);
    EXPECT_EQ(first->program(), 4);
    EXPECT_EQ(second->program(), 0);
    EXPECT_FLOAT_EQ(first->getParameter(1), 0.82f);
    EXPECT_FLOAT_EQ(second->getParameter(1), 0.25f);
    EXPECT_EQ(second->latency(), 48);
    EXPECT_EQ(first->latency(), 44);
    EXPECT_EQ(first->close(), 1);
    // The survivor still answers after the other is deleted.
    EXPECT_EQ(second->parameterDisplay(1), "-37.50");
    EXPECT_EQ(second->close(), 1);
}
