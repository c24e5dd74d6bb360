#include "CBenchSession.hpp"

#include "CDevHost.hpp"
#include "CPluginInstance.hpp"

#include <time.h>

#include <cstdlib>

namespace TenviraBench {

double CBenchSession::threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

std::string CBenchSession::pluginPath()
{
    const char* path = std::getenv("TENVIRA_PLUGIN");
    return path != nullptr && *path != '\0' ? std::string(path) : std::string(TENVIRA_PLUGIN);
}

CBenchSession::CBenchSession(const std::string& path) : m_host(new DevHost::CDevHost())
{
    m_host->settings().sampleRate = SAMPLE_RATE;
    m_host->settings().blockSize = BLOCK;
    std::string loadError;
    if (!m_host->loadModule(path, &loadError)) {
        m_error = "cannot load " + path + ": " + loadError;
        return;
    }
    m_instance = m_host->createInstance();
    if (!m_instance) {
        m_error = "the plug-in created no effect";
        return;
    }
    const int inputs = m_instance->effect()->numInputs;
    const int outputs = m_instance->effect()->numOutputs;
    if (inputs < 2 || outputs < 2) {
        m_error = "the plug-in is not a stereo effect";
        return;
    }
    m_inputBuffers.assign(static_cast<std::size_t>(inputs), std::vector<float>(BLOCK, 0.0f));
    m_outputBuffers.assign(static_cast<std::size_t>(outputs), std::vector<float>(BLOCK, 0.0f));
    for (auto& buffer : m_inputBuffers)
        m_inputPointers.push_back(buffer.data());
    for (auto& buffer : m_outputBuffers)
        m_outputPointers.push_back(buffer.data());

    m_instance->open();
    m_instance->setSampleRate(SAMPLE_RATE);
    m_instance->setBlockSize(BLOCK);
    m_instance->resume();
}

CBenchSession::~CBenchSession()
{
    if (m_instance) {
        m_instance->suspend();
        m_instance->close();
        m_instance.reset();
    }
    m_host->unloadModule();
}

void CBenchSession::setProgram(int program)
{
    if (m_instance)
        m_instance->setProgram(program);
}

void CBenchSession::setParameter(int index, float value)
{
    if (m_instance)
        m_instance->setParameter(index, value);
}

int CBenchSession::parameterIndex(const std::string& name)
{
    for (int i = 0; m_instance && i < m_instance->numParams(); ++i) {
        if (m_instance->parameterName(i) == name)
            return i;
    }
    return -1;
}

std::string CBenchSession::parameterDisplay(int index)
{
    return m_instance ? m_instance->parameterDisplay(index) : std::string();
}

void CBenchSession::restart()
{
    if (m_instance) {
        m_instance->suspend();
        m_instance->resume();
    }
}

void CBenchSession::setMainInput(float* left, float* right)
{
    m_inputPointers[0] = left;
    m_inputPointers[1] = right;
}

void CBenchSession::setAllInputs(float* left, float* right)
{
    for (std::size_t c = 0; c < m_inputPointers.size(); ++c)
        m_inputPointers[c] = c % 2 == 0 ? left : right;
}

void CBenchSession::silenceMainInput()
{
    m_inputPointers[0] = m_inputBuffers[0].data();
    m_inputPointers[1] = m_inputBuffers[1].data();
}

void CBenchSession::process()
{
    m_instance->process(m_inputPointers.data(), m_outputPointers.data(), BLOCK);
}

}  // namespace TenviraBench
