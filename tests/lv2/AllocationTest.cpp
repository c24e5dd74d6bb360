// The LV2 build's run() never allocates or frees, whatever the host writes into
// the control ports between blocks: this test binary counts the allocation
// functions' calls, the loaded module's included.
#include "Lv2Fixture.hpp"
#include "allocation/CountingAllocator.hpp"

#include <cmath>
#include <limits>
#include <random>

using TestAllocation::countedOnThisThread;

TEST_F(Lv2Fixture, RunNeitherAllocatesNorFrees)
{
    // The counter sees the module's own allocations: an instance makes some.
    std::unique_ptr<Lv2Host::CLv2Instance> lv2;
    ASSERT_GT(countedOnThisThread([&]() { lv2 = instantiate(48000.0); }), 0);

    const uint32_t frames = 256;
    std::vector<std::vector<float>> buffers(6, std::vector<float>(frames));
    for (uint32_t port = 0; port < 6; ++port) {
        lv2->connect(port, buffers[port].data());
    }
    std::vector<float*> controls;
    for (uint32_t port = 6; port < 26; ++port) {
        controls.push_back(&lv2->control(lilv_node_as_string(
            lilv_port_get_symbol(world().plugin(URI), lilv_plugin_get_port_by_index(world().plugin(URI), port)))));
    }
    std::mt19937 random(7);
    std::uniform_real_distribution<float> any(-60.0f, 1100.0f);
    long calls = 0;
    for (int block = 0; block < 2000; ++block) {
        for (size_t c = 0; c < 4; ++c) {
            for (uint32_t i = 0; i < frames; ++i) {
                const double t = static_cast<double>(block * frames + i) / 48000.0;
                buffers[c][i] = static_cast<float>((c + 1) * 0.3 * std::sin(300.0 * t * (c + 1)));
            }
        }
        // Every block moves a few controls, to any value a host may write, NaN included.
        for (int k = 0; k < 3; ++k) {
            float& control = *controls[static_cast<size_t>(random()) % controls.size()];
            control = block % 97 == 0 ? std::numeric_limits<float>::quiet_NaN() : any(random);
        }
        calls += countedOnThisThread([&]() { lv2->run(block % 5 == 0 ? 1 : frames); });
    }
    EXPECT_EQ(calls, 0) << "allocations and frees in run()";
}
