// The entry point's guard: a failing effect gives a crash report and no effect.
#include "ReportFile.hpp"

#include "CPluginEntry.hpp"

#include "basics/CClass.hpp"
#include "exceptions/CException.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/graphics/CImageManager.hpp"
#include "gui/graphics/CRGBAImage.hpp"
#include "gui/windowing/CDialog.hpp"
#include "host/CApplication.hpp"
#include "vst/CVstExceptionHandler.hpp"

#include "AudioEffectX.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

using Corvane::CorGain::CPluginEntry;
using Corvane::Exceptions::CException;
using Corvane::Host::CApplication;
using Corvane::Vst::CVstExceptionHandler;

namespace {

int factoryCalls = 0;
int alerts = 0;

VstIntPtr host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
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
AudioEffect* answersNull(audioMasterCallback)
{
    ++factoryCalls;
    return nullptr;
}
AudioEffect* throwsForeign(audioMasterCallback)
{
    throw std::runtime_error("disk on fire");
}
AudioEffect* throwsInteger(audioMasterCallback)
{
    throw 42;
}
AudioEffect* throwsFramework(audioMasterCallback)
{
    throw CException("Failed to get bundle URL from bundle", "CApplication::setApplicationInstallPath()", true);
}

void countAlert(const Corvane::Basics::CString&, const Corvane::Basics::CString&, bool)
{
    ++alerts;
}

class EntryGuard : public ::testing::Test {
protected:
    void SetUp() override
    {
        factoryCalls = 0;
        alerts = 0;
        const std::string folder = makeTemporaryFolder();
        CApplication::setApplicationInstallPath(Corvane::Basics::CSystemString(folder.c_str()));
        CVstExceptionHandler::setUserAlert(countAlert);
        log = folder + "/Tenvira.crash_log";
    }
    void TearDown() override
    {
        CVstExceptionHandler::setUserAlert(nullptr);
        CApplication::uninitialise();
    }
    bool logHas(const std::string& line) const { return readFile(log).find(line + "\n") != std::string::npos; }
    std::string log;
};

}  // namespace

TEST_F(EntryGuard, WorkingEffectIsHandedOverWithoutAReport)
{
    AEffect* effect = CPluginEntry::createEffect(host, buildsFine);
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->magic, kEffectMagic);
    EXPECT_EQ(effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f), 1);
    // A factory answering no effect gives none either; no host at all builds nothing.
    EXPECT_EQ(CPluginEntry::createEffect(host, answersNull), nullptr);
    EXPECT_EQ(CPluginEntry::createEffect(nullptr, buildsFine), nullptr);
    EXPECT_EQ(factoryCalls, 2);
    EXPECT_EQ(alerts, 0);
    EXPECT_TRUE(readFile(log).empty());
}

TEST_F(EntryGuard, ExceptionsAreReportedForeignOnesUnderTheGuardsOwnTexts)
{
    for (auto factory : {throwsForeign, throwsInteger}) {
        EXPECT_EQ(CPluginEntry::createEffect(host, factory), nullptr);
        EXPECT_EQ(readLines(log).at(1), "Corvane Pre Vst Exception Handler Report");
        EXPECT_TRUE(logHas("Function name : Exception occurred in Tenvira"));
        EXPECT_TRUE(logHas("Error reason  : Caught exception in main function of Tenvira. Cannot continue to load"));
    }
    EXPECT_EQ(alerts, 2);
    // A framework exception keeps its own texts, in a report that replaces the earlier one.
    EXPECT_EQ(CPluginEntry::createEffect(host, throwsFramework), nullptr);
    EXPECT_TRUE(logHas("Function name : CApplication::setApplicationInstallPath()"));
    EXPECT_TRUE(logHas("Error reason  : Failed to get bundle URL from bundle"));
    EXPECT_EQ(readFile(log).find("Caught exception in main function"), std::string::npos);
    EXPECT_EQ(alerts, 3);
}

TEST(PluginVersion, TextIsCutToTheBuffer)
{
    char buffer[128];
    EXPECT_EQ(CPluginEntry::constructVersion(buffer, sizeof(buffer), "Jan  1 2008", "19:44:43"), buffer);
    EXPECT_STREQ(buffer, "Version 1.0.0, Built on : Jan  1 2008 at 19:44:43");
    char small[16];
    CPluginEntry::constructVersion(small, sizeof(small), "Jan  1 2008", "19:44:43");
    EXPECT_STREQ(small, "Version 1.0.0, ");
}

TEST_F(EntryGuard, FailedFrameworkStartRefusesEffectsWithoutThrowingOrReporting)
{
    CPluginEntry::startLibrary(
        [] { throw CException("Failed to get bundle from identifier", "CvnCore::start", true); });
    EXPECT_TRUE(CPluginEntry::startFailed());
    EXPECT_EQ(CPluginEntry::createEffect(host, buildsFine), nullptr);
    EXPECT_EQ(factoryCalls, 0);
    CPluginEntry::startLibrary([] { throw 7; });
    EXPECT_TRUE(CPluginEntry::startFailed());
    // A later successful start lets effects be created again.
    CPluginEntry::startLibrary([] {});
    EXPECT_FALSE(CPluginEntry::startFailed());
    AEffect* effect = CPluginEntry::createEffect(host, buildsFine);
    ASSERT_NE(effect, nullptr);
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(alerts, 0);
    EXPECT_TRUE(readFile(log).empty());
}

// Stopping destroys the process-wide class manager, so this runs in a child process.
TEST(EntryGuardDeathTest, TheModuleStartsAndStopsTheGuiToolkitWithoutADisplay)
{
    using Corvane::GUI::Fonts::CFont;
    using Corvane::GUI::Graphics::CImageManager;
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            CPluginEntry::startLibrary();
            auto* image = new Corvane::GUI::Graphics::CRGBAImage(1, 1);
            image->referenced();
            CImageManager::addImage(image, "probe");
            // The crash report's alert is the toolkit's message window from now on.
            const bool started = !CPluginEntry::startFailed() && CFont::CFONT_SYSTEM_FONT != nullptr &&
                                 CImageManager::getImage("probe") == image &&
                                 CVstExceptionHandler::getUserAlert() == &Corvane::GUI::Windowing::CDialog::notifyUser;
            CPluginEntry::stopLibrary();
            const bool stopped = CFont::CFONT_SYSTEM_FONT == nullptr && image->getReferenceCount() == 1 &&
                                 Corvane::Basics::CClass::CCLASSCLASS_MANAGER == nullptr &&
                                 CVstExceptionHandler::getUserAlert() == &CVstExceptionHandler::standardErrorAlert;
            std::_Exit(started && stopped ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
