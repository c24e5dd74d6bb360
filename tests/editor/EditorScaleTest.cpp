// The editor at a screen scale, through the built plug-in in a host window:
// the factor chosen by the host (effVendorSpecific), the desktop (Xft.dpi) and
// the user's "Editor size" menu, the size the host is told and asked for, and
// controls that keep working in the editor's own pixels under real input.
#include "CEditorFixture.hpp"

#include <X11/Xatom.h>

#include <cmath>
#include <cstdlib>

namespace TenviraEditorTests {

namespace {

constexpr VstInt32 SCALE_INDEX = 0x50726553;   // 'PreS'
constexpr VstIntPtr SCALE_VALUE = 0x41654373;  // 'AeCs'

SPoint scaled(const SPoint& point, double factor)
{
    return SPoint{static_cast<int>(std::lround(point.x * factor)), static_cast<int>(std::lround(point.y * factor))};
}

int channel(std::uint32_t rgb, int shift)
{
    return static_cast<int>((rgb >> shift) & 0xFF);
}

// Sum over the three channels of the squared differences between neighbouring pixels: the energy of the
// edges, which blurring spreads and so lowers.
double edgeEnergy(const std::function<std::uint32_t(int, int)>& at, int width, int height)
{
    double energy = 0.0;
    for (int y = 0; y + 1 < height; ++y) {
        for (int x = 0; x + 1 < width; ++x) {
            for (int shift : {0, 8, 16}) {
                const int here = channel(at(x, y), shift);
                const double dx = here - channel(at(x + 1, y), shift);
                const double dy = here - channel(at(x, y + 1), shift);
                energy += dx * dx + dy * dy;
            }
        }
    }
    return energy;
}

}  // namespace

class CEditorScaleTest : public CEditorFixture {
protected:
    VstIntPtr sendHostFactor(float factor, VstIntPtr value = SCALE_VALUE)
    {
        return m_instance->dispatch(effVendorSpecific, SCALE_INDEX, value, nullptr, factor);
    }

    // The display's resource database, as desktops write it; the suite's server keeps it for later tests.
    void setDesktopResources(const std::string& resources)
    {
        XChangeProperty(observer(), DefaultRootWindow(observer()), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(resources.c_str()), static_cast<int>(resources.size()));
        XSync(observer(), False);
    }

    static bool rectIs(DevHost::CPluginInstance& instance, int width, int height)
    {
        ERect rect{};
        return instance.editorRect(rect) && rect.right - rect.left == width && rect.bottom - rect.top == height;
    }

    // The last size the editor asked its host for.
    bool askedHostFor(int width, int height)
    {
        const auto asked = m_host.callsWithOpcode(audioMasterSizeWindow);
        return !asked.empty() && asked.back().index == width && asked.back().value == height;
    }

    // A drag of the Threshold knob (at its top) by dy screen pixels down moves it by dyOwn pixels of the
    // editor's own.
    void expectThresholdDrag(double factor, int dy, int dyOwn)
    {
        const float before = m_instance->getParameter(1);
        drag(scaled(THRESHOLD_KNOB, factor), 0, dy);
        EXPECT_TRUE(idleUntilParameter(1, before - 0.005f * static_cast<float>(dyOwn)))
            << "at " << factor << ": " << before << " -> " << m_instance->getParameter(1);
    }

    // A click on the Monitor switch, where it shows at the factor, toggles it.
    void expectMonitorToggles(double factor)
    {
        const float before = m_instance->getParameter(10);
        click(scaled(MONITOR_BUTTON, factor));
        EXPECT_TRUE(idleUntilParameter(10, 1.0f - before)) << "at " << factor;
    }

