// The renderer in-process on the stand-in effect, for what the executable's
// exit status cannot show: how the effect is left when a render fails.

#include "CDevHostSession.hpp"
#include "CRenderError.hpp"
#include "CRenderer.hpp"
#include "RenderTestSupport.hpp"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace Tenvira::Render;
using RenderTest::CScratchFolder;

TEST(Renderer, FailuresAndStopRequestsCloseTheEffectAndLeaveNoFile)
{
    CScratchFolder folder;
    const int wav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    RenderTest::writeSound(folder.path("in.wav"), RenderTest::makeSignal(44100, 2, 4000, wav16));
    RenderTest::writeSound(folder.path("key.wav"), RenderTest::makeSignal(48000, 2, 100, wav16));
    const std::string log = folder.path("calls.log");
    ::setenv("TENVIRA_FAKE_PLUGIN_LOG", log.c_str(), 1);

    struct SCase {
        const char* what;
        void (*change)(SRenderOptions&, const CScratchFolder&);
        const char* ending;
    };
    const SCase cases[] = {
        // Names are resolved before anything changes: no program is set either.
        {"unknown parameter",
         [](SRenderOptions& o, const CScratchFolder&) {
             o.program = "Bass";
             o.settings = {{"Knee", 0.5f}};
         },
         "block 512\nclose 0\n"},
        {"key at another rate", [](SRenderOptions& o, const CScratchFolder& f) { o.sidechain = f.path("key.wav"); },
         "open 0\nclose 0\n"},
        {"stop requested", [](SRenderOptions&, const CScratchFolder&) { CRenderer::requestStop(); },
         "resume 0\nsuspend 0\nclose 0\n"},
    };
    for (const SCase& c : cases) {
        std::remove(log.c_str());
        SRenderOptions options;
        options.input = folder.path("in.wav");
        options.output = folder.path("out.wav");
        options.progress = false;
        c.change(options, folder);
        CDevHostSession session(TENVIRA_FAKE_PLUGIN);
        EXPECT_THROW(CRenderer(session, options, nullptr).run(), CRenderError) << c.what;
        CRenderer::clearStop();
        const std::string calls = RenderTest::readText(log);
        // Nothing processed, a running effect suspended, and the effect closed.
        EXPECT_EQ(calls.find("process"), std::string::npos) << c.what << "\n" << calls;
        const std::string ending = c.ending;
        EXPECT_EQ(calls.substr(calls.size() - std::min(calls.size(), ending.size())), ending) << c.what;
        EXPECT_EQ(folder.entries().size(), 3u) << c.what << ": no output and no part file";
    }
    ::unsetenv("TENVIRA_FAKE_PLUGIN_LOG");
}
