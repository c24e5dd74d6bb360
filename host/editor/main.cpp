// tenvira-editor: opens the Tenvira plug-in's editor in a window of its own, as a DAW does.

#include "CEditorApplication.hpp"

#include <csignal>

#ifndef TENVIRA_DEFAULT_PLUGIN
#define TENVIRA_DEFAULT_PLUGIN "Tenvira.vst/Contents/x86_64-linux/Tenvira.so"
#endif

namespace {

extern "C" void onInterrupt(int)
{
    Tenvira::Editor::CEditorApplication::requestStop();
}

}  // namespace

int main(int argc, char** argv)
{
    // Ctrl-C closes the editor and the effect in order instead of killing them mid-call.
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    Tenvira::Editor::CEditorApplication application(TENVIRA_DEFAULT_PLUGIN, stdout, stderr);
    return application.run(argc, argv);
}
