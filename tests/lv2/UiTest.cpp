// Tenvira's editor as an LV2 host shows it, through the built bundle: found
// through lilv, its module loaded on its own, made in the host's window on a
// private Xvfb, driven by idle calls, port events in units and real input.
#include "CLv2UiFixture.hpp"

#include "CLv2World.hpp"

#include <dirent.h>
#include <lv2/atom/atom.h>
#include <lv2/options/options.h>
#include <malloc.h>

#include <algorithm>
#include <set>

namespace TenviraLv2UiTests {

namespace {

constexpr const char* PLUGIN_URI = "https://tolvek-orvasse.audio/plugins/tenvira";

std::set<std::string> objectsOf(LilvWorld* world, const LilvNode* subject, const char* predicate)
{
    LilvNode* property = lilv_new_uri(world, predicate);
    LilvNodes* found = lilv_world_find_nodes(world, subject, property, nullptr);
    std::set<std::string> objects;
    LILV_FOREACH(nodes, i, found)
    {
        objects.insert(lilv_node_as_string(lilv_nodes_get(found, i)));
    }
    lilv_nodes_free(found);
    lilv_node_free(property);
    return objects;
}

long openFileDescriptors()
{
    long count = 0;
    if (DIR* folder = opendir("/proc/self/fd")) {
        while (readdir(folder) != nullptr) {
            ++count;
        }
        closedir(folder);
    }
    return count;
}

long windowsBelow(Display* display, Window window)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    long windows = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) != 0 && children != nullptr) {
        for (unsigned int i = 0; i < count; ++i) {
            windows += 1 + windowsBelow(display, children[i]);
        }
        XFree(children);
    }
    return windows;
}

// The size of the one window the UI keeps in the host's window; 0 x 0 when there is not exactly one.
std::pair<int, int> editorWindowSize(Display* display, Window host)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::pair<int, int> size{0, 0};
    if (XQueryTree(display, host, &root, &parent, &children, &count) != 0 && count == 1) {
        XWindowAttributes editor;
        if (XGetWindowAttributes(display, children[0], &editor) != 0) {
            size = {editor.width, editor.height};
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return size;
}

}  // namespace

