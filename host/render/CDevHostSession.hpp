#pragma once

#include "IEffectSession.hpp"

#include <memory>
#include <string>

namespace DevHost {
class CDevHost;
class CPluginInstance;
}  // namespace DevHost

namespace Tenvira { namespace Render {

/** An effect session on a plug-in binary, loaded and driven through the development host. */
class CDevHostSession : public IEffectSession {
public:
    /** Loads the plug-in, creates its effect and opens it (effOpen). Raises
     *  CRenderError when the file cannot be loaded or yields no usable effect. */
    explicit CDevHostSession(const std::string& pluginPath);
    ~CDevHostSession() override;

    int numInputs() const override;
    int numOutputs() const override;
    int numParameters() const override;
    int numPrograms() const override;
    std::string parameterName(int index) override;
    std::string programName(int index) override;

    void setSampleRate(double sampleRate) override;
    void setBlockSize(int blockSize) override;
    void setProgram(int index) override;
    void setParameter(int index, float value) override;
    float getParameter(int index) override;

    void resume() override;
    void suspend() override;
    int latency() override;
    void process(float** inputs, float** outputs, int frames) override;
    void close() override;

    /** The effect itself, for what a session does not cover (the editor); only while open. */
    DevHost::CPluginInstance& instance() { return *m_instance; }

private:
    std::unique_ptr<DevHost::CDevHost> m_host;
    std::unique_ptr<DevHost::CPluginInstance> m_instance;
};

}}  // namespace Tenvira::Render
