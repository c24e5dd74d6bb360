// The editor's costs as a host meets them, through the built plug-in and the
// development host, on a private Xvfb: creating an effect (its editor and
// artwork included), opening and closing the editor in a host window, an idle
// with nothing to do, a whole repaint after an exposure, one step of a knob
// drag from the pointer event to the pixels sent, and a meter refresh.
//
//   bin/tenvira_bench_editor            (starts its own Xvfb; needs no desktop)
//   TENVIRA_PLUGIN=/path/to/Tenvira.so bin/tenvira_bench_editor

#include "CDevHost.hpp"
#include "CHostEditorWindow.hpp"
#include "CPluginInstance.hpp"
#include "CXvfbServer.hpp"

#include <benchmark/benchmark.h>

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Where a user takes hold of the "Threshold" knob.
const int kKnobX = 37;
const int kKnobY = 97;

// $TENVIRA_PLUGIN when set, else the plug-in of this build tree.
std::string pluginPath()
{
    const char* path = std::getenv("TENVIRA_PLUGIN");
    return path != nullptr && path[0] != '\0' ? path : TENVIRA_PLUGIN;
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// An effect prepared as a DAW prepares it, with its editor open and painted in a host window.
class CEditorSession {
public:
    CEditorSession()
    {
        if (!m_host.loadModule(pluginPath(), &m_error)) {
            return;
        }
        m_instance = m_host.createInstance();
        m_display = XOpenDisplay(nullptr);
        if (m_instance == nullptr || m_display == nullptr) {
            m_error = "no effect or no display";
            return;
        }
        m_instance->open();
        m_instance->setSampleRate(44100.0f);
        m_instance->setBlockSize(512);
        m_instance->resume();
        m_window = std::make_unique<DevHost::CHostEditorWindow>(*m_instance);
        if (!m_window->create("", "tenvira_bench_editor", &m_error) || !m_window->openEditor()) {
            m_error = "the editor did not open: " + m_error;
            return;
        }
        settle();
        m_child = m_window->childWindows().empty() ? 0 : m_window->childWindows().front();
    }

    ~CEditorSession()
    {
        m_window.reset();
        if (m_instance != nullptr) {
            m_instance->close();
        }
        if (m_display != nullptr) {
            XCloseDisplay(m_display);
        }
    }

    const std::string& error() const { return m_error; }
    DevHost::CPluginInstance& instance() { return *m_instance; }
    DevHost::CHostEditorWindow& window() { return *m_window; }
    Display* display() { return m_display; }
    Window child() const { return m_child; }

    // Idles until the first picture is on the screen and nothing is left to do.
    void settle()
    {
        m_window->idleUntil([&] { return m_window->capture().at(230, 8) != 0; }, 10000);
        for (int i = 0; i < 10; ++i) {
            m_window->idle();
        }
    }

    // A pointer event of the editor's window, as the server would deliver it.
    void sendPointer(int type, int x, int y)
    {
        XEvent event;
        std::memset(&event, 0, sizeof(event));
        event.type = type;
        event.xbutton.window = m_child;
        event.xbutton.x = x;
        event.xbutton.y = y;
        event.xbutton.time = ++m_time;
        event.xbutton.same_screen = True;
        if (type == MotionNotify) {
            event.xmotion.state = Button1Mask;
        } else {
            event.xbutton.button = Button1;
        }
        XSendEvent(m_display, m_child, False, type == MotionNotify ? PointerMotionMask : ButtonPressMask, &event);
        // The server has passed it on to the editor's connection once this returns.
        XSync(m_display, False);
    }

private:
    DevHost::CDevHost m_host;
    std::unique_ptr<DevHost::CPluginInstance> m_instance;
    std::unique_ptr<DevHost::CHostEditorWindow> m_window;
    Display* m_display = nullptr;
    Window m_child = 0;
    Time m_time = 1000;
    std::string m_error;
};

void BM_CreateEffect(benchmark::State& state)
{
    DevHost::CDevHost host;
    std::string error;
    if (!host.loadModule(pluginPath(), &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        std::unique_ptr<DevHost::CPluginInstance> instance = host.createInstance();
        state.SetIterationTime(secondsSince(start));
        if (instance == nullptr) {
            state.SkipWithError("no effect");
            return;
        }
        instance->close();
    }
}

void BM_OpenAndCloseEditor(benchmark::State& state)
{
    CEditorSession session;
    if (!session.error().empty()) {
        state.SkipWithError(session.error().c_str());
        return;
    }
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        session.window().closeEditor();
        session.window().openEditor();
        // The first picture is painted at the first idle.
        session.instance().idleEditor();
        state.SetIterationTime(secondsSince(start));
    }
}

void BM_IdleWithNothingPending(benchmark::State& state)
{
    CEditorSession session;
    if (!session.error().empty()) {
        state.SkipWithError(session.error().c_str());
        return;
    }
    for (auto _ : state) {
        session.instance().idleEditor();
    }
}

void BM_FullRepaint(benchmark::State& state)
{
    CEditorSession session;
    if (!session.error().empty()) {
        state.SkipWithError(session.error().c_str());
        return;
    }
    for (auto _ : state) {
        // The whole window exposed, as when the host's window is uncovered.
        XClearArea(session.display(), session.child(), 0, 0, 0, 0, True);
        XSync(session.display(), False);
        const Clock::time_point start = Clock::now();
        session.instance().idleEditor();
        state.SetIterationTime(secondsSince(start));
    }
}

void BM_KnobDragStep(benchmark::State& state)
{
    CEditorSession session;
    if (!session.error().empty()) {
        state.SkipWithError(session.error().c_str());
        return;
    }
    session.instance().setParameter(1, 0.5f);
    session.instance().idleEditor();
    session.sendPointer(ButtonPress, kKnobX, kKnobY);
    session.instance().idleEditor();
    int step = 0;
    for (auto _ : state) {
        // One pixel up, one down: every step changes the value, the knob's frame and its label.
        const Clock::time_point start = Clock::now();
        session.sendPointer(MotionNotify, kKnobX, kKnobY - (++step % 2));
        session.instance().idleEditor();
        state.SetIterationTime(secondsSince(start));
    }
    session.sendPointer(ButtonRelease, kKnobX, kKnobY);
    session.instance().idleEditor();
}

void BM_MeterRefresh(benchmark::State& state)
{
    CEditorSession session;
    if (!session.error().empty()) {
        state.SkipWithError(session.error().c_str());
        return;
    }
    std::vector<std::vector<float>> outputs;
    // The loud block ends quietly, so the limiter's delay carries no loud samples into the quiet one.
    std::vector<std::vector<float>> quiet(4, std::vector<float>(512, 0.3f));
    std::vector<std::vector<float>> loud(quiet);
    for (std::vector<float>& channel : loud) {
        std::fill(channel.begin(), channel.begin() + 256, 0.7f);
    }
    int block = 0;
    for (auto _ : state) {
        // A new level every block: 35 and then 15 of the 50 segments lit.
        session.instance().process(++block % 2 == 0 ? quiet : loud, outputs);
        const Clock::time_point start = Clock::now();
        session.instance().idleEditor();
        state.SetIterationTime(secondsSince(start));
    }
}

}  // namespace

BENCHMARK(BM_CreateEffect)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndCloseEditor)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleWithNothingPending)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRepaint)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KnobDragStep)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeterRefresh)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    // The plug-in and the host both find the private server through DISPLAY.
    TenviraX11Tests::CXvfbServer server;
    std::string error;
    if (!server.start(1024, 768, error)) {
        std::fprintf(stderr, "tenvira_bench_editor: %s\n", error.c_str());
        return 1;
    }
    setenv("DISPLAY", server.getDisplayName().c_str(), 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
