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

CDevHost::CDevHost(SHostSettings settings) : settings_(std::move(settings)) {}

CDevHost::~CDevHost()
{
    std::lock_guard<std::mutex> lock(registryMutex);
    for (auto it = registry().begin(); it != registry().end();) {
        it = it->second == this ? registry().erase(it) : std::next(it);
    }
}

bool CDevHost::loadModule(const std::string& path, std::string* error)
{
    return module_.load(path, error);
}

void CDevHost::unloadModule()
{
    module_.unload();
}

std::unique_ptr<CPluginInstance> CDevHost::createInstance()
{
    VstEntryProc entry = module_.entryPoint();
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
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

std::vector<SHostCall> CDevHost::callsWithOpcode(VstInt32 opcode) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<SHostCall> found;
    for (const SHostCall& call : calls_) {
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
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}

void CDevHost::registerEffect(AEffect* effect)
{
    std::lock_guard<std::mutex> lock(registryMutex);
    registry()[effect] = this;
}

void CDevHost::forgetEffect(AEffect* effect)
{
    std::lock_guard<std::mutex> lock(registryMutex);
    registry().erase(effect);
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
    if (opcode == audioMasterCanDo && ptr) {
        call.text = static_cast<const char*>(ptr);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back(call);
    }

    switch (opcode) {
    case audioMasterVersion:
        return settings_.version;
    case audioMasterCurrentId:
        return effect ? effect->uniqueID : 0;
    case audioMasterAutomate:
    case audioMasterWantMidi:
    case audioMasterIdle:
    case audioMasterUpdateDisplay:
    case audioMasterBeginEdit:
    case audioMasterEndEdit:
        return 1;
    case audioMasterIOChanged:
    case audioMasterSizeWindow:
        return 1;
    case audioMasterGetSampleRate:
        return static_cast<VstIntPtr>(settings_.sampleRate);
    case audioMasterGetBlockSize:
        return settings_.blockSize;
    case audioMasterGetTime:
        timeInfo_ = VstTimeInfo{};
        timeInfo_.sampleRate = settings_.sampleRate;
        timeInfo_.tempo = 120.0;
        timeInfo_.timeSigNumerator = 4;
        timeInfo_.timeSigDenominator = 4;
        timeInfo_.flags = kVstTempoValid | kVstTimeSigValid;
        return reinterpret_cast<VstIntPtr>(&timeInfo_);
    case audioMasterGetVendorString:
        copyAnswer(ptr, settings_.vendor, kVstMaxVendorStrLen);
        return ptr ? 1 : 0;
    case audioMasterGetProductString:
        copyAnswer(ptr, settings_.product, kVstMaxProductStrLen);
        return ptr ? 1 : 0;
    case audioMasterGetVendorVersion:
        return settings_.vendorVersion;
    case audioMasterCanDo:
        return (settings_.answersCanDo && !call.text.empty() && settings_.capabilities.count(call.text)) ? 1 : 0;
    case audioMasterGetLanguage:
        return kVstLangEnglish;
    case audioMasterGetCurrentProcessLevel:
        return 0;
    default:
        return 0;
    }
}

}  // namespace DevHost
