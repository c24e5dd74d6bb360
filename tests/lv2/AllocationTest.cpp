// The LV2 build's run() never allocates or frees, whatever the host writes into
// the control ports between blocks: this test binary counts the allocation
// functions' calls, the loaded module's included.
#include "Lv2Fixture.hpp"
#include "allocation/CountingAllocator.hpp"

#include <limits>
#include <random>

using TestAllocation::countedOnThisThread;

TEST_F(Lv2Fixture, RunNeitherAllocatesNorFrees)
{
    // The counter sees the module's own allocations: an instance makes some.
    std::unique_ptr<Lv2Host::CLv2Instance> lv2;
    ASSERT_GT(countedOnThisThread([&]() { lv2 = instantiate(48000.0); }), 0);

    std::mt19937 random(7);
    std::uniform_real_distribution<float> any(-60.0f, 1100.0f);
    std::vector<std::vector<float>> audio(6, std::vector<float>(256));
    std::vector<float> controls(20, 0.0f);
    for (uint32_t port = 0; port < 26; ++port) {
        lv2->connect(port, port < 6 ? audio[port].data() : &controls[port - 6]);
    }
    long calls = 0;
    for (int block = 0; block < 2000; ++block) {
        for (size_t c = 0; c < 4; ++c) {
            for (float& sample : audio[c]) {
                sample = any(random) / (block % 3 == 0 ? 100.0f : 2000.0f);
            }
        }
        // Every block moves a few controls to any value a host may write, NaN included.
        for (int k = 0; k < 3; ++k) {
            controls[random() % 20] = block % 97 == 0 ? std::numeric_limits<float>::quiet_NaN() : any(random);
        }
        calls += countedOnThisThread([&]() { lv2->run(block % 5 == 0 ? 1 : 256); });
    }
    EXPECT_EQ(calls, 0) << "allocations and frees in run()";
}
