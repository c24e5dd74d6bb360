// The block forms the chain runs against the per-sample forms that define
// each stage: the same results but for rounding, whatever the block sizes,
// with bad samples in the stream and the state carried from block to block.
#include "CCompressorSC.hpp"
#include "CEQ.hpp"
#include "CLimiter.hpp"
#include "CValveModel.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// Music-like material with a loud burst, silence and bad samples.
std::vector<double> material(int n, double phase)
{
    std::vector<double> x(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double swell = 0.5 + 0.5 * std::sin(i * 0.0013 + phase);
        x[static_cast<size_t>(i)] =
            i % 5000 < 400 ? 0.0 : swell * (std::sin(i * 0.05 + phase) + 0.3 * std::sin(i * 0.71));
    }
    x[1234] = std::numeric_limits<double>::quiet_NaN();
    x[4321] = std::numeric_limits<double>::infinity();
    x[7000] = 40.0;
    return x;
}

// Runs block(offset, frames) over n frames in blocks of the given sizes, in turn.
template <typename Block>
void inBlocks(int n, Block block)
{
    const int sizes[] = {1, 3, 128, 64, 7, 128};
    for (int done = 0, k = 0; done < n; ++k) {
        const int frames = std::min(sizes[k % 6], n - done);
        block(done, frames);
        done += frames;
    }
}

void expectClose(const std::vector<double>& expected, const std::vector<double>& actual, const char* what)
{
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_NEAR(actual[i], expected[i], 1e-12 * (1.0 + std::fabs(expected[i]))) << what << ", sample " << i;
    }
}

}  // namespace

TEST(BlockForms, AgreeWithThePerSampleForms)
{
    const int n = 20000;
    const std::vector<double> left = material(n, 0.0);
    const std::vector<double> right = material(n, 1.7);

    CEQ eq[4];
    for (CEQ& e : eq) {
        e.initEQ(800, 5000, 48000.0);
        e.setGain(2.5, 0.7, 1.3);
    }
    std::vector<double> expectedL(left), expectedR(right), actualL(left), actualR(right);
    for (int i = 0; i < n; ++i) {
        expectedL[i] = eq[0].processEQ(left[i]);
        expectedR[i] = eq[1].processEQ(right[i]);
    }
    inBlocks(n, [&](int at, int frames) {
        CEQ::processStereoBlock(eq[2], eq[3], actualL.data() + at, actualR.data() + at, frames);
    });
    expectClose(expectedL, actualL, "equaliser, left");
    expectClose(expectedR, actualR, "equaliser, right");

    CCompressorSC compressors[2];
    for (CCompressorSC& c : compressors) {
        c.setSamplerate(48000.0);
        c.setThresh(-20.0);
        c.setRatio(0.25);
        c.setAttack(5.0);
        c.setRelease(50.0);
        c.setKnee(0.3);
        c.reset();
    }
    std::vector<double> gainsL(n, 1.0), gainsR(n, 1.0), blockL(n, 1.0), blockR(n, 1.0);
    for (int i = 0; i < n; ++i) {
        compressors[0].processRMS(gainsL[i], gainsR[i], left[i], right[i]);
    }
    inBlocks(n, [&](int at, int frames) {
        compressors[1].processBlockRMS(blockL.data() + at, blockR.data() + at, left.data() + at, right.data() + at,
                                       frames);
    });
    expectClose(gainsL, blockL, "compressor");

    // Look-aheads shorter and longer than a block, and the longest the ring holds.
    for (double rate : {44100.0, 192000.0, 2000000.0}) {
        for (bool limit : {true, false}) {
            CLimiter limiters[2];
            for (CLimiter& l : limiters) {
                testing::internal::CaptureStderr();
                l.setSamplerate(rate);
                testing::internal::GetCapturedStderr();
                l.setThresh(-6.0);
                l.setRelease(20.0);
                l.reset();
            }
            expectedL = left, expectedR = right, actualL = left, actualR = right;
            for (int i = 0; i < n; ++i) {
                limit ? limiters[0].process(expectedL[i], expectedR[i])
                      : limiters[0].processBlank(expectedL[i], expectedR[i]);
            }
            inBlocks(n, [&](int at, int frames) {
                limit ? limiters[1].processBlock(actualL.data() + at, actualR.data() + at, frames)
                      : limiters[1].processBlankBlock(actualL.data() + at, actualR.data() + at, frames);
            });
            SCOPED_TRACE(testing::Message() << rate << " Hz, limiting " << limit);
            expectClose(expectedL, actualL, "limiter, left");
            expectClose(expectedR, actualR, "limiter, right");
        }
    }

    const CValveModel valve;
    expectedL = left, actualL = left;
    for (int i = 0; i < n; ++i) {
        expectedL[i] = valve.process(4.0, 4.0, left[i]) * 0.4;
    }
    valve.processBlock(4.0, 4.0, 0.4, actualL.data(), n < 128 ? n : 128);
    valve.processBlock(4.0, 4.0, 0.4, actualL.data() + 128, 128);
    expectedL.resize(256), actualL.resize(256);
    EXPECT_EQ(expectedL, actualL);
}