    // Opens the "Editor size" menu with a press of button (3, or 1 with alt) at the empty place of the
    // panel, then chooses the item of that step (0 is 100 %).
    void chooseEditorSize(int step, double factor, const std::string& press)
    {
        const SPoint place = scaled(EMPTY_PLACE, factor);
        input("mousemove --window " + id(m_window->windowId()) + " " + std::to_string(place.x) + " " +
              std::to_string(place.y) + " " + press);
        SArea menu{};
        ASSERT_TRUE(idleUntil(*m_window, [&] { return menuShown(&menu); }));
        // The title, then the seven steps.
        const int item = menu.height / 8;
        input("mousemove " + std::to_string(menu.left + menu.width / 2) + " " +
              std::to_string(menu.top + item * (step + 1) + item / 2) + " click 1");
        ASSERT_TRUE(idleUntil(*m_window, [&] { return !menuShown(); }));
    }
};

TEST_F(CEditorScaleTest, TheHostsFactorSizesTheEditorOpenOrNotAndItsControlsKeepTheEditorsOwnPixels)
{
    m_instance = createEffect();
    ASSERT_NE(m_instance, nullptr);
    EXPECT_TRUE(rectIs(*m_instance, EDITOR_WIDTH, EDITOR_HEIGHT));
    EXPECT_EQ(sendHostFactor(2.0f, 0), 0) << "another vendor's message";
    EXPECT_EQ(sendHostFactor(0.0f), 0);
    EXPECT_EQ(sendHostFactor(NAN), 0);
    EXPECT_TRUE(rectIs(*m_instance, EDITOR_WIDTH, EDITOR_HEIGHT));
    ASSERT_EQ(sendHostFactor(2.0f), 1);
    EXPECT_TRUE(rectIs(*m_instance, 926, 930)) << "before effEditOpen";
    m_window = openEditor(*m_instance);
    EXPECT_EQ(m_window->width(), 926);
    EXPECT_EQ(m_window->height(), 930);
    EXPECT_TRUE(rectIs(*m_instance, 926, 930)) << "after effEditOpen";
    // 20 pixels of the screen at 2x are 10 of the editor's: 0.05.
    expectThresholdDrag(2.0, 20, 10);
    expectMonitorToggles(2.0);

    // A new factor while open: the host is asked for the size and the editor takes it.
    ASSERT_EQ(sendHostFactor(1.5f), 1);
    EXPECT_TRUE(askedHostFor(695, 698));
    EXPECT_EQ(m_window->width(), 695);
    EXPECT_TRUE(rectIs(*m_instance, 695, 698));
    ASSERT_TRUE(idleUntil(*m_window, [&] { return m_window->capture().at(345, 12) != 0; }));
    expectThresholdDrag(1.5, 15, 10);
    expectMonitorToggles(1.5);
}

TEST_F(CEditorScaleTest, At192DotsPerInchTheEditorIsTwiceAsLargeAndCrispAndHalvedItLooksAsAt96)
{
    openFirstEditor();
    const DevHost::CWindowImage single = m_window->capture();
    ASSERT_EQ(single.width(), EDITOR_WIDTH);
    m_window->closeEditor();

    // What desktops that scale write into the display's resource database; the editor reads it when opened.
    setDesktopResources("Xft.dpi:\t192\n");
    EXPECT_TRUE(rectIs(*m_instance, 926, 930)) << "before effEditOpen";
    ASSERT_TRUE(showEditor(*m_window));
    EXPECT_EQ(m_window->width(), 926);
    EXPECT_EQ(m_window->height(), 930);
    const DevHost::CWindowImage twice = m_window->capture();
    ASSERT_EQ(twice.width(), 926);
    ASSERT_EQ(twice.height(), 930);

    // Halved, each 2 x 2 block averaged, the 2x editor is the 1x editor, up to the finer drawing of edges.
    long far = 0;
    double difference = 0.0;
    const auto halved = [&](int x, int y) {
        std::uint32_t rgb = 0;
        for (int shift : {0, 8, 16}) {
            const int sum = channel(twice.at(2 * x, 2 * y), shift) + channel(twice.at(2 * x + 1, 2 * y), shift) +
                            channel(twice.at(2 * x, 2 * y + 1), shift) + channel(twice.at(2 * x + 1, 2 * y + 1), shift);
            rgb |= static_cast<std::uint32_t>((sum + 2) / 4) << shift;
        }
        return rgb;
    };
    for (int y = 0; y < EDITOR_HEIGHT; ++y) {
        for (int x = 0; x < EDITOR_WIDTH; ++x) {
            int worst = 0;
            for (int shift : {0, 8, 16}) {
                const int d = std::abs(channel(halved(x, y), shift) - channel(single.at(x, y), shift));
                difference += d;
                worst = std::max(worst, d);
            }
            far += worst > 48 ? 1 : 0;
        }
    }
    const double pixels = static_cast<double>(EDITOR_WIDTH) * EDITOR_HEIGHT;
    EXPECT_LT(difference / (3.0 * pixels), 3.0);
    EXPECT_LT(static_cast<double>(far) / pixels, 0.04);

    // The 1x editor enlarged (each pixel between its neighbours, as a picture is blown up) has softer edges;
    // drawn from the 1x pictures enlarged, the 2x editor has about 1.8 times their energy, from its own 3.5.
    const auto enlarged = [&](int x, int y) {
        const double sx = std::max(0.0, (x + 0.5) / 2.0 - 0.5);
        const double sy = std::max(0.0, (y + 0.5) / 2.0 - 0.5);
        const int x0 = static_cast<int>(sx);
        const int y0 = static_cast<int>(sy);
        const double fx = sx - x0;
        const double fy = sy - y0;
        const int x1 = std::min(x0 + 1, EDITOR_WIDTH - 1);
        const int y1 = std::min(y0 + 1, EDITOR_HEIGHT - 1);
        std::uint32_t rgb = 0;
        for (int shift : {0, 8, 16}) {
            const double top = channel(single.at(x0, y0), shift) * (1 - fx) + channel(single.at(x1, y0), shift) * fx;
            const double bottom = channel(single.at(x0, y1), shift) * (1 - fx) + channel(single.at(x1, y1), shift) * fx;
            rgb |= static_cast<std::uint32_t>(std::lround(top * (1 - fy) + bottom * fy)) << shift;
        }
        return rgb;
    };
    const double crisp = edgeEnergy([&](int x, int y) { return twice.at(x, y); }, 926, 930);
    const double blown = edgeEnergy(enlarged, 926, 930);
    EXPECT_GT(crisp, 2.5 * blown) << crisp << " against " << blown;
    setDesktopResources("");
}

TEST_F(CEditorScaleTest, TheUsersSizeHoldsForEveryEditorAndAHostThatRefusesLeavesTheEditorUsable)
{
    openFirstEditor();
    m_host.clearCalls();
    chooseEditorSize(4, 1.0, "click 3");
    EXPECT_TRUE(askedHostFor(926, 930));
    EXPECT_EQ(m_window->width(), 926);
    ASSERT_TRUE(idleUntil(*m_window, [&] { return m_window->capture().at(460, 16) != 0; }));
    expectMonitorToggles(2.0);
    // Every editor of the module takes the user's size, before it is opened.
    std::unique_ptr<DevHost::CPluginInstance> second = createEffect();
    EXPECT_TRUE(rectIs(*second, 926, 930));

    // A host that does not resize: the editor stays as it is, whole and working.
    m_host.detachEditorFrame(m_instance->effect(), m_window.get());
    chooseEditorSize(2, 2.0, "keydown alt click 1 keyup alt");
    EXPECT_TRUE(askedHostFor(695, 698));
    EXPECT_TRUE(rectIs(*m_instance, 926, 930));
    EXPECT_EQ(m_window->width(), 926);
    expectThresholdDrag(2.0, 20, 10);
    expectMonitorToggles(2.0);
    EXPECT_NE(m_window->capture().at(925, 929), 0u) << "the lower right corner is painted";

    // The host's own factor wins over the user's.
    EXPECT_EQ(m_instance->dispatch(effVendorSpecific, SCALE_INDEX, SCALE_VALUE, nullptr, 1.0f), 1);
    EXPECT_TRUE(rectIs(*m_instance, EDITOR_WIDTH, EDITOR_HEIGHT));
    m_host.attachEditorFrame(m_instance->effect(), m_window.get());
}

}  // namespace TenviraEditorTests
