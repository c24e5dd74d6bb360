// Tenvira's LV2 UI as a host shows it: the built bundle's UI found through
// lilv, its module loaded with the dynamic loader, made with the features a
// host gives (its own window on the private Xvfb as ui:parent, ui:resize, the
// idle interface, a URID map) and driven by the host's idle calls, its port
// events and real input.
#pragma once

#include "CEditorScreenFixture.hpp"
#include "CExpectedEditor.hpp"

#include "model/PlainModel.hpp"

#include <lv2/ui/ui.h>
#include <lv2/urid/urid.h>

#include <functional>
#include <string>
#include <vector>

namespace TenviraLv2UiTests {

using namespace TenviraEditorTests;

class CLv2UiFixture : public CEditorScreenFixture {
protected:
    // How the host reports the UI's writes back to it.
    enum class EEcho {
        Never,
        InsideTheWrite,
        AtTheNextIdle
    };

    struct SWrite {
        std::uint32_t port;
        float value;
    };

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The UI made in parent with the features a host gives (ui:parent only when withParent); null when refused.
    LV2UI_Handle instantiate(unsigned long parent, bool withParent = true);
    void cleanup(LV2UI_Handle ui);
    // Unloads the UI's module and loads it again, as hosts that load it for each opening do.
    void reloadModule();
    // The fixture's UI made in the host's window, idled until its picture shows.
    void openUi();
    // The host's turn: the echoes that are due, then the UI's idle.
    int idle();
    bool idleUntil(const std::function<bool()>& done);
    // Idles the UI until it shows what is expected; what differs when the time allowed runs out.
    ::testing::AssertionResult idleUntilShown(const CExpectedEditor& expected);
    // The host reports a port's value to the fixture's UI.
    void portEvent(const std::string& symbol, float value);

    // The values the UI wrote to a port, in order.
    std::vector<float> writesTo(const std::string& symbol) const;
    static std::uint32_t portIndex(const std::string& symbol);
    // The model's value of parameter index in its port's units, as the host holds it.
    static float unitsOf(const PlainModel& model, int index);
    static const std::string& symbolOf(int index);
    // The host's URID map, as the UI is given it.
    static LV2_URID_Map* uridMap();

    unsigned long editorWindowId() override { return m_hostWindow; }
    DevHost::CWindowImage captureEditor() override;

    static std::string s_uiUri;
    static std::string s_binary;
    static std::string s_bundle;

    const LV2UI_Descriptor* m_descriptor = nullptr;
    const LV2UI_Idle_Interface* m_idleInterface = nullptr;
    LV2UI_Handle m_ui = nullptr;
    unsigned long m_hostWindow = 0;
    EEcho m_echo = EEcho::Never;
    std::vector<SWrite> m_writes;
    std::vector<std::pair<int, int>> m_resizes;
    // The ui:scaleFactor the host passes among its options; none while 0.
    float m_scaleFactor = 0.0f;

private:
    static void write(LV2UI_Controller controller, std::uint32_t port, std::uint32_t size, std::uint32_t protocol,
                      const void* buffer);
    static int resize(LV2UI_Feature_Handle handle, int width, int height);
    void loadModule();
    void unloadModule();

    void* m_module = nullptr;
    std::vector<SWrite> m_dueEchoes;
};

}  // namespace TenviraLv2UiTests
