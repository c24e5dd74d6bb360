#include "CEffectSettings.hpp"

#include "CNameResolver.hpp"

namespace Tenvira { namespace Render {

CEffectSettings::CEffectSettings(IEffectSession& session, const std::string& program,
                                 const std::vector<SParameterSetting>& settings)
{
    std::vector<std::string> programs;
    for (int i = 0; i < session.numPrograms(); ++i)
        programs.push_back(session.programName(i));
    for (int i = 0; i < session.numParameters(); ++i)
        m_parameterNames.push_back(session.parameterName(i));

    if (!program.empty()) {
        m_program = CNameResolver::resolveProgram(program, programs);
        m_programName = programs[static_cast<std::size_t>(m_program)];
    }
    for (const SParameterSetting& setting : settings)
        m_parameters.emplace_back(CNameResolver::resolveParameter(setting.key, m_parameterNames), setting.value);
}

void CEffectSettings::apply(IEffectSession& session) const
{
    if (m_program >= 0)
        session.setProgram(m_program);
    for (const auto& parameter : m_parameters)
        session.setParameter(parameter.first, parameter.second);
}

}}  // namespace Tenvira::Render
