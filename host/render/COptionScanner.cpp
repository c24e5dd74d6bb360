#include "COptionScanner.hpp"

#include "CRenderError.hpp"

#include <utility>

namespace Tenvira { namespace Render {

COptionScanner::COptionScanner(std::vector<std::string> valueOptions, std::vector<std::string> flagOptions)
    : m_valueOptions(std::move(valueOptions)),
      m_flagOptions(std::move(flagOptions))
{}

bool COptionScanner::contains(const std::vector<std::string>& list, const std::string& name)
{
    for (const std::string& entry : list)
        if (entry == name)
            return true;
    return false;
}

void COptionScanner::scan(const std::vector<std::string>& arguments, std::vector<SScannedOption>& options,
                          std::vector<std::string>& words) const
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            words.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (contains(m_flagOptions, argument)) {
            options.push_back({argument, std::string()});
        } else if (argument.compare(0, 2, "--") == 0) {
            const std::size_t equals = argument.find('=');
            const std::string name = argument.substr(0, equals);
            if (!contains(m_valueOptions, name))
                throw CUsageError("unknown option " + name);
            if (equals != std::string::npos) {
                options.push_back({name, argument.substr(equals + 1)});
            } else {
                if (i + 1 >= arguments.size())
                    throw CUsageError("option " + name + " needs a value");
                options.push_back({name, arguments[++i]});
            }
        } else {
            throw CUsageError("unknown option " + argument);
        }
    }
}

std::vector<std::string> COptionScanner::argumentsOf(int argc, char** argv)
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    return arguments;
}

}}  // namespace Tenvira::Render
