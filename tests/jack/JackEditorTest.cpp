// tenvira-jack's editor in its own window on a private Xvfb, as a user sees
// it: a knob dragged with the mouse changes what comes out of the ports, a
// MIDI program change renames the window, and closing the window ends the
// program cleanly with the settings saved (Ctrl-C: JackApplication's tests).
#include "CJackRig.hpp"
#include "CTenviraJack.hpp"
#include "CX11Fixture.hpp"

using TenviraJackTests::CJackRig;
using TenviraJackTests::CTenviraJack;

namespace {

// Where the user aims in the editor: the compressor's threshold knob.
constexpr int THRESHOLD_KNOB_X = 37;
constexpr int THRESHOLD_KNOB_Y = 97;
constexpr int BLOCK = 256;

class JackEditor : public TenviraX11Tests::CX11Fixture {
protected:
    void SetUp() override
    {
        CX11Fixture::SetUp();
        std::string error;
        ASSERT_TRUE(m_rig.start(48000, BLOCK, error)) << error;
    }

    std::string titleOf(Window window)
    {
        std::string title;
        property(window, atom("WM_NAME"), &title);
        return title;
    }
    // The program's top-level window once the editor inside it has painted (the threshold's light label).
    Window editorWindow(const std::string& title)
    {
        Window found = 0;
        waitUntil([&] {
            for (Window child : rootChildren())
                found = found == 0 && titleOf(child) == title ? child : found;
            return found != 0 && pixel(found, 70, 125) > 0x808080;
        });
        return found;
    }
    // The level of the last 100 ms at the outputs, against the sine played in.
    double outputLevel()
    {
        auto& clients = m_rig.clients();
        const std::vector<float> recent = clients.recorded(0, clients.now() - 4800, 4800);
        double sum = 0.0;
        for (float sample : recent)
            sum += static_cast<double>(sample) * sample;
        return sum / (4800 * 0.125);
    }

    CJackRig m_rig;
};

}  // namespace

TEST_F(JackEditor, ADraggedKnobChangesTheSoundMidiRenamesTheWindowAndClosingItKeepsTheSettings)
{
    CTenviraJack tenvira;
    ASSERT_TRUE(tenvira.start({"--program", "0", "--set", "Ratio=1"}, server().getDisplayName()));
    ASSERT_TRUE(tenvira.waitUntilRunning()) << tenvira.output();
    const Window window = editorWindow("Tenvira - Default");
    ASSERT_NE(window, 0u) << tenvira.output();
    auto& clients = m_rig.clients();
    ASSERT_TRUE(clients.patch("Tenvira"));
    clients.play({m_rig.sine(240.0, 0.5, 48000), m_rig.sine(240.0, 0.5, 48000)}, true);
    clients.waitFrames(9600);
    EXPECT_NEAR(outputLevel(), 1.0, 0.01) << "the threshold at 0 dB leaves the sine as it is";

    std::string drag = "mousemove --window " + id(window) + " " + std::to_string(THRESHOLD_KNOB_X) + " " +
                       std::to_string(THRESHOLD_KNOB_Y) + " mousedown 1";
    for (int pixel = 0; pixel < 60; ++pixel)
        drag += " mousemove_relative -- 0 1";
    input(drag + " mouseup 1");
    double level = 1.0;
    for (int wait = 0; wait < 200 && level > 0.6; ++wait) {
        clients.waitFrames(BLOCK * 8);
        level = outputLevel();
    }
    EXPECT_LT(level, 0.6) << "dragging the threshold down did not compress the sine";

    clients.sendMidi({{0xB0, 5, 64}, {0xB0, 71, 20}});
    EXPECT_TRUE(waitUntil([&] { return titleOf(window) == "Tenvira - Bass"; })) << titleOf(window);
    sendCloseRequest(window);
    EXPECT_EQ(tenvira.finish(), 0) << tenvira.output();
    const Tenvira::Jack::SEffectState saved = CJackRig::savedState(m_rig.statePath());
    EXPECT_EQ(saved.program, 5);
    EXPECT_EQ(saved.values[1], 20.0f / 127.0f);
    EXPECT_TRUE(clients.connections("Tenvira:out_l").empty());
}
