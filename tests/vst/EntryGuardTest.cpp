// The entry point's guard: a failing effect gives a crash report and no effect.
#include "ReportFile.hpp"

#include "CPluginEntry.hpp"

#include "exceptions/CException.hpp"
#include "host/CApplication.hpp"
#include "vst/CVstExceptionHandler.hpp"

#include "AudioEffectX.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>

using Corvane::CorGain::CPluginEntry;
using Corvane::Exceptions::CException;
using Corvane::Host::CApplication;
using Corvane::Vst::CVstExceptionHandler;

namespace {

int factoryCalls = 0;
int alerts = 0;
VstIntPtr versionAnswer = 2400;

VstIntPtr host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? versionAnswer : 0;
}

class CTinyEffect : public AudioEffectX {
public:
    explicit CTinyEffect(audioMasterCallback master) : AudioEffectX(master, 1, 1) {}
    void processReplacing(float**, float**, VstInt32) override {}
};

AudioEffect* buildsFine(audioMasterCallback master)
{
    ++factoryCalls;
    return new CTinyEffect(master);
}

AudioEffect* throwsForeign(audioMasterCallback)
{
    ++factoryCalls;
    throw std::runtime_error("disk on fire");
}

AudioEffect* throwsFramework(audioMasterCallback)
{
    ++factoryCalls;
    throw CException("Failed to get bundle URL from bundle", "CApplication::setApplicationInstallPath()", true);
}

AudioEffect* throwsInteger(audioMasterCallback)
{
    ++factoryCalls;
    throw 42;
}

AudioEffect* answersNull(audioMasterCallback)
{
    ++factoryCalls;
    return nullptr;
}

void countAlert(const Corvane::Basics::CString&, const Corvane::Basics::CString&, bool) { ++alerts; }

class EntryGuard : public ::testing::Test {
protected:
    void SetUp() override
    {
        factoryCalls = 0;
        alerts = 0;
        versionAnswer = 2400;
        folder = makeTemporaryFolder();
        CApplication::setApplicationInstallPath(Corvane::Basics::CSystemString(folder.c_str()));
        CVstExceptionHandler::setUserAlert(countAlert);
        log = folder + "/Tenvira.crash_log";
        std::remove(log.c_str());
    }
    void TearDown() override
    {
        CVstExceptionHandler::setUserAlert(nullptr);
        CApplication::uninitialise();
    }
    std::string folder;
    std::string log;
};

}  // namespace

TEST_F(EntryGuard, WorkingEffectIsHandedOver)
{
    AEffect* effect = CPluginEntry::createEffect(host, buildsFine);
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->magic, kEffectMagic);
    EXPECT_EQ(effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f), 1);
    // A factory answering no effect gives none either, without a report.
    EXPECT_EQ(CPluginEntry::createEffect(host, answersNull), nullptr);
    EXPECT_EQ(factoryCalls, 2);
    EXPECT_EQ(alerts, 0);
    EXPECT_TRUE(readFile(log).empty());
}

TEST_F(EntryGuard, HostAnsweringVersionZeroGetsNothing)
{
    versionAnswer = 0;
    EXPECT_EQ(CPluginEntry::createEffect(host, buildsFine), nullptr);
    EXPECT_EQ(factoryCalls, 0);
    EXPECT_EQ(alerts, 0);
    EXPECT_EQ(CPluginEntry::createEffect(nullptr, buildsFine), nullptr);
    EXPECT_EQ(factoryCalls, 0);
}

TEST_F(EntryGuard, ForeignExceptionIsReportedUnderTheGuardsOwnTexts)
{
    for (auto factory : {throwsForeign, throwsInteger}) {
        EXPECT_EQ(CPluginEntry::createEffect(host, factory), nullptr);
        EXPECT_EQ(readLines(log).at(1), "Corvane Pre Vst Exception Handler Report");
        const std::string text = readFile(log);
        EXPECT_NE(text.find("Function name : Exception occurred in Tenvira\n"), std::string::npos);
        EXPECT_NE(text.find("Error reason  : Caught exception in main function of Tenvira. Cannot continue to load\n"),
                  std::string::npos);
    }
    EXPECT_EQ(alerts, 2);
}

TEST_F(EntryGuard, FrameworkExceptionKeepsItsTextsAndReplacesTheEarlierReport)
{
    EXPECT_EQ(CPluginEntry::createEffect(host, throwsForeign), nullptr);
    EXPECT_EQ(CPluginEntry::createEffect(host, throwsFramework), nullptr);
    const std::string text = readFile(log);
    EXPECT_NE(text.find("Function name : CApplication::setApplicationInstallPath()\n"), std::string::npos);
    EXPECT_NE(text.find("Error reason  : Failed to get bundle URL from bundle\n"), std::string::npos);
    EXPECT_EQ(text.find("Caught exception in main function"), std::string::npos);
    EXPECT_EQ(alerts, 2);
}

TEST(PluginVersion, TextAndBuffer)
{
    char buffer[128];
    std::memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(CPluginEntry::constructVersion(buffer, sizeof(buffer), "Jan  1 2008", "19:44:43"), buffer);
    EXPECT_STREQ(buffer, "Version 1.0.0, Built on : Jan  1 2008 at 19:44:43");
    // A text longer than the buffer is cut and terminated.
    char small[16];
    CPluginEntry::constructVersion(small, sizeof(small), "Jan  1 2008", "19:44:43");
    EXPECT_STREQ(small, "Version 1.0.0, ");
}
