#include "CRenderApplication.hpp"

#include "CAudioFileReader.hpp"
#include "CAudioFileWriter.hpp"
#include "CCommandLine.hpp"
#include "CDemoSignal.hpp"
#include "CFileSystem.hpp"
#include "CLevelPlot.hpp"
#include "CRenderError.hpp"
#include "CRenderer.hpp"
#include "CSummary.hpp"

#include <sndfile.h>

#include <utility>

namespace Tenvira { namespace Render {

namespace {
constexpr int DEMO_SAMPLE_RATE = 44100;
}

CRenderApplication::CRenderApplication(SessionFactory factory, std::string defaultPlugin, std::FILE* out,
                                       std::FILE* err)
    : m_factory(std::move(factory)),
      m_defaultPlugin(std::move(defaultPlugin)),
      m_out(out),
      m_err(err)
{}

int CRenderApplication::run(int argc, char** argv)
{
    SRenderOptions options;
    try {
        options = CCommandLine::parse(argc, argv);
    } catch (const CUsageError& error) {
        std::fprintf(m_err, "tenvira-render: %s\nTry 'tenvira-render --help'.\n", error.what());
        return 2;
    }
    return run(options);
}

int CRenderApplication::run(const SRenderOptions& options)
{
    if (options.help) {
        std::fputs(CCommandLine::helpText(m_defaultPlugin).c_str(), m_out);
        return 0;
    }
    try {
        if (options.isDemo())
            renderDemo(options);
        else
            renderFile(options);
        return 0;
    } catch (const CUsageError& error) {
        std::fprintf(m_err, "tenvira-render: %s\nTry 'tenvira-render --help'.\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(m_err, "tenvira-render: %s\n", error.what());
        return 1;
    }
}

void CRenderApplication::renderFile(const SRenderOptions& given)
{
    SRenderOptions options = given;
    if (options.plugin.empty())
        options.plugin = m_defaultPlugin;

    // Unreadable audio is reported before the plug-in is loaded.
    {
        CAudioFileReader check(options.input, "input");
    }
    if (!options.sidechain.empty()) {
        CAudioFileReader check(options.sidechain, "side-chain");
    }
    // So is a plot that could not be written: no render is wasted on it.
    if (!options.plot.empty())
        CFileSystem::checkWritable(options.plot);

    std::unique_ptr<IEffectSession> session = m_factory(options.plugin);
    const bool terminal = CFileSystem::errorStreamIsTerminal();
    CRenderer renderer(*session, options, terminal ? m_err : nullptr);
    const SRenderResult result = renderer.run();
    session.reset();

    if (!options.plot.empty()) {
        CLevelPlot plot(result.input, result.alignedOutput, result.sampleRate);
        std::string title = "Tenvira: " + options.input;
        if (result.program >= 0)
            title += "  (program " + std::to_string(result.program) + " \"" + result.programName + "\")";
        plot.setTitle(title);
        try {
            plot.write(options.plot);
        } catch (const std::exception& error) {
            // The audio file is complete and stays; the failure is still reported.
            throw CRenderError(std::string(error.what()) + " (the audio was written to \"" + options.output + "\")");
        }
    }
    std::fputs(CSummary::text(options, result).c_str(), m_out);
    if (!options.plot.empty())
        std::fprintf(m_out, "  plot: \"%s\"\n", options.plot.c_str());
}

void CRenderApplication::renderDemo(SRenderOptions options)
{
    CFileSystem::makeDirectories(options.demoDir);
    const std::string folder = options.demoDir.back() == '/' ? options.demoDir : options.demoDir + "/";
    options.input = folder + "input.wav";
    options.output = folder + "output.wav";
    options.plot = folder + "levels.png";
    options.align = true;
    if (options.program.empty())
        options.program = DEMO_PROGRAM;

    const CDemoSignal demo(DEMO_SAMPLE_RATE);
    {
        CAudioFileWriter writer(options.input, SF_FORMAT_WAV | SF_FORMAT_PCM_24, demo.sampleRate());
        writer.write(demo.left().data(), demo.right().data(), static_cast<int>(demo.left().size()));
        writer.commit();
    }
    renderFile(options);
    std::fprintf(m_out,
                 "Demo written to \"%s\":\n  input.wav   the generated drum and bass passage\n"
                 "  output.wav  the same through Tenvira (latency-compensated)\n"
                 "  levels.png  input and output level and the gain change over time\n",
                 folder.c_str());
}

}}  // namespace Tenvira::Render
