#include "CLv2UiFixture.hpp"

#include "CLv2World.hpp"
#include "CWindowCapture.hpp"

#include <dlfcn.h>
#include <lv2/atom/atom.h>
#include <lv2/options/options.h>
#include <lv2/urid/urid.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace TenviraLv2UiTests {

namespace {

constexpr const char* PLUGIN_URI = "https://tolvek-orvasse.audio/plugins/tenvira";

const char* const SYMBOLS[PlainModel::NUM_PARAMS] = {"master",
                                                     "threshold",
                                                     "ratio",
                                                     "attack",
                                                     "release",
                                                     "mix",
                                                     "eq_low",
                                                     "eq_mid",
                                                     "eq_high",
                                                     "sidechain",
                                                     "monitor",
                                                     "makeup",
                                                     "key_input",
                                                     "knee",
                                                     "valve",
                                                     "mid_side",
                                                     "limiter",
                                                     "limiter_release",
                                                     "limiter_threshold",
                                                     "limiter_ceiling"};

std::unique_ptr<Lv2Host::CLv2World> s_world;

std::string pathOf(const LilvNode* fileUri)
{
    char* path = lilv_file_uri_parse(lilv_node_as_uri(fileUri), nullptr);
    const std::string result = path != nullptr ? path : "";
    lilv_free(path);
    return result;
}

}  // namespace

std::string CLv2UiFixture::s_uiUri;
std::string CLv2UiFixture::s_binary;
std::string CLv2UiFixture::s_bundle;

void CLv2UiFixture::SetUpTestSuite()
{
    CEditorScreenFixture::SetUpTestSuite();
    // As a host finds a plug-in's X11 UI: among the plug-in's UIs, by class.
    s_world = std::make_unique<Lv2Host::CLv2World>(TENVIRA_LV2_SPEC_DIR, TENVIRA_LV2_BUNDLE);
    LilvNode* x11 = lilv_new_uri(s_world->get(), LV2_UI__X11UI);
    LilvUIs* uis = lilv_plugin_get_uis(s_world->plugin(PLUGIN_URI));
    LILV_FOREACH(uis, i, uis)
    {
        const LilvUI* ui = lilv_uis_get(uis, i);
        if (lilv_ui_is_a(ui, x11)) {
            s_uiUri = lilv_node_as_uri(lilv_ui_get_uri(ui));
            s_binary = pathOf(lilv_ui_get_binary_uri(ui));
            s_bundle = pathOf(lilv_ui_get_bundle_uri(ui));
        }
    }
    lilv_uis_free(uis);
    lilv_node_free(x11);
}

void CLv2UiFixture::TearDownTestSuite()
{
    s_world.reset();
    CEditorScreenFixture::TearDownTestSuite();
}

void CLv2UiFixture::SetUp()
{
    CEditorScreenFixture::SetUp();
    // The editor finds the server as every UI does, through DISPLAY.
    setenv("DISPLAY", server().getDisplayName().c_str(), 1);
    ASSERT_FALSE(s_binary.empty()) << "lilv finds no X11 UI of the plug-in";
    loadModule();
    // A host makes its window before it knows the UI's size.
    m_hostWindow = createHostWindow(0, 0, 200, 100);
}

void CLv2UiFixture::TearDown()
{
    cleanup(m_ui);
    m_ui = nullptr;
    unloadModule();
    CEditorScreenFixture::TearDown();
}

