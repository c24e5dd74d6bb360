#include "CEditorApplication.hpp"

#include "CEditorCommandLine.hpp"
#include "CRealTimePlayer.hpp"

#include "CDevHost.hpp"
#include "CDevHostSession.hpp"
#include "CEffectSettings.hpp"
#include "CFileSystem.hpp"
#include "CHostEditorWindow.hpp"
#include "COptionScanner.hpp"
#include "CPluginInstance.hpp"
#include "CRenderError.hpp"
#include "CSessionGuard.hpp"

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace Tenvira { namespace Editor {

using Render::CRenderError;
using Render::CUsageError;

std::atomic<bool> CEditorApplication::s_stopRequested{false};

CEditorApplication::CEditorApplication(std::string defaultPlugin, std::FILE* out, std::FILE* err)
    : m_defaultPlugin(std::move(defaultPlugin)),
      m_out(out),
      m_err(err)
{}

void CEditorApplication::requestStop()
{
    s_stopRequested.store(true, std::memory_order_relaxed);
}

int CEditorApplication::run(int argc, char** argv)
{
    try {
        const SEditorOptions options = CEditorCommandLine::parse(Render::COptionScanner::argumentsOf(argc, argv));
        if (options.help) {
            std::fputs(CEditorCommandLine::helpText(m_defaultPlugin).c_str(), m_out);
            return 0;
        }
        runSession(options);
        return 0;
    } catch (const CUsageError& error) {
        std::fprintf(m_err, "tenvira-editor: %s\nTry 'tenvira-editor --help'.\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(m_err, "tenvira-editor: %s\n", error.what());
        return 1;
    }
}

void CEditorApplication::runSession(SEditorOptions options)
{
    if (options.plugin.empty())
        options.plugin = m_defaultPlugin;
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || display[0] == '\0')
        throw CRenderError("no X display (DISPLAY is not set): the editor needs an X server");
    if (!options.snapshot.empty())
        Render::CFileSystem::checkWritable(options.snapshot);

    Render::CDevHostSession session(options.plugin);
    DevHost::CPluginInstance& instance = session.instance();
    if (!instance.hasEditor())
        throw CRenderError("the plug-in \"" + options.plugin + "\" has no editor");

    Render::CSessionGuard guard(session);
    session.setSampleRate(SAMPLE_RATE);
    session.setBlockSize(BLOCK_SIZE);
    Render::CEffectSettings(session, options.program, options.settings).apply(session);
    guard.resume();

    CRealTimePlayer player(session, SAMPLE_RATE, BLOCK_SIZE);
    player.start();
    {
        DevHost::CHostEditorWindow window(instance);
        std::string error;
        const std::string effectName = instance.effectName();
        const std::string name = effectName.empty() ? "Plug-in" : effectName;
        if (!window.create("", name + " - tenvira-editor", &error))
            throw CRenderError(error);
        if (!window.openEditor())
            throw CRenderError("the plug-in's editor did not open");
        std::fprintf(m_err, "tenvira-editor: %s editor, %d x %d, in window 0x%lx\n", name.c_str(), window.width(),
                     window.height(), window.windowId());

        using Clock = std::chrono::steady_clock;
        const auto period = std::chrono::microseconds(1000000 / IDLE_PER_SECOND);
        const auto snapshotAt = Clock::now() + std::chrono::milliseconds(options.afterMilliseconds);
        auto next = Clock::now();
        std::size_t printed = 0;
        while (!s_stopRequested.load(std::memory_order_relaxed) && !window.closeRequested()) {
            window.idle();
            printAutomation(instance, printed);
            if (!options.snapshot.empty() && Clock::now() >= snapshotAt) {
                const DevHost::CWindowImage image = window.capture();
                if (!image.writePng(options.snapshot, &error))
                    throw CRenderError(error);
                std::fprintf(m_out, "snapshot \"%s\" (%d x %d)\n", options.snapshot.c_str(), image.width(),
                             image.height());
                break;
            }
            // A late turn does not bring the next one forward: the editor is idled 30 times a second at most.
            next = std::max(next + period, Clock::now());
            for (auto now = Clock::now(); now < next && !window.closeRequested(); now = Clock::now()) {
                window.waitForEvent(
                    static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(next - now).count()) + 1);
                window.pump();
                if (s_stopRequested.load(std::memory_order_relaxed))
                    break;
            }
        }
        window.closeEditor();
    }
    player.stop();
    guard.suspend();
}

void CEditorApplication::printAutomation(DevHost::CPluginInstance& instance, std::size_t& printed)
{
    for (const DevHost::SHostCall& call : instance.host().automation(printed)) {
        ++printed;
        std::string name = "?";
        std::string display;
        if (call.index >= 0 && call.index < instance.numParams()) {
            name = instance.parameterName(call.index);
            display = instance.parameterDisplay(call.index);
            const std::string label = instance.parameterLabel(call.index);
            if (!label.empty())
                display += " " + label;
        }
        std::fprintf(m_out, "automate %d \"%s\" %.6f \"%s\"\n", call.index, name.c_str(), static_cast<double>(call.opt),
                     display.c_str());
    }
    std::fflush(m_out);
}

}}  // namespace Tenvira::Editor
