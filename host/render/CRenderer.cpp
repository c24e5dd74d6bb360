#include "CRenderer.hpp"

#include "CAudioFileReader.hpp"
#include "CAudioFileWriter.hpp"
#include "CEffectSettings.hpp"
#include "CFileSystem.hpp"
#include "COutputFormat.hpp"
#include "CProgressBar.hpp"
#include "CRenderError.hpp"
#include "CSessionGuard.hpp"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace Tenvira { namespace Render {

std::atomic<bool> CRenderer::s_stopRequested{false};

namespace {

// Adds samples [from, to) of a block that starts at stream position `start`
// to a consumer, clipped to the window [first, first + count).
template <typename Consumer>
void forRange(std::int64_t start, int frames, std::int64_t first, std::int64_t count, Consumer consume)
{
    const std::int64_t begin = std::max(start, first);
    const std::int64_t end = std::min(start + frames, first + count);
    if (end > begin)
        consume(static_cast<int>(begin - start), static_cast<int>(end - begin));
}

}  // namespace

CRenderer::CRenderer(IEffectSession& session, const SRenderOptions& options, std::FILE* progressStream)
    : m_session(session),
      m_options(options),
      m_progressStream(progressStream)
{}

void CRenderer::requestStop()
{
    s_stopRequested.store(true, std::memory_order_relaxed);
}
void CRenderer::clearStop()
{
    s_stopRequested.store(false, std::memory_order_relaxed);
}

int CRenderer::windowFramesFor(int sampleRate)
{
    return std::max(1, static_cast<int>(std::lround(sampleRate * 0.01)));
}

void CRenderer::checkFiles() const
{
    if (CFileSystem::samePath(m_options.input, m_options.output))
        throw CRenderError("the output \"" + m_options.output + "\" is the input file; choose another name");
    if (!m_options.sidechain.empty() && CFileSystem::samePath(m_options.sidechain, m_options.output))
        throw CRenderError("the output \"" + m_options.output + "\" is the side-chain file; choose another name");
    if (!m_options.plot.empty() &&
        (CFileSystem::samePath(m_options.plot, m_options.input) ||
         CFileSystem::samePath(m_options.plot, m_options.output) ||
         (!m_options.sidechain.empty() && CFileSystem::samePath(m_options.plot, m_options.sidechain))))
        throw CRenderError("the plot \"" + m_options.plot + "\" would overwrite an audio file");
}

void CRenderer::configure(SRenderResult& result)
{
    m_session.setSampleRate(result.sampleRate);
    m_session.setBlockSize(m_options.blockSize);
    const CEffectSettings settings(m_session, m_options.program, m_options.settings);
    result.parameterNames = settings.parameterNames();
    result.program = settings.program();
    result.programName = settings.programName();
    result.parameters = settings.parameters();
    settings.apply(m_session);
}

SRenderResult CRenderer::run()
{
    CSessionGuard guard(m_session);
    checkFiles();

    CAudioFileReader input(m_options.input, "input");
    std::unique_ptr<CAudioFileReader> key;
    if (!m_options.sidechain.empty()) {
        key.reset(new CAudioFileReader(m_options.sidechain, "side-chain"));
        if (key->sampleRate() != input.sampleRate())
            throw CRenderError("the side-chain file runs at " + std::to_string(key->sampleRate()) +
                               " Hz but the input at " + std::to_string(input.sampleRate()) + " Hz");
    }
    if (m_session.numInputs() < 2 || m_session.numOutputs() < 2)
        throw CRenderError("the plug-in has " + std::to_string(m_session.numInputs()) + " inputs and " +
                           std::to_string(m_session.numOutputs()) + " outputs; a stereo effect is needed");
    if (key && m_session.numInputs() < 4)
        throw CRenderError("the plug-in has no side-chain inputs");

    SRenderResult result(windowFramesFor(input.sampleRate()));
    result.sampleRate = input.sampleRate();
    result.frames = input.frames();
    result.aligned = m_options.align;
    configure(result);

    result.outputFormat = COutputFormat::choose(input.format(), m_options.output, input.sampleRate());
    CAudioFileWriter writer(m_options.output, result.outputFormat, input.sampleRate());

    guard.resume();
    result.latency = std::max(0, m_session.latency());

    const int block = m_options.blockSize;
    const int inputCount = m_session.numInputs();
    const int outputCount = m_session.numOutputs();
    std::vector<std::vector<float>> inputBuffers(static_cast<std::size_t>(inputCount),
                                                 std::vector<float>(static_cast<std::size_t>(block), 0.0f));
    std::vector<std::vector<float>> outputBuffers(static_cast<std::size_t>(outputCount),
                                                  std::vector<float>(static_cast<std::size_t>(block), 0.0f));
    std::vector<float*> inputs;
    std::vector<float*> outputs;
    for (auto& buffer : inputBuffers)
        inputs.push_back(buffer.data());
    for (auto& buffer : outputBuffers)
        outputs.push_back(buffer.data());

    const std::int64_t frames = result.frames;
    const std::int64_t latency = result.latency;
    const std::int64_t total = frames + latency;
    const std::int64_t writeFirst = m_options.align ? latency : 0;

    const bool showProgress = m_options.progress && m_progressStream != nullptr &&
                              static_cast<double>(frames) >= CProgressBar::MIN_SECONDS * result.sampleRate;
    CProgressBar progress(m_progressStream, total, result.sampleRate, showProgress);

    try {
        for (std::int64_t position = 0; position < total; position += block) {
            if (s_stopRequested.load(std::memory_order_relaxed))
                throw CRenderError("interrupted");
            const int n = static_cast<int>(std::min<std::int64_t>(block, total - position));
            input.read(inputs[0], inputs[1], n);
            if (key)
                key->read(inputs[2], inputs[3], n);
            // Further inputs (and the key pair without a side-chain file) stay silent.

            m_session.process(inputs.data(), outputs.data(), n);

            const float* outLeft = outputs[0];
            const float* outRight = outputs[1];
            forRange(position, n, 0, frames,
                     [&](int offset, int count) { result.input.add(inputs[0] + offset, inputs[1] + offset, count); });
            forRange(position, n, writeFirst, frames, [&](int offset, int count) {
                writer.write(outLeft + offset, outRight + offset, count);
                result.output.add(outLeft + offset, outRight + offset, count);
            });
            forRange(position, n, latency, frames, [&](int offset, int count) {
                result.alignedOutput.add(outLeft + offset, outRight + offset, count);
            });
            progress.update(position + n);
        }
    } catch (...) {
        progress.finish(false);
        throw;
    }
    progress.finish();

    result.input.finish();
    result.output.finish();
    result.alignedOutput.finish();
    guard.suspend();
    writer.commit();
    return result;
}

}}  // namespace Tenvira::Render