void CLv2UiFixture::loadModule()
{
    m_module = dlopen(s_binary.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(m_module, nullptr) << dlerror();
    const auto entry = reinterpret_cast<const LV2UI_Descriptor* (*)(uint32_t)>(dlsym(m_module, "lv2ui_descriptor"));
    ASSERT_NE(entry, nullptr);
    for (uint32_t index = 0; entry(index) != nullptr; ++index) {
        if (s_uiUri == entry(index)->URI) {
            m_descriptor = entry(index);
        }
    }
    ASSERT_NE(m_descriptor, nullptr) << "the module has no UI " << s_uiUri;
    m_idleInterface = static_cast<const LV2UI_Idle_Interface*>(m_descriptor->extension_data(LV2_UI__idleInterface));
    ASSERT_NE(m_idleInterface, nullptr);
}

void CLv2UiFixture::unloadModule()
{
    if (m_module != nullptr) {
        EXPECT_EQ(dlclose(m_module), 0);
    }
    m_module = nullptr;
    m_descriptor = nullptr;
    m_idleInterface = nullptr;
}

void CLv2UiFixture::reloadModule()
{
    unloadModule();
    loadModule();
}

LV2UI_Handle CLv2UiFixture::instantiate(unsigned long parent, bool withParent)
{
    LV2UI_Resize resizeFeature{this, &CLv2UiFixture::resize};
    const LV2_Feature parentFeature{LV2_UI__parent, reinterpret_cast<void*>(static_cast<std::uintptr_t>(parent))};
    const LV2_Feature resize{LV2_UI__resize, &resizeFeature};
    const LV2_Feature idleInterface{LV2_UI__idleInterface, nullptr};
    LV2_URID_Map* uridMap = s_world->uridMap();
    const LV2_Feature map{LV2_URID__map, uridMap};
    const LV2_Options_Option options[] = {
        {LV2_OPTIONS_INSTANCE, 0, uridMap->map(uridMap->handle, LV2_UI__scaleFactor), sizeof(float),
         uridMap->map(uridMap->handle, LV2_ATOM__Float), &m_scaleFactor},
        {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
    const LV2_Feature optionsFeature{LV2_OPTIONS__options, const_cast<LV2_Options_Option*>(options)};
    std::vector<const LV2_Feature*> features{&resize, &idleInterface, &map};
    if (m_scaleFactor > 0.0f) {
        features.push_back(&optionsFeature);
    }
    if (withParent) {
        features.push_back(&parentFeature);
    }
    features.push_back(nullptr);
    LV2UI_Widget widget = nullptr;
    LV2UI_Handle ui = m_descriptor->instantiate(m_descriptor, PLUGIN_URI, s_bundle.c_str(), &CLv2UiFixture::write, this,
                                                &widget, features.data());
    EXPECT_EQ(ui == nullptr, widget == nullptr) << "a widget without a UI, or the other way round";
    return ui;
}

void CLv2UiFixture::cleanup(LV2UI_Handle ui)
{
    if (ui != nullptr) {
        m_descriptor->cleanup(ui);
    }
}

void CLv2UiFixture::openUi()
{
    m_ui = instantiate(m_hostWindow);
    ASSERT_NE(m_ui, nullptr);
    // The title bar of the artwork is light; the host's window is black.
    ASSERT_TRUE(idleUntil([&] { return captureEditor().at(230, 8) != 0; }));
}

int CLv2UiFixture::idle()
{
    std::vector<SWrite> due;
    due.swap(m_dueEchoes);
    for (const SWrite& echo : due) {
        m_descriptor->port_event(m_ui, echo.port, sizeof(float), 0, &echo.value);
    }
    return m_idleInterface->idle(m_ui);
}

bool CLv2UiFixture::idleUntil(const std::function<bool()>& done)
{
    const auto nap = [](long) { usleep(5000); };
    return serveUntil([&] { EXPECT_EQ(idle(), 0); }, nap, done, WAIT_MILLISECONDS);
}

::testing::AssertionResult CLv2UiFixture::idleUntilShown(const CExpectedEditor& expected)
{
    idleUntil([&] { return expected.isShownIn(captureEditor(), observer()); });
    return expected.isShownIn(captureEditor(), observer());
}

void CLv2UiFixture::portEvent(const std::string& symbol, float value)
{
    m_descriptor->port_event(m_ui, portIndex(symbol), sizeof(float), 0, &value);
}

std::vector<float> CLv2UiFixture::writesTo(const std::string& symbol) const
{
    std::vector<float> values;
    for (const SWrite& write : m_writes) {
        if (write.port == portIndex(symbol)) {
            values.push_back(write.value);
        }
    }
    return values;
}

std::uint32_t CLv2UiFixture::portIndex(const std::string& symbol)
{
    LilvNode* node = lilv_new_string(s_world->get(), symbol.c_str());
    const LilvPort* port = lilv_plugin_get_port_by_symbol(s_world->plugin(PLUGIN_URI), node);
    lilv_node_free(node);
    if (port == nullptr) {
        throw std::invalid_argument("no port " + symbol);
    }
    return lilv_port_get_index(s_world->plugin(PLUGIN_URI), port);
}

float CLv2UiFixture::unitsOf(const PlainModel& model, int index)
{
    // The ratio's parameter holds the slope; its port is the ratio itself.
    const float data = model.parameterData(index);
    return index == 2 ? 1.0f / data : data;
}

const std::string& CLv2UiFixture::symbolOf(int index)
{
    static const std::vector<std::string> symbols(SYMBOLS, SYMBOLS + PlainModel::NUM_PARAMS);
    return symbols.at(static_cast<std::size_t>(index));
}

DevHost::CWindowImage CLv2UiFixture::captureEditor()
{
    return DevHost::captureWindow(observer(), m_hostWindow);
}

void CLv2UiFixture::write(LV2UI_Controller controller, std::uint32_t port, std::uint32_t size, std::uint32_t protocol,
                          const void* buffer)
{
    auto* self = static_cast<CLv2UiFixture*>(controller);
    ASSERT_EQ(size, sizeof(float));
    ASSERT_EQ(protocol, 0u);
    const SWrite written{port, *static_cast<const float*>(buffer)};
    self->m_writes.push_back(written);
    if (self->m_echo == EEcho::InsideTheWrite) {
        self->m_descriptor->port_event(self->m_ui, port, sizeof(float), 0, &written.value);
    } else if (self->m_echo == EEcho::AtTheNextIdle) {
        self->m_dueEchoes.push_back(written);
    }
}

LV2_URID_Map* CLv2UiFixture::uridMap()
{
    return s_world->uridMap();
}

int CLv2UiFixture::resize(LV2UI_Feature_Handle handle, int width, int height)
{
    auto* self = static_cast<CLv2UiFixture*>(handle);
    self->m_resizes.emplace_back(width, height);
    // The host's window follows the UI.
    XResizeWindow(self->observer(), self->m_hostWindow, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XSync(self->observer(), False);
    return 0;
}

}  // namespace TenviraLv2UiTests
