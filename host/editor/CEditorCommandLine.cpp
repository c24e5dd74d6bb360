#include "CEditorCommandLine.hpp"

#include "CCommandLine.hpp"
#include "COptionScanner.hpp"
#include "CRenderError.hpp"

namespace Tenvira { namespace Editor {

using Render::CCommandLine;
using Render::CUsageError;

SEditorOptions CEditorCommandLine::parse(const std::vector<std::string>& arguments)
{
    static const Render::COptionScanner scanner({"--plugin", "--program", "--set", "--snapshot", "--after"},
                                                {"--help", "-h"});
    std::vector<Render::SScannedOption> scanned;
    std::vector<std::string> words;
    scanner.scan(arguments, scanned, words);

    SEditorOptions options;
    bool afterGiven = false;
    for (const Render::SScannedOption& option : scanned) {
        if (option.name == "--help" || option.name == "-h") {
            options.help = true;
            continue;
        }
        if (option.value.empty())
            throw CUsageError("option " + option.name + " needs a non-empty value");
        if (option.name == "--plugin")
            options.plugin = option.value;
        else if (option.name == "--program")
            options.program = option.value;
        else if (option.name == "--set")
            options.settings.push_back(CCommandLine::parseSetting(option.value));
        else if (option.name == "--snapshot")
            options.snapshot = option.value;
        else if (option.name == "--after") {
            options.afterMilliseconds =
                CCommandLine::parseWholeNumber(option.value, "--after", 0, SEditorOptions::MAX_AFTER_MILLISECONDS);
            afterGiven = true;
        }
    }
    if (options.help)
        return options;
    if (!words.empty())
        throw CUsageError("unexpected argument \"" + words.front() + "\"");
    if (afterGiven && options.snapshot.empty())
        throw CUsageError("--after needs --snapshot");
    return options;
}

std::string CEditorCommandLine::helpText(const std::string& defaultPlugin)
{
    return "Usage: tenvira-editor [OPTIONS]\n"
           "\n"
           "Opens the plug-in's editor in a window of its own, the way a DAW does: the\n"
           "effect is loaded and opened, runs at 44100 Hz in blocks of 512 on a thread of\n"
           "its own with a generated drum and bass loop (so the meter moves), and the\n"
           "editor is idled 30 times a second. Every automation the editor sends is\n"
           "printed as: automate INDEX \"NAME\" VALUE \"DISPLAY\".\n"
           "\n"
           "Options:\n"
           "  --program P          factory program by number or by name (case-insensitive)\n"
           "  --set NAME=VALUE     set a parameter to a normalised value 0..1 before the\n"
           "                       editor opens; NAME is its name or index. Repeatable;\n"
           "                       applied after --program, in order\n"
           "  --snapshot FILE.png  write what the window shows, then close and exit\n"
           "  --after MS           with --snapshot: wait MS milliseconds first\n"
           "                       (default 500)\n"
           "  --plugin PATH        the plug-in to load (default:\n"
           "                       " +
           defaultPlugin +
           ")\n"
           "  -h, --help           this text\n"
           "\n"
           "The editor needs an X display (DISPLAY). Closing the window or Ctrl-C ends the\n"
           "session cleanly: the editor is closed, the effect suspended and closed.\n"
           "The exit status is 0 on success, 1 on failure (no display, no editor, a\n"
           "plug-in that cannot be loaded, a snapshot that cannot be written) and 2 for a\n"
           "bad command line.\n";
}

}}  // namespace Tenvira::Editor