TEST(Lv2UiDeclaration, HostsFindAnX11UiForTheHostsWindowServedByIdleCallsWithTheMeterAsked)
{
    testing::internal::CaptureStderr();
    Lv2Host::CLv2World world(TENVIRA_LV2_SPEC_DIR, TENVIRA_LV2_BUNDLE);
    LilvWorld* w = world.get();
    LilvNode* x11 = lilv_new_uri(w, LV2_UI__X11UI);
    LilvUIs* uis = lilv_plugin_get_uis(world.plugin(PLUGIN_URI));
    ASSERT_EQ(lilv_uis_size(uis), 1u);
    const LilvUI* ui = lilv_uis_get(uis, lilv_uis_begin(uis));
    EXPECT_TRUE(lilv_ui_is_a(ui, x11));
    const LilvNode* node = lilv_ui_get_uri(ui);
    char* binary = lilv_file_uri_parse(lilv_node_as_uri(lilv_ui_get_binary_uri(ui)), nullptr);
    EXPECT_EQ(std::string(binary), std::string(TENVIRA_LV2_BUNDLE) + "/Tenvira_ui.so");
    lilv_free(binary);

    EXPECT_EQ(objectsOf(w, node, LV2_CORE__requiredFeature),
              (std::set<std::string>{LV2_UI__parent, LV2_UI__idleInterface}));
    EXPECT_EQ(objectsOf(w, node, LV2_CORE__optionalFeature),
              (std::set<std::string>{LV2_UI__resize, LV2_UI__noUserResize, LV2_OPTIONS__options}));
    EXPECT_EQ(objectsOf(w, node, LV2_OPTIONS__supportedOption), std::set<std::string>{LV2_UI__scaleFactor});
    EXPECT_EQ(objectsOf(w, node, LV2_CORE__extensionData),
              (std::set<std::string>{LV2_UI__idleInterface, LV2_OPTIONS__interface}));
    // The output level reaches the UI; hosts send control inputs by default.
    LilvNode* notification = lilv_new_uri(w, LV2_UI__portNotification);
    LilvNodes* notifications = lilv_world_find_nodes(w, node, notification, nullptr);
    ASSERT_EQ(lilv_nodes_size(notifications), 1u);
    const LilvNode* level = lilv_nodes_get(notifications, lilv_nodes_begin(notifications));
    EXPECT_EQ(objectsOf(w, level, LV2_UI__plugin), std::set<std::string>{PLUGIN_URI});
    EXPECT_EQ(objectsOf(w, level, LV2_CORE__symbol), std::set<std::string>{"level"});
    EXPECT_EQ(objectsOf(w, level, LV2_UI__protocol), std::set<std::string>{LV2_UI__floatProtocol});
    lilv_nodes_free(notifications);
    lilv_node_free(notification);
    lilv_uis_free(uis);
    lilv_node_free(x11);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(CLv2UiFixture, OpensInTheHostsWindowAtItsSizeShowsTheHostsValuesAndTheMeterFollowsTheLevel)
{
    openUi();
    // The host is told the size once, and the editor's window sits in the host's at that size.
    EXPECT_EQ(m_resizes, (std::vector<std::pair<int, int>>{{EDITOR_WIDTH, EDITOR_HEIGHT}}));
    EXPECT_EQ(editorWindowSize(observer(), m_hostWindow), (std::pair<int, int>{EDITOR_WIDTH, EDITOR_HEIGHT}));

    // Before the host says anything, the ports' defaults; then a program's values as the host sends them.
    PlainModel model;
    EXPECT_TRUE(CExpectedEditor(model).isShownIn(captureEditor(), observer()));
    model.setProgram(5);
    for (int index = 0; index < PlainModel::NUM_PARAMS; ++index) {
        portEvent(symbolOf(index), unitsOf(model, index));
    }
    const CExpectedEditor expected(model);
    EXPECT_TRUE(idleUntilShown(expected));

    for (const auto& reading : {std::make_pair(0.5f, 25L), std::make_pair(2.0f, 50L), std::make_pair(0.0f, 0L)}) {
        portEvent("level", reading.first);
        EXPECT_TRUE(idleUntil([&] { return litMeterSegments() == reading.second; })) << reading.first;
    }
    EXPECT_TRUE(m_writes.empty()) << "what the host reported was written back";
}

TEST_F(CLv2UiFixture, KnobDragsWriteTheirUnitsOnceEachAndHostsReportingThemBackChangeNothing)
{
    openUi();
    PlainModel model;
    CExpectedEditor expected(model);
    // "EQ Low" dragged up by pixels to value, shown, then the host's idle calls for longer than any host takes
    // to report a write back.
    const auto turnEqLow = [&](int pixels, float value) {
        // A click elsewhere first: the drag's press is no double click, which would restore the default.
        click(EMPTY_PLACE);
        drag(EQ_LOW_KNOB, 0, -pixels);
        model.setParameter(6, value);
        expected.showEditorChange(model, 6);
        ASSERT_TRUE(idleUntilShown(expected));
        for (int turn = 0; turn < 40; ++turn) {
            idle();
        }
    };
    // Ten pixels up from the middle, however the host reports the writes back.
    for (EEcho echo : {EEcho::Never, EEcho::InsideTheWrite, EEcho::AtTheNextIdle}) {
        SCOPED_TRACE(static_cast<int>(echo));
        m_echo = echo;
        m_writes.clear();
        portEvent("eq_low", 0.0f);
        model.setParameter(6, 0.5f);
        expected.showHostChange(model, 6);
        ASSERT_TRUE(idleUntilShown(expected));
        turnEqLow(10, 0.55f);
        EXPECT_TRUE(expected.isShownIn(captureEditor(), observer()));
        const std::vector<float> values = writesTo("eq_low");
        ASSERT_EQ(values.size(), m_writes.size()) << "a port the user did not touch was written";
        ASSERT_FALSE(values.empty());
        EXPECT_LE(values.size(), 10u);
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()) &&
                    std::adjacent_find(values.begin(), values.end()) == values.end())
            << "a value written twice";
        EXPECT_NEAR(values.back(), unitsOf(model, 6), 1e-4f);
    }
    // A host that never reports writes back may set one of the values written long ago: that is news.
    m_echo = EEcho::Never;
    m_writes.clear();
    turnEqLow(4, 0.57f);
    const float first = writesTo("eq_low").front();
    portEvent("eq_low", first);
    model.setParameter(6, (first + 20.0f) / 40.0f);
    expected.showHostChange(model, 6);
    EXPECT_TRUE(idleUntilShown(expected));

    // "Ratio", whose parameter runs the other way: its port holds the ratio the knob's place means.
    m_writes.clear();
    portEvent("ratio", 1.0f);
    idle();
    drag(CExpectedEditor::controlArea(2).centre(), 0, -20);
    model.setParameter(2, 0.1f);
    expected.showEditorChange(model, 2);
    ASSERT_TRUE(idleUntilShown(expected));
    ASSERT_FALSE(writesTo("ratio").empty());
    EXPECT_NEAR(writesTo("ratio").back(), unitsOf(model, 2), 1e-5f);
}

