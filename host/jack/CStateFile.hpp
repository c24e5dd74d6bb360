#pragma once

#include "SEffectState.hpp"

#include <string>

namespace Tenvira { namespace Jack {

/**
 * tenvira-jack's settings file: a text file of a header line with the format
 * version, the program and one line per parameter:
 *
 *     tenvira-jack state 1
 *     program 5
 *     parameter 0 0.5
 *     ...
 *
 * Reading trusts nothing: every line and field is checked, the file must give
 * each of the effect's parameters exactly once and nothing else, values must
 * be finite and within 0..1, and a file larger than any such file is refused
 * unread.
 */
class CStateFile {
public:
    enum class ELoad {
        LOADED,   ///< state holds the file's settings
        MISSING,  ///< no file yet
        CORRUPT,  ///< a state file of ours whose contents are unusable (why says where); safe to replace
        FOREIGN   ///< unreadable, or not a state file of this version: never to be written over
    };

    /** `$XDG_CONFIG_HOME/Tenvira/tenvira-jack.state`, by default `~/.config/Tenvira/tenvira-jack.state`. */
    static std::string defaultPath();

    static ELoad load(const std::string& path, int programs, int parameters, SEffectState& state, std::string& why);
    static ELoad parse(const std::string& text, int programs, int parameters, SEffectState& state, std::string& why);
    static std::string format(const SEffectState& state);

    /**
     * Writes the state to a new file beside path and renames it over path, so
     * path holds either the old settings or the new ones, whole. Creates the
     * folder. Raises Render::CRenderError on failure, leaving path as it was.
     */
    static void save(const std::string& path, const SEffectState& state);

    static constexpr const char* HEADER = "tenvira-jack state";
    static constexpr int VERSION = 1;
    /** Far above the largest file this version writes. */
    static constexpr long MAX_BYTES = 16384;
};

}}  // namespace Tenvira::Jack
