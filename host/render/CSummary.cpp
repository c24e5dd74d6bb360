#include "CSummary.hpp"

#include <sndfile.h>

#include <cmath>
#include <cstdio>

namespace Tenvira { namespace Render {

namespace {

std::string printed(const char* pattern, double a, double b = 0.0)
{
    char buffer[160];
    std::snprintf(buffer, sizeof(buffer), pattern, a, b);
    return buffer;
}

std::string formatPart(int command, int value)
{
    SF_FORMAT_INFO info{};
    info.format = value;
    if (sf_command(nullptr, command, &info, sizeof(info)) != 0 || info.name == nullptr)
        return "format " + std::to_string(value);
    return info.name;
}

}  // namespace

std::string CSummary::decibels(double level)
{
    const double db = CLevelTrack::toDecibels(level);
    return std::isfinite(db) ? printed("%.2f", db) : std::string("-inf");
}

std::string CSummary::formatName(int format)
{
    return formatPart(SFC_GET_FORMAT_INFO, format & SF_FORMAT_TYPEMASK) + ", " +
           formatPart(SFC_GET_FORMAT_INFO, format & SF_FORMAT_SUBMASK);
}

std::string CSummary::text(const SRenderOptions& options, const SRenderResult& result)
{
    const double rate = result.sampleRate > 0 ? result.sampleRate : 1.0;
    std::string out;
    out += "Rendered \"" + options.input + "\" -> \"" + options.output + "\"\n";
    out += "  " + formatName(result.outputFormat) + ", " + std::to_string(result.sampleRate) + " Hz, " +
           std::to_string(result.frames) + " frames (" + printed("%.2f s", static_cast<double>(result.frames) / rate) +
           "), block " + std::to_string(options.blockSize) + "\n";
    if (!options.sidechain.empty())
        out += "  side-chain: \"" + options.sidechain + "\"\n";
    if (result.program >= 0)
        out += "  program " + std::to_string(result.program) + " \"" + result.programName + "\"\n";
    for (const auto& parameter : result.parameters) {
        const auto index = static_cast<std::size_t>(parameter.first);
        const std::string name = index < result.parameterNames.size() ? result.parameterNames[index] : "";
        out += "  parameter " + std::to_string(parameter.first) + " \"" + name +
               "\" = " + printed("%.4g", parameter.second) + "\n";
    }
    out += "  latency: " + std::to_string(result.latency) + " samples (" +
           printed("%.2f ms", 1000.0 * result.latency / rate) + "), " +
           (result.aligned ? "compensated" : "not compensated (use --align)") + "\n";
    out += "             peak dBFS   RMS dBFS\n";
    auto row = [&](const char* label, const CLevelTrack& track) {
        char buffer[128];
        std::snprintf(buffer, sizeof(buffer), "  %-8s %10s %10s\n", label, decibels(track.peak()).c_str(),
                      decibels(track.rms()).c_str());
        return std::string(buffer);
    };
    out += row("input", result.input);
    out += row("output", result.output);
    out += "  largest gain reduction: " +
           printed("%.2f dB", CLevelTrack::largestGainReduction(result.input, result.alignedOutput)) +
           " (10 ms RMS, latency-compensated)\n";
    return out;
}

}}  // namespace Tenvira::Render
