// tenvira-jack's parts that need no server: the settings file (exact round
// trip, damaged and foreign files refused, whole replacement), the MIDI that
// reaches the effect, the command line's port pairs, the menu entry.
#include "CJackCommandLine.hpp"
#include "CRenderError.hpp"
#include "CStateFile.hpp"
#include "CVstEventBuffer.hpp"
#include "RenderTestSupport.hpp"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using Tenvira::Jack::CJackCommandLine;
using Tenvira::Jack::CStateFile;
using Tenvira::Jack::CVstEventBuffer;
using Tenvira::Jack::SEffectState;
using ELoad = CStateFile::ELoad;

namespace {

SEffectState someState()
{
    SEffectState state;
    state.program = 7;
    for (int i = 0; i < 20; ++i)
        state.values.push_back(static_cast<float>(i) / 19.0f);
    state.values[1] = 20.0f / 127.0f;
    state.values[2] = std::nextafter(0.5f, 1.0f);
    state.values[3] = 1e-30f;
    return state;
}

void writeText(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

}  // namespace

TEST(StateFile, EveryValueComesBackExactlyAndNothingDoubtfulIsTaken)
{
    const SEffectState state = someState();
    const std::string text = CStateFile::format(state);
    EXPECT_EQ(text.substr(0, 48), "tenvira-jack state 1\nprogram 7\nparameter 0 0\npar");
    SEffectState read;
    std::string why;
    ASSERT_EQ(CStateFile::parse(text, 10, 20, read, why), ELoad::LOADED) << why;
    EXPECT_EQ(read.program, 7);
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(read.values[i], state.values[i]) << "parameter " << i;

    const struct {
        std::string text;
        ELoad expected;
    } damaged[] = {
        {"", ELoad::FOREIGN},
        {"Shopping list\nmilk\n", ELoad::FOREIGN},
        {replaced(text, "state 1", "state 2"), ELoad::FOREIGN},
        {replaced(text, "parameter 5 ", "parameter 5 1.5"), ELoad::CORRUPT},
        {replaced(text, "parameter 5 ", "parameter 5 nan"), ELoad::CORRUPT},
        {replaced(text, "parameter 5 ", "parameter 5 -0.25"), ELoad::CORRUPT},
        {replaced(text, "parameter 5 ", "parameter 5 0.5x"), ELoad::CORRUPT},
        {replaced(text, "parameter 5 ", "parameter 5  "), ELoad::CORRUPT},
        {replaced(text, "parameter 5 ", "parameter 6 "), ELoad::CORRUPT},    // 6 twice, 5 missing
        {replaced(text, "parameter 19 ", "parameter 20 "), ELoad::CORRUPT},  // no such parameter
        {replaced(text, "program 7", "program 10"), ELoad::CORRUPT},
        {replaced(text, "program 7\n", ""), ELoad::CORRUPT},
        {replaced(text, "program 7\n", "program 7\nprogram 7\n"), ELoad::CORRUPT},
        {text + "volume 11\n", ELoad::CORRUPT},
        {replaced(text, "\n", "\r\n"), ELoad::FOREIGN},
        {text.substr(0, text.size() / 2), ELoad::CORRUPT},
    };
    for (const auto& file : damaged) {
        SEffectState untouched = state;
        EXPECT_EQ(CStateFile::parse(file.text, 10, 20, untouched, why), file.expected) << file.text;
        EXPECT_FALSE(why.empty());
        EXPECT_EQ(untouched.program, 7) << "a refused file changed the settings";
    }
}

TEST(StateFile, SavingReplacesTheWholeFileOnlyAStateFileIsReadAndTheDefaultIsTheUsers)
{
    RenderTest::CScratchFolder scratch;
    const std::string path = scratch.path("new/folder/tenvira-jack.state");
    SEffectState state = someState();
    CStateFile::save(path, state);
    EXPECT_EQ(RenderTest::readText(path), CStateFile::format(state));
    state.program = 2;
    CStateFile::save(path, state);
    EXPECT_EQ(RenderTest::readText(path), CStateFile::format(state));
    SEffectState read;
    std::string why;
    EXPECT_EQ(CStateFile::load(path, 10, 20, read, why), ELoad::LOADED) << why;
    EXPECT_EQ(read.program, 2);

    // A file that stands where the folder should be: refused, and nothing is left behind.
    writeText(scratch.path("blocked"), "x");
    EXPECT_THROW(CStateFile::save(scratch.path("blocked/tenvira-jack.state"), state), Tenvira::Render::CRenderError);
    EXPECT_EQ(RenderTest::readText(scratch.path("blocked")), "x");

    EXPECT_EQ(CStateFile::load(scratch.path("absent"), 10, 20, read, why), ELoad::MISSING);
    EXPECT_EQ(CStateFile::load(scratch.path("new"), 10, 20, read, why), ELoad::FOREIGN);
    writeText(scratch.path("large"), std::string(CStateFile::MAX_BYTES + 1, '\n'));
    EXPECT_EQ(CStateFile::load(scratch.path("large"), 10, 20, read, why), ELoad::FOREIGN);
    for (const auto& item : std::filesystem::directory_iterator(scratch.path("new/folder")))
        EXPECT_EQ(item.path().filename(), "tenvira-jack.state") << "a temporary file was left behind";

    // By default the file lives in the user's configuration folder.
    setenv("HOME", "/home/someone", 1);
    setenv("XDG_CONFIG_HOME", "/elsewhere/config", 1);
    EXPECT_EQ(CStateFile::defaultPath(), "/elsewhere/config/Tenvira/tenvira-jack.state");
    setenv("XDG_CONFIG_HOME", "relative/is/ignored", 1);
    EXPECT_EQ(CStateFile::defaultPath(), "/home/someone/.config/Tenvira/tenvira-jack.state");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(CStateFile::defaultPath(), "/home/someone/.config/Tenvira/tenvira-jack.state");
}

TEST(VstEventBuffer, ChannelMessagesPassWithTheirTimeAndTheRestStaysOut)
{
    CVstEventBuffer buffer;
    const std::vector<std::vector<unsigned char>> refused = {{0xF8},
                                                             {0xF0, 0x7E, 0x7F, 0xF7},
                                                             {0xB0, 71},
                                                             {0xB0, 0x80, 1},
                                                             {71, 20}};  // clock, SysEx, short, stray, no status
    for (const auto& message : refused)
        EXPECT_FALSE(buffer.add(message.data(), message.size(), 0)) << int(message[0]);
    const unsigned char controller[] = {0xB0, 71, 20};
    const unsigned char program[] = {0xC3, 5};
    EXPECT_TRUE(buffer.add(controller, 3, 17));
    EXPECT_TRUE(buffer.add(program, 2, 0));
    ASSERT_EQ(buffer.size(), 2);
    const auto* first = reinterpret_cast<const VstMidiEvent*>(buffer.list()->events[0]);
    const auto* second = reinterpret_cast<const VstMidiEvent*>(buffer.list()->events[1]);
    EXPECT_EQ(first->type, kVstMidiType);
    EXPECT_EQ(first->deltaFrames, 17);
    using Bytes = std::vector<unsigned char>;
    EXPECT_EQ(Bytes(first->midiData, first->midiData + 4), (Bytes{0xB0, 71, 20, 0}));
    EXPECT_EQ(Bytes(second->midiData, second->midiData + 4), (Bytes{0xC3, 5, 0, 0}));
    buffer.clear();
    for (int i = 0; i < CVstEventBuffer::CAPACITY; ++i)
        ASSERT_TRUE(buffer.add(controller, 3, i));
    EXPECT_FALSE(buffer.add(controller, 3, 0));
    EXPECT_EQ(buffer.size(), CVstEventBuffer::CAPACITY);
}

TEST(JackCommandLine, PortPairsAndOptions)
{
    using Tenvira::Render::CUsageError;
    const auto options = CJackCommandLine::parse(
        {"--in", "system:capture_1", "--key=a:b,c:d", "--out", "x:1,y:2", "--connect", "--no-gui", "--set", "Mix=0.5"});
    EXPECT_EQ(options.in.left, "system:capture_1");
    EXPECT_EQ(options.in.right, "system:capture_1");
    EXPECT_EQ(options.key.left, "a:b");
    EXPECT_EQ(options.key.right, "c:d");
    EXPECT_EQ(options.out.right, "y:2");
    EXPECT_TRUE(options.connect);
    EXPECT_FALSE(options.gui);
    ASSERT_EQ(options.settings.size(), 1u);
    for (const char* bad : {"a,", ",b", "a,b,c"})
        EXPECT_THROW(CJackCommandLine::parse({"--in", bad}), CUsageError) << bad;
    EXPECT_THROW(CJackCommandLine::parse({"--set", "Mix=2"}), CUsageError);
    EXPECT_THROW(CJackCommandLine::parse({"--volume", "11"}), CUsageError);
    EXPECT_THROW(CJackCommandLine::parse({"stray"}), CUsageError);
}

TEST(DesktopEntry, IsValidAndStartsTheProgram)
{
    const std::string command = std::string(TENVIRA_DESKTOP_FILE_VALIDATE) + " " TENVIRA_DESKTOP_ENTRY;
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(RenderTest::readText(TENVIRA_DESKTOP_ENTRY).find("\nExec=tenvira-jack"), std::string::npos);
}
