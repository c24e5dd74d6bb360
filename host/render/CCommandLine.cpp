#include "CCommandLine.hpp"

#include "COptionScanner.hpp"
#include "CParameterUnits.hpp"
#include "CRenderError.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace Tenvira { namespace Render {

namespace {

void applyOption(SRenderOptions& options, const std::string& name, const std::string& value)
{
    if (value.empty())
        throw CUsageError("option " + name + " needs a non-empty value");
    if (name == "--sidechain")
        options.sidechain = value;
    else if (name == "--program")
        options.program = value;
    else if (name == "--plot")
        options.plot = value;
    else if (name == "--plugin")
        options.plugin = value;
    else if (name == "--demo-dir")
        options.demoDir = value;
    else if (name == "--block")
        options.blockSize = CCommandLine::parseBlockSize(value);
    else if (name == "--set")
        options.settings.push_back(CCommandLine::parseSetting(value));
}

}  // namespace

float CCommandLine::parseNormalised(const std::string& text, const std::string& what)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(begin, &end);
    if (text.empty() || end == begin || *end != '\0' || errno == ERANGE || !std::isfinite(value))
        throw CUsageError(what + " is not a number: \"" + text + "\"");
    if (value < 0.0 || value > 1.0)
        throw CUsageError(what + " must lie within 0..1 (normalised), got " + text);
    return static_cast<float>(value);
}

long CCommandLine::parseWholeNumber(const std::string& text, const std::string& what, long minimum, long maximum)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (text.empty() || end == begin || *end != '\0' || errno == ERANGE)
        throw CUsageError(what + " is not a whole number: \"" + text + "\"");
    if (value < minimum || value > maximum)
        throw CUsageError(what + " must lie within " + std::to_string(minimum) + ".." + std::to_string(maximum) +
                          ", got " + text);
    return value;
}

int CCommandLine::parseBlockSize(const std::string& text)
{
    return static_cast<int>(parseWholeNumber(text, "block size", 1, MAX_BLOCK_SIZE));
}

SParameterSetting CCommandLine::parseSetting(const std::string& text)
{
    // The last '=' separates the value, so a name may not hide a bad value.
    const std::size_t equals = text.rfind('=');
    if (equals == std::string::npos || equals == 0)
        throw CUsageError("--set expects NAME_OR_INDEX=VALUE, got \"" + text + "\"");
    SParameterSetting setting;
    setting.key = text.substr(0, equals);
    const std::string value = text.substr(equals + 1);
    if (value.empty())
        throw CUsageError("--set expects NAME_OR_INDEX=VALUE, got \"" + text + "\"");
    // A bare number within 0..1 is the normalised value, whatever the plug-in; anything
    // else is a value in Tenvira's units or a stop's name.
    const char* begin = value.c_str();
    char* end = nullptr;
    const double number = std::strtod(begin, &end);
    const bool normalised = end != begin && *end == '\0' && number >= 0.0 && number <= 1.0;
    setting.value = normalised ? parseNormalised(value, "value for \"" + setting.key + "\"")
                               : CParameterUnits::normalisedValue(setting.key, value);
    return setting;
}

SRenderOptions CCommandLine::parse(const std::vector<std::string>& arguments)
{
    static const COptionScanner scanner(
        {"--sidechain", "--program", "--set", "--block", "--plot", "--plugin", "--demo-dir"},
        {"--help", "-h", "--align", "--no-progress"});
    std::vector<SScannedOption> scanned;
    std::vector<std::string> positional;
    scanner.scan(arguments, scanned, positional);

    SRenderOptions options;
    for (const SScannedOption& option : scanned) {
        if (option.name == "--help" || option.name == "-h")
            options.help = true;
        else if (option.name == "--align")
            options.align = true;
        else if (option.name == "--no-progress")
            options.progress = false;
        else
            applyOption(options, option.name, option.value);
    }

    if (options.help)
        return options;
    if (positional.size() > 2)
        throw CUsageError("too many file names: expected INPUT OUTPUT");
    if (positional.size() == 1)
        throw CUsageError("missing output file after \"" + positional[0] + "\"");
    if (positional.size() == 2) {
        options.input = positional[0];
        options.output = positional[1];
        if (options.input.empty() || options.output.empty())
            throw CUsageError("file names must not be empty");
    } else {
        if (!options.sidechain.empty())
            throw CUsageError("--sidechain needs an input file");
        if (!options.plot.empty())
            throw CUsageError("--plot needs an input file (the demo always writes its plot)");
    }
    return options;
}

SRenderOptions CCommandLine::parse(int argc, char** argv)
{
    return parse(COptionScanner::argumentsOf(argc, argv));
}

std::string CCommandLine::helpText(const std::string& defaultPlugin)
{
    return "Usage: tenvira-render [OPTIONS] INPUT OUTPUT\n"
           "       tenvira-render [OPTIONS]            (renders the built-in demo)\n"
           "\n"
           "Renders an audio file through the Tenvira plug-in, the way a DAW does.\n"
           "INPUT is any file libsndfile reads, mono or stereo; OUTPUT is stereo, at the\n"
           "input's sample rate, in the input's format where possible (the format named\n"
           "by OUTPUT's extension when it differs), else 24-bit WAV.\n"
           "\n"
           "Options:\n"
           "  --sidechain FILE     key signal for inputs 3-4 (mono feeds both; a shorter\n"
           "                       key is padded with silence); set SideChain=1 to use it\n"
           "  --program P          factory program by number (0-9) or by name\n"
           "                       (case-insensitive), e.g. --program \"soft master\"\n"
           "  --set NAME=VALUE     set a parameter; NAME is the parameter's name\n"
           "                       (case-insensitive) or its index. VALUE is either\n"
           "                       - a bare number: the normalised value 0..1 a host\n"
           "                         sends (for Ratio a bare number above 1 is the\n"
           "                         ratio itself: Ratio=4 is 4:1, Ratio=1 is 20:1), or\n"
           "                       - a number with the parameter's unit, in its range:\n"
           "                         Threshold=-20dB, Attack=30ms, Soft-Knee=35%,\n"
           "                         Ratio=1:1 (Mix and Mid/Side have no unit), or\n"
           "                       - a choice by name: \"Valve Modelling=Soft\",\n"
           "                         SideChain=External, LimitOnOff=On.\n"
           "                       Repeatable; applied after --program, in order.\n"
           "                       \"Threshold\" names two parameters: the name alone means\n"
           "                       the compressor threshold (index 1); use 18 for the\n"
           "                       limiter threshold.\n"
           "  --block N            block size in samples (default 512, 1..65536)\n"
           "  --align              compensate the reported latency: the output lines up\n"
           "                       with the input sample for sample and has its length\n"
           "  --plot FILE.png      draw input/output levels and gain reduction\n"
           "  --plugin PATH        the plug-in to load (default:\n"
           "                       " +
           defaultPlugin +
           ")\n"
           "  --demo-dir DIR       where the demo writes its files (default ./tenvira-demo)\n"
           "  --no-progress        no progress bar\n"
           "  -h, --help           this text\n"
           "\n"
           "Without INPUT and OUTPUT, a generated drum and bass passage is rendered with\n"
           "program 5 \"Bass\" (compressor and limiter on) unless --program is given, and\n"
           "input.wav, output.wav and levels.png are written to the demo folder.\n"
           "\n"
           "The exit status is 0 on success, 1 when rendering fails and 2 for a bad\n"
           "command line; a failed render leaves no output file behind.\n";
}

}}  // namespace Tenvira::Render
