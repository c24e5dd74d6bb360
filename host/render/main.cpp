// tenvira-render: renders audio files through the Tenvira plug-in from the command line.

#include "CDevHostSession.hpp"
#include "CRenderApplication.hpp"
#include "CRenderer.hpp"

#include <csignal>
#include <cstdio>
#include <memory>

#ifndef TENVIRA_DEFAULT_PLUGIN
#define TENVIRA_DEFAULT_PLUGIN "Tenvira.vst/Contents/x86_64-linux/Tenvira.so"
#endif

namespace {

extern "C" void onInterrupt(int)
{
    Tenvira::Render::CRenderer::requestStop();
}

}  // namespace

int main(int argc, char** argv)
{
    // Ctrl-C ends the render cleanly, so no half-written file is left behind.
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);

    using Tenvira::Render::IEffectSession;
    Tenvira::Render::CRenderApplication application(
        [](const std::string& path) -> std::unique_ptr<IEffectSession> {
            return std::unique_ptr<IEffectSession>(new Tenvira::Render::CDevHostSession(path));
        },
        TENVIRA_DEFAULT_PLUGIN, stdout, stderr);
    return application.run(argc, argv);
}
