// The built plug-in's audio thread never allocates or frees (this binary counts the allocation functions'
// calls, the plug-in's too) while it processes, takes MIDI and is automated, other threads changing programs.
#include "CMidiEventBatch.hpp"
#include "PluginFixture.hpp"
#include "allocation/CountingAllocator.hpp"

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

using TestAllocation::countedOnThisThread;

TEST_F(PluginFixture, TheAudioThreadNeitherAllocatesNorFrees)
{
    // The counter sees the plug-in's own allocations: building an effect makes some.
    std::unique_ptr<DevHost::CPluginInstance> probe;
    ASSERT_GT(countedOnThisThread([&]() { probe = host.createInstance(); }), 0);
    probe->close();

    auto instance = createPrepared(48000.0f, 256);
    std::vector<std::vector<float>> in(4, std::vector<float>(256));
    std::vector<std::vector<float>> out(2, std::vector<float>(256));
    float* inputs[4] = {in[0].data(), in[1].data(), in[2].data(), in[3].data()};
    float* outputs[2] = {out[0].data(), out[1].data()};
    using DevHost::SMidiMessage;
    std::vector<DevHost::CMidiEventBatch> midi;
    for (int program = 0; program < 10; ++program) {
        midi.emplace_back(std::vector<SMidiMessage>{
            SMidiMessage::controller(0, program, 1), SMidiMessage::controller(0, 70 + program % 5, program * 13),
            SMidiMessage::controller(0, 123, 0), SMidiMessage::noteOn(0, 60, 90), SMidiMessage::pitchBend(0, 3, 70),
            SMidiMessage::controller(0, 0x85, 3)});
    }

    std::atomic<bool> running{true};
    std::thread host([&]() {
        for (int round = 0; running.load(); ++round) {
            instance->setParameter(round % 20, static_cast<float>(round % 7) / 6.0f);
            if (round % 50 == 0) {
                instance->setProgram(round / 50 % 10);
                instance->setProgramName(round % 100 ? "Renamed" : "Renamed again, longer");
            }
        }
    });
    long calls = 0;
    int block = 0;
    for (int program = 0; program < 10; ++program) {
        for (int index = 0; index < 20; ++index) {
            for (float value : {0.0f, 0.3f, 0.5f, 0.8f, 1.0f}) {
                for (size_t c = 0; c < 4; ++c) {
                    for (size_t i = 0; i < 256; ++i) {
                        const double t = static_cast<double>(block * 256 + static_cast<int>(i)) / 48000.0;
                        in[c][i] = static_cast<float>((c + 1) * 0.3 * std::sin(300.0 * t * static_cast<double>(c + 1)) *
                                                      (block % 4 == 0 ? 3.0 : 1.0));
                    }
                }
                calls += countedOnThisThread([&]() {
                    instance->sendMidi(midi[static_cast<size_t>(program)]);
                    instance->setParameter(index, value);  // automation on the audio thread, as some hosts do
                    instance->process(inputs, outputs, 256);
                });
                ++block;
            }
        }
    }
    running = false;
    host.join();
    EXPECT_EQ(calls, 0) << "allocations and frees on the audio thread over " << block << " blocks";
}
