#pragma once

#include "SEditorOptions.hpp"

#include <atomic>
#include <cstdio>
#include <string>

namespace DevHost {
class CPluginInstance;
}

namespace Tenvira { namespace Editor {

/**
 * tenvira-editor's top level: loads the effect as a DAW does, runs it in real
 * time on an audio thread, opens its editor in a window of the development
 * host and drives it from this thread until the window is closed, Ctrl-C is
 * pressed or the snapshot is written.
 */
class CEditorApplication {
public:
    CEditorApplication(std::string defaultPlugin, std::FILE* out, std::FILE* err);

    /** Runs the command line; answers the exit status (0, 1 failure, 2 usage). */
    int run(int argc, char** argv);

    /** Ends a running session cleanly (safe from a signal handler). */
    static void requestStop();

    static constexpr int SAMPLE_RATE = 44100;
    static constexpr int BLOCK_SIZE = 512;
    static constexpr int IDLE_PER_SECOND = 30;

private:
    void runSession(SEditorOptions options);
    void printAutomation(DevHost::CPluginInstance& instance, std::size_t& printed);

    std::string m_defaultPlugin;
    std::FILE* m_out;
    std::FILE* m_err;

    static std::atomic<bool> s_stopRequested;
};

}}  // namespace Tenvira::Editor
