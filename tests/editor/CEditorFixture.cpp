#include "CEditorFixture.hpp"

#include <chrono>
#include <cmath>
#include <thread>

namespace TenviraEditorTests {

void CEditorFixture::SetUp()
{
    CX11Fixture::SetUp();
    // The plug-in finds the server as every plug-in does, through DISPLAY.
    setenv("DISPLAY", server().getDisplayName().c_str(), 1);
    std::string error;
    ASSERT_TRUE(m_host.loadModule(TENVIRA_PLUGIN_PATH, &error)) << error;
}

void CEditorFixture::TearDown()
{
    m_window.reset();
    m_instance.reset();
    m_host.unloadModule();
    CX11Fixture::TearDown();
}

std::unique_ptr<DevHost::CPluginInstance> CEditorFixture::createEffect(int program)
{
    std::unique_ptr<DevHost::CPluginInstance> instance = m_host.createInstance();
    if (instance != nullptr) {
        instance->open();
        instance->setSampleRate(44100.0f);
        instance->setBlockSize(512);
        instance->setProgram(program);
        instance->resume();
    }
    return instance;
}

std::unique_ptr<DevHost::CHostEditorWindow> CEditorFixture::openEditor(DevHost::CPluginInstance& instance)
{
    auto window = std::make_unique<DevHost::CHostEditorWindow>(instance);
    std::string error;
    EXPECT_TRUE(window->create(server().getDisplayName(), "Tenvira editor test", &error)) << error;
    EXPECT_TRUE(showEditor(*window));
    return window;
}

bool CEditorFixture::showEditor(DevHost::CHostEditorWindow& window)
{
    // The title bar of the artwork is light; the host's window is black.
    return window.openEditor() && idleUntil(window, [&] { return window.capture().at(230, 8) != 0; });
}

void CEditorFixture::openFirstEditor(int program)
{
    m_instance = createEffect(program);
    ASSERT_NE(m_instance, nullptr);
    m_window = openEditor(*m_instance);
}

bool CEditorFixture::idleUntil(DevHost::CHostEditorWindow& window, const std::function<bool()>& done)
{
    return window.idleUntil(done, WAIT_MILLISECONDS);
}

bool CEditorFixture::idleUntilParameter(VstInt32 index, float value)
{
    return idleUntil(*m_window, [&] { return std::fabs(m_instance->getParameter(index) - value) < 1e-6f; });
}

bool CEditorFixture::waitWithoutIdle(const std::function<bool()>& done)
{
    const auto nap = [](long) { std::this_thread::sleep_for(std::chrono::milliseconds(5)); };
    return serveUntil([] {}, nap, done, WAIT_MILLISECONDS);
}

}  // namespace TenviraEditorTests
