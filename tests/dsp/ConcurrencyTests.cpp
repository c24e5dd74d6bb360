#include "CCompressorSC.hpp"
#include "CEQ.hpp"
#include "CLimiter.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

// The parameter thread calls the setters while the audio thread processes;
// run under ThreadSanitizer this shows every shared field is atomic.
TEST(Concurrency, SettersWhileProcessing)
{
    CCompressorSC comp;
    CLimiter limiter;
    CEQ eq;
    eq.initEQ(800, 5000, 44100.0);
    std::atomic<bool> done{false};
    std::thread parameters([&] {
        for (int i = 0; i < 2000; ++i) {
            const double t = (i % 50) / 50.0;
            comp.setThresh(-40.0 * t);
            comp.setRatio(0.05 + 0.9 * t);
            comp.setAttack(1.0 + 100.0 * t);
            comp.setRelease(1.0 + 500.0 * t);
            comp.setKnee(t);
            limiter.setThresh(-20.0 * t);
            limiter.setRelease(1.0 + 200.0 * t);
            eq.setGain(0.1 + t, 1.0, 2.0 - t);
        }
        done.store(true);
    });
    bool finite = true;  // checked after the join: a failed assertion must not skip it
    for (int i = 0; (!done.load() || i < 20000) && i < 5000000; ++i) {
        double l = std::sin(i * 0.05), r = -l;
        const double key = eq.processEQ(l);
        comp.processRMS(l, r, key, key);
        limiter.process(l, r);
        finite = finite && std::isfinite(l) && std::isfinite(r);
    }
    parameters.join();
    EXPECT_TRUE(finite);
}
