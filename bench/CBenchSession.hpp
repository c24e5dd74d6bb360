#pragma once

#include <memory>
#include <string>
#include <vector>

namespace DevHost {
class CDevHost;
class CPluginInstance;
}  // namespace DevHost

namespace TenviraBench {

/**
 * One effect prepared for measuring: loaded through the development host,
 * opened at 44100 Hz with 512-sample blocks and resumed, with input and
 * output channels of one block each (as many as the effect has).
 */
class CBenchSession {
public:
    static constexpr int BLOCK = 512;
    static constexpr float SAMPLE_RATE = 44100.0f;

    /** CPU time of the calling thread, seconds: other load on the machine does not count. */
    static double threadSeconds();

    /** The plug-in: $TENVIRA_PLUGIN when set, else the one in the build tree. */
    static std::string pluginPath();

    /** Tenvira, or the plug-in at path. */
    explicit CBenchSession(const std::string& path = pluginPath());
    ~CBenchSession();

    /** Empty when the effect is ready, else why not. */
    const std::string& error() const { return m_error; }

    void setProgram(int program);
    void setParameter(int index, float value);
    /** The index of the parameter the plug-in calls name, or -1. */
    int parameterIndex(const std::string& name);
    std::string parameterDisplay(int index);
    /** Suspends and resumes, emptying delay lines as a transport restart does. */
    void restart();

    /** Points the main input pair at a block of samples (the key pair stays silent). */
    void setMainInput(float* left, float* right);
    /** Points every input at a block of samples: even channels left, odd right (a key pair hears the main signal). */
    void setAllInputs(float* left, float* right);
    /** Points the main input pair at the session's own silent buffers. */
    void silenceMainInput();
    /** Processes one block. */
    void process();
    float** inputs() { return m_inputPointers.data(); }
    float** outputs() { return m_outputPointers.data(); }

private:
    std::unique_ptr<DevHost::CDevHost> m_host;
    std::unique_ptr<DevHost::CPluginInstance> m_instance;
    std::string m_error;
    std::vector<std::vector<float>> m_inputBuffers;
    std::vector<std::vector<float>> m_outputBuffers;
    std::vector<float*> m_inputPointers;
    std::vector<float*> m_outputPointers;
};

}  // namespace TenviraBench
