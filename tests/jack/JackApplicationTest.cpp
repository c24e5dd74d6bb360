// tenvira-jack as a user runs it, without a window, against a private jackd:
// it sounds exactly as tenvira-render renders, reports the delay it has,
// obeys MIDI, follows the server's buffer size, connects what it is told,
// remembers its settings, refuses damaged ones and fails cleanly without a server.
#include "CJackRig.hpp"
#include "CTenviraJack.hpp"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

using TenviraJackTests::CJackRig;
using TenviraJackTests::CTenviraJack;

namespace {

constexpr unsigned RATE = 48000;

class JackApplication : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Without a window nothing may need a display.
        unsetenv("DISPLAY");
    }
    void startServer(unsigned period)
    {
        std::string error;
        ASSERT_TRUE(m_rig.start(RATE, period, error)) << error;
    }
    // Runs tenvira-jack until it is up, then ends it with Ctrl-C; its exit status.
    int runAndStop(const std::vector<std::string>& arguments, std::string* output = nullptr)
    {
        CTenviraJack tenvira;
        EXPECT_TRUE(tenvira.start(arguments));
        EXPECT_TRUE(tenvira.waitUntilRunning()) << tenvira.output();
        tenvira.signal(SIGINT);
        const int status = tenvira.finish();
        if (output != nullptr)
            *output = tenvira.output();
        return status;
    }
    static bool waitFor(const std::function<bool()>& done)
    {
        for (int i = 0; i < 3000 && !done(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return done();
    }

    CJackRig m_rig;
};

// Where line first stands in text; npos when it is missing.
std::size_t lineAt(const std::string& text, const std::string& line, std::size_t from = 0)
{
    return ("\n" + text).find("\n" + line + "\n", from);
}

void writeStereo(const std::string& path, long silence, const std::vector<float>& left, const std::vector<float>& right)
{
    RenderTest::SSound sound{static_cast<int>(RATE), 2, SF_FORMAT_WAV | SF_FORMAT_FLOAT, {}};
    sound.samples.assign(static_cast<std::size_t>(silence * 2), 0.0f);
    for (std::size_t i = 0; i < left.size(); ++i) {
        sound.samples.push_back(left[i]);
        sound.samples.push_back(right[i]);
    }
    RenderTest::writeSound(path, sound);
}

double energy(const std::vector<float>& samples)
{
    double sum = 0.0;
    for (float sample : samples)
        sum += static_cast<double>(sample) * sample;
    return sum;
}

}  // namespace

TEST_F(JackApplication, WithoutAServerItSaysWhatToStartAndLeavesNothing)
{
    const std::string server = "tenvira-test-absent-" + std::to_string(getpid());
    setenv("JACK_DEFAULT_SERVER", server.c_str(), 1);
    CTenviraJack tenvira;
    ASSERT_TRUE(tenvira.start({"--no-gui", "--connect"}));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(tenvira.finish(), 1) << tenvira.output();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    const std::string output = tenvira.output();
    EXPECT_NE(output.find("no JACK server named \"" + server + "\" is running"), std::string::npos) << output;
    EXPECT_NE(output.find("jackd"), std::string::npos) << output;
    EXPECT_NE(output.find("pw-jack tenvira-jack"), std::string::npos) << output;
    EXPECT_FALSE(RenderTest::fileExists(m_rig.path("config"))) << "settings written without a session";
    // No server was started on its behalf: one would have left its semaphores in shared memory.
    for (const auto& entry : std::filesystem::directory_iterator("/dev/shm"))
        EXPECT_EQ(entry.path().filename().string().find(server), std::string::npos) << entry.path();
}

