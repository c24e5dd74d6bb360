#include "CDevHost.hpp"

#include "CPluginInstance.hpp"

#include <cstring>
#include <map>

namespace DevHost {

namespace {

// Effects known to some host, and the host whose entry-point call is running on
// this thread (an effect under construction is not registered yet).
std::mutex registryMutex;
std::map<const AEffect*, CDevHost*>& registry()
{
    static std::map<const AEffect*, CDevHost*> effects;
    return effects;
}
thread_local CDevHost* constructingHost = nullptr;

void copyAnswer(void* ptr, const std::string& text, size_t capacity)
{
    if (!ptr) {
        return;
    }
    char* out = static_cast<char*>(ptr);
    const size_t n = text.size() < capacity - 1 ? text.size() : capacity - 1;
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

}  // namespace

CDevHost::CDevHost(SHostSettings settings) : m_settings(std::move(settings)) {}

CDevHost::~CDevHost()
{
    std::lock_guard<std::mutex> lock(registryMutex);
    for (auto it = registry().begin(); it != registry().end();) {
        it = it->second == this ? registry().erase(it) : std::next(it);
    }
}

bool CDevHost::loadModule(const std::string& path, std::string* error)
{
    return m_module.load(path, error);
}

void CDevHost::unloadModule()
{
    m_module.unload();
}

std::unique_ptr<CPluginInstance> CDevHost::createInstance()
{
    VstEntryProc entry = m_module.entryPoint();
    if (!entry) {
        return nullptr;
    }
    CDevHost* previous = constructingHost;
    constructingHost = this;
    AEffect* effect = entry(&CDevHost::hostCallback);
    constructingHost = previous;
    if (!effect || effect->magic != kEffectMagic) {
        return nullptr;
    }
    registerEffect(effect);
    return std::unique_ptr<CPluginInstance>(new CPluginInstance(*this, effect));
}

std::vector<SHostCall> CDevHost::calls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_calls;
}

std::vector<SHostCall> CDevHost::callsWithOpcode(VstInt32 opcode) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<SHostCall> found;
    for (const SHostCall& call : m_calls) {
        if (call.opcode == opcode) {
            found.push_back(call);
        }
    }
    return found;
}

size_t CDevHost::countOf(VstInt32 opcode) const
{
    return callsWithOpcode(opcode).size();
}

void CDevHost::clearCalls()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_calls.clear();
    m_automation.clear();
}

std::vector<SHostCall> CDevHost::automation(size_t from) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (from >= m_automation.size()) {
        return {};
    }
    return std::vector<SHostCall>(m_automation.begin() + static_cast<std::ptrdiff_t>(from), m_automation.end());
}

size_t CDevHost::automationCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_automation.size();
}

void CDevHost::attachEditorFrame(const AEffect* effect, IEditorFrame* frame)
{
    std::lock_guard<std::mutex> lock(m_frameMutex);
    m_frames[effect] = frame;
}

void CDevHost::detachEditorFrame(const AEffect* effect, IEditorFrame* frame)
{
    std::lock_guard<std::mutex> lock(m_frameMutex);
    auto it = m_frames.find(effect);
    if (it != m_frames.end() && it->second == frame) {
        m_frames.erase(it);
    }
}

bool CDevHost::resizeEditorFrame(const AEffect* effect, VstInt32 width, VstIntPtr height)
{
    std::lock_guard<std::mutex> lock(m_frameMutex);
    auto it = m_frames.find(effect);
    if (it == m_frames.end() || width <= 0 || height <= 0 || height > 0x7FFFFFFF) {
        return false;
    }
    return it->second->requestSize(width, static_cast<int>(height));
}

void CDevHost::registerEffect(AEffect* effect)
{
    std::lock_guard<std::mutex> lock(registryMutex);
    registry()[effect] = this;
}

void CDevHost::forgetEffect(AEffect* effect)
{
    {
        std::lock_guard<std::mutex> lock(registryMutex);
        registry().erase(effect);
    }
    // A later effect may be given the same address; it must not inherit this one's frame.
    std::lock_guard<std::mutex> lock(m_frameMutex);
    m_frames.erase(effect);
}

VstIntPtr CDevHost::hostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                 float opt)
{
    CDevHost* host = nullptr;
    {
        std::lock_guard<std::mutex> lock(registryMutex);
        auto it = registry().find(effect);
        if (it != registry().end()) {
            host = it->second;
        }
    }
    if (!host) {
        host = constructingHost;
    }
    return host ? host->answer(effect, opcode, index, value, ptr, opt) : 0;
}

VstIntPtr CDevHost::answer(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    SHostCall call;
    call.effect = effect;
    call.opcode = opcode;
    call.index = index;
    call.value = value;
    call.opt = opt;
    call.thread = std::this_thread::get_id();
    if (opcode == audioMasterCanDo && ptr) {
        call.text = static_cast<const char*>(ptr);
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_calls.push_back(call);
        if (opcode == audioMasterAutomate) {
            m_automation.push_back(call);
        }
    }

    switch (opcode) {
    case audioMasterVersion:
        return m_settings.version;
    case audioMasterCurrentId:
        return effect ? effect->uniqueID : 0;
    case audioMasterAutomate:
    case audioMasterBeginEdit:
    case audioMasterEndEdit:
        // Automation and edit gestures exist only for the effect's own parameters.
        return effect && index >= 0 && index < effect->numParams ? 1 : 0;
    case audioMasterWantMidi:
    case audioMasterIdle:
    case audioMasterUpdateDisplay:
    case audioMasterIOChanged:
        return 1;
    case audioMasterSizeWindow:
        return resizeEditorFrame(effect, index, value) ? 1 : 0;
    case audioMasterGetSampleRate:
        return static_cast<VstIntPtr>(m_settings.sampleRate);
    case audioMasterGetBlockSize:
        return m_settings.blockSize;
    case audioMasterGetTime:
        m_timeInfo = VstTimeInfo{};
        m_timeInfo.sampleRate = m_settings.sampleRate;
        m_timeInfo.tempo = 120.0;
        m_timeInfo.timeSigNumerator = 4;
        m_timeInfo.timeSigDenominator = 4;
        m_timeInfo.flags = kVstTempoValid | kVstTimeSigValid;
        return reinterpret_cast<VstIntPtr>(&m_timeInfo);
    case audioMasterGetVendorString:
        copyAnswer(ptr, m_settings.vendor, kVstMaxVendorStrLen);
        return ptr ? 1 : 0;
    case audioMasterGetProductString:
        copyAnswer(ptr, m_settings.product, kVstMaxProductStrLen);
        return ptr ? 1 : 0;
    case audioMasterGetVendorVersion:
        return m_settings.vendorVersion;
    case audioMasterCanDo:
        return (m_settings.answersCanDo && !call.text.empty() && m_settings.capabilities.count(call.text)) ? 1 : 0;
    case audioMasterGetLanguage:
        return kVstLangEnglish;
    case audioMasterGetCurrentProcessLevel:
        return 0;
    default:
        return 0;
    }
}

}  // namespace DevHost
