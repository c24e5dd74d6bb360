#include "CJackCommandLine.hpp"

#include "CCommandLine.hpp"
#include "COptionScanner.hpp"
#include "CRenderError.hpp"

namespace Tenvira { namespace Jack {

using Render::CUsageError;

SJackOptions CJackCommandLine::parse(const std::vector<std::string>& arguments)
{
    static const Render::COptionScanner scanner({"--plugin", "--program", "--set", "--state", "--in", "--key", "--out"},
                                                {"--connect", "--no-gui", "--help", "-h"});
    std::vector<Render::SScannedOption> scanned;
    std::vector<std::string> words;
    scanner.scan(arguments, scanned, words);

    SJackOptions options;
    for (const Render::SScannedOption& option : scanned) {
        if (option.name == "--help" || option.name == "-h") {
            options.help = true;
        } else if (option.name == "--connect") {
            options.connect = true;
        } else if (option.name == "--no-gui") {
            options.gui = false;
        } else if (option.value.empty()) {
            throw CUsageError("option " + option.name + " needs a non-empty value");
        } else if (option.name == "--plugin") {
            options.plugin = option.value;
        } else if (option.name == "--program") {
            options.program = option.value;
        } else if (option.name == "--set") {
            options.settings.push_back(Render::CCommandLine::parseSetting(option.value));
        } else if (option.name == "--state") {
            options.stateFile = option.value;
        } else if (option.name == "--in") {
            options.in = parsePortPair(option.value, option.name);
        } else if (option.name == "--key") {
            options.key = parsePortPair(option.value, option.name);
        } else if (option.name == "--out") {
            options.out = parsePortPair(option.value, option.name);
        }
    }
    if (!options.help && !words.empty())
        throw CUsageError("unexpected argument \"" + words.front() + "\"");
    return options;
}

SPortPair CJackCommandLine::parsePortPair(const std::string& text, const std::string& option)
{
    const std::size_t comma = text.find(',');
    SPortPair pair;
    pair.left = text.substr(0, comma);
    pair.right = comma == std::string::npos ? pair.left : text.substr(comma + 1);
    if (pair.left.empty() || pair.right.empty() || pair.right.find(',') != std::string::npos)
        throw CUsageError(option + " takes PORT,PORT (or one PORT for both), not \"" + text + "\"");
    return pair;
}

std::string CJackCommandLine::helpText(const std::string& defaultPlugin, const std::string& defaultState)
{
    return "Usage: tenvira-jack [OPTIONS]\n"
           "\n"
           "Runs the Tenvira plug-in as a JACK client named \"Tenvira\", with its editor\n"
           "in a window of its own. Ports: audio inputs in_l, in_r (the signal) and\n"
           "key_l, key_r (the external key, heard with SideChain set to External),\n"
           "audio outputs out_l, out_r, and MIDI input midi_in (channel 1: controllers\n"
           "0-9 select programs, 70-74 set Ratio, Threshold, Attack, Release, Master).\n"
           "The outputs report the plug-in's delay to JACK as their latency.\n"
           "\n"
           "Options:\n"
           "  --connect            main inputs from the first two capture ports, outputs\n"
           "                       to the first two playback ports of the sound card\n"
           "  --in PORT,PORT       connect in_l, in_r from these ports (one PORT feeds both)\n"
           "  --key PORT,PORT      connect key_l, key_r from these ports\n"
           "  --out PORT,PORT      connect out_l, out_r to these ports\n"
           "  --program P          factory program by number or by name (case-insensitive)\n"
           "  --set NAME=VALUE     set a parameter as tenvira-render --set does: NAME is its\n"
           "                       name or index, VALUE a normalised value 0..1, a value\n"
           "                       in the parameter's unit (Threshold=-20dB) or a choice\n"
           "                       by name. Repeatable; applied after --program\n"
           "  --state FILE         read the settings from FILE and save them there on exit\n"
           "                       (default: " +
           defaultState +
           ")\n"
           "  --no-gui             no window: run until Ctrl-C or SIGTERM\n"
           "  --plugin PATH        the plug-in to load (default:\n"
           "                       " +
           defaultPlugin +
           ")\n"
           "  -h, --help           this text\n"
           "\n"
           "The program and the twenty parameter values are saved on exit and restored at\n"
           "the next start; --program and --set apply on top of them. Closing the window,\n"
           "Ctrl-C or SIGTERM end the session cleanly. A JACK server must be running:\n"
           "jackd, or on a PipeWire desktop start the program as `pw-jack tenvira-jack`.\n"
           "The exit status is 0 on success, 1 on failure (no JACK server, a plug-in that\n"
           "cannot be loaded, settings that could not be saved) and 2 for a bad command\n"
           "line.\n";
}

}}  // namespace Tenvira::Jack