TEST_F(JackApplication, SoundsAsTheRendererWithTheDelayItReportsAndObeysMidi)
{
    startServer(256);
    const std::vector<std::string> settings = {"--program", "5", "--set", "SideChain=1", "--set", "Key Input=0.5"};
    CTenviraJack tenvira;
    std::vector<std::string> arguments = {"--no-gui"};
    arguments.insert(arguments.end(), settings.begin(), settings.end());
    ASSERT_TRUE(tenvira.start(arguments));
    ASSERT_TRUE(tenvira.waitUntilRunning()) << tenvira.output();
    auto& clients = m_rig.clients();
    ASSERT_TRUE(clients.patch("Tenvira"));

    // After a second of silence the effect's state no longer depends on how long the silence
    // lasted: the renderer gets two seconds of it before the same sound, the live effect more.
    const long silence = 2 * RATE;
    const RenderTest::SSound signal = RenderTest::makeSignal(RATE, 4, RATE, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    std::vector<std::vector<float>> channels(4);
    for (long i = 0; i < signal.frames(); ++i)
        for (int c = 0; c < 4; ++c)
            channels[static_cast<std::size_t>(c)].push_back(signal.at(i, c));
    channels[0][0] = channels[0][0] != 0.0f ? channels[0][0] : 0.25f;
    writeStereo(m_rig.path("in.wav"), silence, channels[0], channels[1]);
    writeStereo(m_rig.path("key.wav"), silence, channels[2], channels[3]);
    std::vector<std::string> render = {"--no-progress", "--block", "256", "--sidechain", m_rig.path("key.wav")};
    render.insert(render.end(), settings.begin(), settings.end());
    render.insert(render.end(), {m_rig.path("in.wav"), m_rig.path("out.wav")});
    const RenderTest::SRun rendered = RenderTest::runRenderer(render);
    ASSERT_EQ(rendered.status, 0) << rendered.err;
    const RenderTest::SSound expected = RenderTest::readSound(m_rig.path("out.wav"));

    // A take during which the server reported an xrun proves nothing either way: it is played again.
    long differing = 0;
    long first = -1;
    for (int attempt = 0; attempt < 3; ++attempt) {
        clients.waitFrames(silence);
        const auto take = clients.take(channels, signal.frames());
        ASSERT_EQ(static_cast<long>(take.channels[0].size()), signal.frames()) << "the sound did not come back";
        differing = 0;
        for (int c = 0; c < 2; ++c) {
            for (long i = 0; i < signal.frames(); ++i) {
                if (take.channels[c][static_cast<std::size_t>(i)] != expected.at(silence + i, c)) {
                    first = first < 0 ? i : first;
                    ++differing;
                }
            }
            EXPECT_GT(energy(take.channels[c]), 100.0);
        }
        if (differing == 0 || take.xruns == 0)
            break;
    }
    EXPECT_EQ(differing, 0) << "samples unlike the renderer's, the first at frame " << first;

    // The delay the ports report (what jack_lsp -l shows)...
    jack_latency_range_t reported{};
    jack_port_get_latency_range(jack_port_by_name(clients.client(), "Tenvira:out_l"), JackCaptureLatency, &reported);
    EXPECT_EQ(reported.min, 48u);
    EXPECT_EQ(reported.max, 48u);
    jack_latency_range_t inputs{};
    jack_port_get_latency_range(jack_port_by_name(clients.client(), "Tenvira:in_l"), JackPlaybackLatency, &inputs);
    EXPECT_EQ(inputs.max, 48u);

    // ...is the delay measured: controller 0 selects the neutral program 0, which only delays.
    clients.sendMidi({{0xB0, 0, 0}});
    clients.waitFrames(1024);
    const std::vector<float> burst(channels[0].begin(), channels[0].begin() + RATE / 4);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const auto take = clients.take({burst, burst}, static_cast<long>(burst.size()));
        const std::vector<float>& out = take.channels[0];
        ASSERT_FALSE(out.empty()) << "the burst did not come back";
        std::size_t measured = 0;
        while (measured < out.size() && out[measured] == 0.0f)
            ++measured;
        const bool delayed =
            measured == reported.min && std::equal(out.begin() + static_cast<long>(measured), out.end(), burst.begin());
        if (delayed || take.xruns == 0) {
            EXPECT_EQ(measured, reported.min);
            EXPECT_TRUE(delayed) << "not a plain delay of " << measured << " frames";
            break;
        }
    }

    // The program MIDI chose is saved on SIGTERM (controllers for parameters: JackEditor's test).
    tenvira.signal(SIGTERM);
    EXPECT_EQ(tenvira.finish(), 0) << tenvira.output();
    EXPECT_EQ(CJackRig::savedState(m_rig.statePath()).program, 0);
}

TEST_F(JackApplication, FollowsTheServersBufferSizeAsADawDoes)
{
    startServer(256);
    const std::string log = m_rig.path("effect.log");
    setenv("TENVIRA_FAKE_PLUGIN_LOG", log.c_str(), 1);
    CTenviraJack tenvira;
    ASSERT_TRUE(tenvira.start({"--no-gui", "--plugin", TENVIRA_FAKE_PLUGIN}));
    ASSERT_TRUE(tenvira.waitUntilRunning()) << tenvira.output();
    ASSERT_TRUE(waitFor([&] { return lineAt(RenderTest::readText(log), "process 256") != std::string::npos; }));
    ASSERT_EQ(jack_set_buffer_size(m_rig.clients().client(), 1024), 0);
    ASSERT_TRUE(waitFor([&] {
        const std::string text = RenderTest::readText(log);
        return lineAt(text, "process 1024", lineAt(text, "block 1024")) != std::string::npos;
    }));
    tenvira.signal(SIGTERM);
    EXPECT_EQ(tenvira.finish(), 0) << tenvira.output();

    // The effect is told before it runs, and never gets a block larger than it was told.
    std::istringstream lines(RenderTest::readText(log));
    std::vector<std::string> order;
    long told = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, 6, "block ") == 0)
            told = std::stol(line.substr(6));
        if (line.compare(0, 8, "process ") == 0)
            EXPECT_LE(std::stol(line.substr(8)), told) << "a block larger than the effect was told";
        else
            order.push_back(line);
    }
    const std::vector<std::string> expected = {"open 0",     "rate 48000", "block 256", "resume 0", "suspend 0",
                                               "block 1024", "resume 0",   "suspend 0", "close 0"};
    EXPECT_EQ(order, expected);
}

