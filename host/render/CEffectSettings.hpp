#pragma once

#include "IEffectSession.hpp"
#include "SRenderOptions.hpp"

#include <string>
#include <utility>
#include <vector>

namespace Tenvira { namespace Render {

/**
 * What a command line's --program and --set ask of an effect, resolved
 * against the names the effect reports. Everything is resolved before
 * anything is changed, so a typo costs nothing.
 */
class CEffectSettings {
public:
    /** Raises CRenderError for an unknown program or parameter. */
    CEffectSettings(IEffectSession& session, const std::string& program,
                    const std::vector<SParameterSetting>& settings);

    /** The program first, then the parameters in the order given. */
    void apply(IEffectSession& session) const;

    int program() const { return m_program; }  ///< -1 when none was asked for
    const std::string& programName() const { return m_programName; }
    const std::vector<std::pair<int, float>>& parameters() const { return m_parameters; }
    const std::vector<std::string>& parameterNames() const { return m_parameterNames; }

private:
    int m_program = -1;
    std::string m_programName;
    std::vector<std::pair<int, float>> m_parameters;
    std::vector<std::string> m_parameterNames;
};

}}  // namespace Tenvira::Render
