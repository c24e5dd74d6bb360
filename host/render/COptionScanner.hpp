#pragma once

#include <string>
#include <vector>

namespace Tenvira { namespace Render {

/** One option as typed: its name ("--set", "-h") and its value, if it takes one. */
struct SScannedOption {
    std::string name;
    std::string value;
};

/**
 * Splits a tool's command line into options and other words. Options that
 * take a value accept both "--name VALUE" and "--name=VALUE"; "--" ends the
 * options, so a later word that starts with a dash is a plain word. Unknown
 * options and a missing value raise CUsageError.
 */
class COptionScanner {
public:
    COptionScanner(std::vector<std::string> valueOptions, std::vector<std::string> flagOptions);

    void scan(const std::vector<std::string>& arguments, std::vector<SScannedOption>& options,
              std::vector<std::string>& words) const;

    static std::vector<std::string> argumentsOf(int argc, char** argv);

private:
    static bool contains(const std::vector<std::string>& list, const std::string& name);

    std::vector<std::string> m_valueOptions;
    std::vector<std::string> m_flagOptions;
};

}}  // namespace Tenvira::Render
