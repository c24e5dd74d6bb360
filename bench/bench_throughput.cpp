// Nanoseconds per stereo frame at 44100 Hz in 512-sample blocks, through the
// built plug-in's binary interface. The copy and gain loops over the same
// buffers are the baselines the plug-in's figures are read against.
//
//   bin/tenvira_bench                       (the plug-in of this build tree)
//   TENVIRA_PLUGIN=/path/Tenvira.so bin/tenvira_bench

#include "CBenchSession.hpp"
#include "CDemoSignal.hpp"
#include "math/CScopedDenormalFlush.hpp"

#include <benchmark/benchmark.h>

#if defined(__SSE2__)
#endif
#include <optional>
#include <vector>

using TenviraBench::CBenchSession;

namespace {

constexpr int BLOCK = CBenchSession::BLOCK;

// Drum and bass material, handed out block by block in place, round and round.
class CMaterial {
public:
    CMaterial()
        : m_left(Tenvira::Render::CDemoSignal(44100).left()),
          m_right(Tenvira::Render::CDemoSignal(44100).right())
    {
        const std::size_t whole = m_left.size() - m_left.size() % BLOCK;
        m_left.resize(whole);
        m_right.resize(whole);
    }

    void next()
    {
        m_position += BLOCK;
        if (m_position >= m_left.size())
            m_position = 0;
    }
    float* left() { return m_left.data() + m_position; }
    float* right() { return m_right.data() + m_position; }

private:
    std::vector<float> m_left;
    std::vector<float> m_right;
    std::size_t m_position = 0;
};

// Reported as nanoseconds per stereo frame: a per-frame rate, inverted.
benchmark::Counter perFrame(double framesPerIteration)
{
    return benchmark::Counter(framesPerIteration,
                              benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <typename Kernel>
void runBaseline(benchmark::State& state, Kernel kernel)
{
    CMaterial material;
    std::vector<float> out[2] = {std::vector<float>(BLOCK), std::vector<float>(BLOCK)};
    for (auto _ : state) {
        kernel(material.left(), out[0].data());
        kernel(material.right(), out[1].data());
        material.next();
        benchmark::DoNotOptimize(out[0].data());
        benchmark::DoNotOptimize(out[1].data());
        benchmark::ClobberMemory();
    }
    state.counters["frame"] = perFrame(BLOCK);
}

void BM_BaselineCopy(benchmark::State& state)
{
    runBaseline(state, [](const float* source, float* destination) {
        for (int i = 0; i < BLOCK; ++i)
            destination[i] = source[i];
    });
}

// The least a double-precision effect does: widen, scale, narrow.
void BM_BaselineGain(benchmark::State& state)
{
    runBaseline(state, [](const float* source, float* destination) {
        for (int i = 0; i < BLOCK; ++i)
            destination[i] = static_cast<float>(static_cast<double>(source[i]) * 0.7071);
    });
}

// Processes the demo material block after block, one block per iteration.
void runMaterial(benchmark::State& state, CBenchSession& session)
{
    CMaterial material;
    for (auto _ : state) {
        session.setMainInput(material.left(), material.right());
        session.process();
        material.next();
        benchmark::DoNotOptimize(session.outputs()[0]);
        benchmark::ClobberMemory();
    }
    state.counters["frame"] = perFrame(BLOCK);
}

// Program 0 leaves everything neutral: no compression, limiter off, EQ centred.
// Further arguments select factory programs 1 to 5.
void BM_Program(benchmark::State& state)
{
    CBenchSession session;
    if (!session.error().empty()) {
        state.SkipWithError(session.error().c_str());
        return;
    }
    session.setProgram(static_cast<int>(state.range(0)));
    session.restart();
    runMaterial(state, session);
}

// Program 5 "Bass" with the key equaliser in the detector path.
void prepareKeyEq(CBenchSession& session)
{
    session.setProgram(5);
    session.setParameter(6, 0.8f);  // "EQ Low" +12 dB: the key equaliser runs
    session.setParameter(8, 0.3f);  // "EQ High" -8 dB
    session.restart();
}

// The same setting on music, as the reference for the silence below.
void BM_KeyEqMusic(benchmark::State& state)
{
    CBenchSession session;
    if (!session.error().empty()) {
        state.SkipWithError(session.error().c_str());
        return;
    }
    prepareKeyEq(session);
    runMaterial(state, session);
}

// A loud half second, then five seconds of silence, with the key equaliser in
// the detector path. Only the silence is timed (thread CPU time, so other load
// on the machine does not count): a slow-down against BM_KeyEqMusic means
// filter or detector states decaying into denormal numbers. With argument
// flush:1 the processor flushes denormals to zero, which shows how much of the
// slow-down they account for.
void BM_SilenceAfterLoudPassage(benchmark::State& state)
{
    // flush:1 imitates a host that already runs its audio thread with denormals flushed.
    std::optional<Corvane::MathTools::CScopedDenormalFlush> hostFlush;
    if (state.range(0) != 0)
        hostFlush.emplace();
    CBenchSession session;
    if (!session.error().empty()) {
        state.SkipWithError(session.error().c_str());
        return;
    }
    prepareKeyEq(session);
    CMaterial material;
    constexpr int LOUD_BLOCKS = 44100 / 2 / BLOCK;
    constexpr int SILENT_BLOCKS = 5 * 44100 / BLOCK;
    for (auto _ : state) {
        for (int b = 0; b < LOUD_BLOCKS; ++b) {
            session.setMainInput(material.left(), material.right());
            session.process();
            material.next();
        }
        session.silenceMainInput();
        const double start = CBenchSession::threadSeconds();
        for (int b = 0; b < SILENT_BLOCKS; ++b) {
            session.process();
            benchmark::DoNotOptimize(session.outputs()[0]);
        }
        state.SetIterationTime(CBenchSession::threadSeconds() - start);
    }
    state.counters["frame"] = perFrame(static_cast<double>(SILENT_BLOCKS) * BLOCK);
}

}  // namespace

BENCHMARK(BM_BaselineCopy);
BENCHMARK(BM_BaselineGain);
BENCHMARK(BM_Program)->ArgName("program")->DenseRange(0, 5);
BENCHMARK(BM_KeyEqMusic);
BENCHMARK(BM_SilenceAfterLoudPassage)->ArgName("flush")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