TEST_F(CLv2UiFixture, ThePopUpsWriteTheChoiceInUnitsAndTheInformationButtonShowsTheSplash)
{
    openUi();
    PlainModel model;
    CExpectedEditor expected(model);
    const struct {
        int index;
        int item;
        float value;
        float units;
    } choices[] = {{14, 1, 0.45f, 1.0f}, {12, 2, 1.0f, 2.0f}, {12, 1, 0.45f, 1.0f}, {14, 2, 1.0f, 2.0f}};
    for (const auto& choice : choices) {
        const std::vector<float> before = writesTo(symbolOf(choice.index));
        click(CExpectedEditor::controlArea(choice.index).centre());
        SArea menu{};
        ASSERT_TRUE(idleUntil([&] { return menuShown(&menu); }));
        const SPoint item = menuItem(menu, choice.item);
        input("mousemove " + std::to_string(item.x) + " " + std::to_string(item.y) + " click 1");
        ASSERT_TRUE(idleUntil([&] { return writesTo(symbolOf(choice.index)).size() == before.size() + 1; }));
        EXPECT_EQ(writesTo(symbolOf(choice.index)).back(), choice.units) << choice.index << " item " << choice.item;
        model.setParameter(choice.index, choice.value);
        expected.showEditorChange(model, choice.index);
        EXPECT_TRUE(idleUntil([&] { return !menuShown() && expected.isShownIn(captureEditor(), observer()); }))
            << expected.isShownIn(captureEditor(), observer());
    }
    EXPECT_EQ(m_writes.size(), 4u);

    click(INFORMATION_BUTTON);
    SArea splash{};
    ASSERT_TRUE(idleUntil([&] { return splashShown(&splash); }));
    input("mousemove " + std::to_string(splash.left + 50) + " " + std::to_string(splash.top + 50) + " click 1");
    EXPECT_TRUE(idleUntil([&] { return !splashShown(); }));
    EXPECT_EQ(m_writes.size(), 4u);
}

TEST_F(CLv2UiFixture, AHostsScaleFactorSizesTheUiWhenMadeAndWhenChangedLater)
{
    m_scaleFactor = 2.0f;
    openUi();
    EXPECT_EQ(m_resizes, (std::vector<std::pair<int, int>>{{926, 930}}));
    const DevHost::CWindowImage shown = captureEditor();
    ASSERT_EQ(shown.width(), 926);
    ASSERT_EQ(shown.height(), 930);
    // The panel reaches the lower right corner, and the title stands where it stands at 1x, twice as far in.
    EXPECT_NE(shown.at(920, 925), 0u);
    EXPECT_NE(shown.at(460, 16), 0u);

    // The host changes its factor later through the options interface: the UI takes it at once.
    const auto* options =
        static_cast<const LV2_Options_Interface*>(m_descriptor->extension_data(LV2_OPTIONS__interface));
    ASSERT_NE(options, nullptr);
    LV2_URID_Map* map = uridMap();
    float factor = 1.5f;
    const LV2_Options_Option change[] = {{LV2_OPTIONS_INSTANCE, 0, map->map(map->handle, LV2_UI__scaleFactor),
                                          sizeof(float), map->map(map->handle, LV2_ATOM__Float), &factor},
                                         {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
    EXPECT_EQ(options->set(m_ui, change), static_cast<std::uint32_t>(LV2_OPTIONS_SUCCESS));
    EXPECT_EQ(m_resizes.back(), (std::pair<int, int>{695, 698}));
    idle();
    EXPECT_EQ(editorWindowSize(observer(), m_hostWindow), (std::pair<int, int>{695, 698}));
    // An option the UI does not know is answered as such.
    const LV2_Options_Option unknown[] = {{LV2_OPTIONS_INSTANCE, 0, map->map(map->handle, LV2_UI__updateRate),
                                           sizeof(float), map->map(map->handle, LV2_ATOM__Float), &factor},
                                          {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
    EXPECT_EQ(options->set(m_ui, unknown), static_cast<std::uint32_t>(LV2_OPTIONS_ERR_BAD_KEY));
}

TEST_F(CLv2UiFixture, IsRefusedWithoutAParentAndFiftyOpeningsAndUnloadingsLeaveNothingBehind)
{
    const long descriptors = openFileDescriptors();
    const long windows = windowsBelow(observer(), DefaultRootWindow(observer()));
    // Without a parent, or with one that is gone, there is no UI and nothing on the server.
    EXPECT_EQ(instantiate(m_hostWindow, false), nullptr);
    const Window gone = createHostWindow(0, 0, 10, 10);
    XDestroyWindow(observer(), gone);
    XSync(observer(), False);
    EXPECT_EQ(instantiate(gone, true), nullptr);
    EXPECT_EQ(windowsBelow(observer(), DefaultRootWindow(observer())), windows);

    std::size_t heap = 0;
    for (int opening = 0; opening < 50; ++opening) {
        if (opening == 1) {
            heap = mallinfo2().uordblks;
        }
        openUi();
        portEvent("threshold", -20.0f);
        portEvent("level", 0.5f);
        ASSERT_TRUE(idleUntil([&] { return litMeterSegments() == 25; }));
        cleanup(m_ui);
        m_ui = nullptr;
        XSync(observer(), False);
        ASSERT_EQ(windowsBelow(observer(), m_hostWindow), 0) << opening;
        // Some hosts unload the module when the UI closes, and load it again for the next.
        reloadModule();
    }
    EXPECT_EQ(openFileDescriptors(), descriptors);
    EXPECT_EQ(windowsBelow(observer(), DefaultRootWindow(observer())), windows);
    // Forty-nine openings may leave the allocator's own bookkeeping, but not an editor's pictures.
    EXPECT_LT(mallinfo2().uordblks, heap + 256 * 1024);
}

}  // namespace TenviraLv2UiTests
