#pragma once

#include <string>
#include <vector>

namespace Tenvira { namespace Render {

/**
 * Turns what the user typed for --program and --set into indices, against the
 * names the effect reports. Unknown names and out-of-range numbers raise
 * CRenderError with the list of valid choices.
 */
class CNameResolver {
public:
    /** A whole number 0..count-1, else a case-insensitive program name. */
    static int resolveProgram(const std::string& text, const std::vector<std::string>& names);

    /**
     * A whole number 0..count-1, else a parameter name: an exact match wins,
     * then a case-insensitive one. Where several parameters share the name,
     * the lowest index is taken.
     */
    static int resolveParameter(const std::string& text, const std::vector<std::string>& names);

    /** Case-insensitive comparison of ASCII letters, ignoring surrounding blanks. */
    static bool sameName(const std::string& a, const std::string& b);

private:
    static int parseIndex(const std::string& text, int count);
    static std::string choices(const std::vector<std::string>& names);
};

}}  // namespace Tenvira::Render
