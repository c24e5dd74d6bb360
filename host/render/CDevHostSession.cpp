#include "CDevHostSession.hpp"

#include "CRenderError.hpp"

#include "CDevHost.hpp"
#include "CPluginInstance.hpp"

namespace Tenvira { namespace Render {

CDevHostSession::CDevHostSession(const std::string& pluginPath) : m_host(new DevHost::CDevHost())
{
    std::string error;
    if (!m_host->loadModule(pluginPath, &error))
        throw CRenderError("cannot load the plug-in \"" + pluginPath + "\": " + error);
    if (m_host->module().entryPoint() == nullptr)
        throw CRenderError("\"" + pluginPath + "\" is not a VST 2.4 plug-in (no VSTPluginMain)");
    m_instance = m_host->createInstance();
    if (!m_instance)
        throw CRenderError("the plug-in \"" + pluginPath + "\" could not create its effect");
    const AEffect* effect = m_instance->effect();
    if ((effect->flags & effFlagsCanReplacing) == 0 || effect->processReplacing == nullptr) {
        m_instance->close();
        throw CRenderError("the plug-in \"" + pluginPath + "\" cannot process audio in place");
    }
    m_instance->open();
}

CDevHostSession::~CDevHostSession()
{
    close();
}

int CDevHostSession::numInputs() const
{
    return m_instance ? m_instance->effect()->numInputs : 0;
}
int CDevHostSession::numOutputs() const
{
    return m_instance ? m_instance->effect()->numOutputs : 0;
}
int CDevHostSession::numParameters() const
{
    return m_instance ? m_instance->numParams() : 0;
}
int CDevHostSession::numPrograms() const
{
    return m_instance ? m_instance->numPrograms() : 0;
}

std::string CDevHostSession::parameterName(int index)
{
    return m_instance ? m_instance->parameterName(index) : std::string();
}

std::string CDevHostSession::programName(int index)
{
    std::string name;
    if (m_instance)
        m_instance->programNameIndexed(index, name, 0);
    return name;
}

void CDevHostSession::setSampleRate(double sampleRate)
{
    m_host->settings().sampleRate = static_cast<float>(sampleRate);
    if (m_instance)
        m_instance->setSampleRate(static_cast<float>(sampleRate));
}

void CDevHostSession::setBlockSize(int blockSize)
{
    m_host->settings().blockSize = blockSize;
    if (m_instance)
        m_instance->setBlockSize(blockSize);
}

void CDevHostSession::setProgram(int index)
{
    if (m_instance)
        m_instance->setProgram(index);
}

void CDevHostSession::setParameter(int index, float value)
{
    if (m_instance)
        m_instance->setParameter(index, value);
}

float CDevHostSession::getParameter(int index)
{
    return m_instance ? m_instance->getParameter(index) : 0.0f;
}

void CDevHostSession::resume()
{
    if (m_instance)
        m_instance->resume();
}

void CDevHostSession::suspend()
{
    if (m_instance)
        m_instance->suspend();
}

int CDevHostSession::latency()
{
    return m_instance ? m_instance->latency() : 0;
}

void CDevHostSession::process(float** inputs, float** outputs, int frames)
{
    if (m_instance)
        m_instance->process(inputs, outputs, frames);
}

void CDevHostSession::close()
{
    if (m_instance) {
        m_instance->close();
        m_instance.reset();
    }
    if (m_host)
        m_host->unloadModule();
}

}}  // namespace Tenvira::Render