TEST_F(JackApplication, ConnectsWhatItIsToldAndNamesWhatIsMissing)
{
    startServer(1024);
    const std::string recorder = std::string(TenviraJackTests::CTestClients::RECORDER) + ":";
    CTenviraJack tenvira;
    ASSERT_TRUE(tenvira.start({"--no-gui", "--connect", "--key", "nosuch:port,system:capture_2", "--out",
                               recorder + "in_1," + recorder + "in_2"}));
    ASSERT_TRUE(tenvira.waitUntilRunning()) << tenvira.output();
    auto& clients = m_rig.clients();
    using Ports = std::vector<std::string>;
    EXPECT_TRUE(waitFor([&] { return clients.connections("Tenvira:out_r") == Ports{recorder + "in_2"}; }));
    EXPECT_EQ(clients.connections("Tenvira:in_l"), Ports{"system:capture_1"});
    EXPECT_EQ(clients.connections("Tenvira:in_r"), Ports{"system:capture_2"});
    EXPECT_EQ(clients.connections("Tenvira:key_l"), Ports{});
    EXPECT_EQ(clients.connections("Tenvira:key_r"), Ports{"system:capture_2"});
    EXPECT_EQ(clients.connections("Tenvira:out_l"), Ports{recorder + "in_1"});
    EXPECT_EQ(clients.connections("system:playback_1"), Ports{}) << "--out names the outputs' ports";
    EXPECT_NE(tenvira.output().find("there is no port \"nosuch:port\""), std::string::npos) << tenvira.output();
    tenvira.signal(SIGTERM);
    EXPECT_EQ(tenvira.finish(), 0) << tenvira.output();
    EXPECT_EQ(clients.connections("system:capture_1"), Ports{}) << "the ports outlived the program";
}

TEST_F(JackApplication, RemembersItsSettingsAndRefusesDamagedOrForeignFiles)
{
    startServer(1024);
    const std::string state = m_rig.statePath();
    ASSERT_EQ(runAndStop({"--no-gui", "--program", "Bass", "--set", "Threshold=0.25"}), 0);
    const std::string first = RenderTest::readText(state);
    Tenvira::Jack::SEffectState saved = CJackRig::savedState(state);
    EXPECT_EQ(saved.program, 5);
    EXPECT_EQ(saved.values[1], 0.25f);
    EXPECT_EQ(saved.values[2], 0.75f) << "program 5's own ratio";

    // Restored as it was, and the command line applies on top.
    ASSERT_EQ(runAndStop({"--no-gui"}), 0);
    EXPECT_EQ(RenderTest::readText(state), first);
    ASSERT_EQ(runAndStop({"--no-gui", "--set", "Mix=0.5"}), 0);
    saved = CJackRig::savedState(state);
    EXPECT_EQ(saved.program, 5);
    EXPECT_EQ(saved.values[1], 0.25f);
    EXPECT_EQ(saved.values[5], 0.5f);

    // A value out of range: the whole file is refused and replaced by the effect's own settings.
    const std::string damaged = RenderTest::readText(state);
    std::ofstream(state) << damaged.substr(0, damaged.find("parameter 3 ")) + "parameter 3 7" +
                                damaged.substr(damaged.find('\n', damaged.find("parameter 3 ")));
    std::string output;
    ASSERT_EQ(runAndStop({"--no-gui"}, &output), 0);
    EXPECT_NE(output.find("ignoring the settings file \"" + state + "\": line 6"), std::string::npos) << output;
    saved = CJackRig::savedState(state);
    EXPECT_EQ(saved.program, 0);
    EXPECT_EQ(saved.values[1], 1.0f);

    // A file of something else is neither read nor written over; --state names another file.
    const std::string notes = m_rig.path("notes.txt");
    std::ofstream(notes) << "Rehearsal on Friday\n";
    EXPECT_EQ(runAndStop({"--no-gui", "--state", notes, "--program", "3"}, &output), 1);
    EXPECT_NE(output.find("not a tenvira-jack state file"), std::string::npos) << output;
    EXPECT_EQ(RenderTest::readText(notes), "Rehearsal on Friday\n");
    const std::string other = m_rig.path("stage.state");
    ASSERT_EQ(runAndStop({"--no-gui", "--state", other, "--program", "3"}), 0);
    EXPECT_EQ(CJackRig::savedState(other).program, 3);
    EXPECT_EQ(CJackRig::savedState(state).program, 0) << "--state must leave the usual file alone";
}
