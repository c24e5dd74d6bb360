#include "vst/CVstEffect.hpp"

#include "host/CApplication.hpp"
#include "vst/CVstWindow.hpp"

#include "VstStrings.hpp"

namespace Corvane { namespace Vst {

namespace {

bool copyIdentity(char* text, const Basics::CString& value)
{
    if (text == nullptr) {
        return false;
    }
    vst_strncpy(text, value.getString(), CVstEffect::CVSTEFFECT_MAX_TEXT_LENGTH);
    return true;
}

void writePlaceholder(char* text, const char* placeholder)
{
    vst_strncpy(text, placeholder, CVstEffect::CVSTEFFECT_MAX_TEXT_LENGTH);
}

}  // namespace

CVN_IMPLEMENT_CLASS(CVstEffect, "CCountedObject")

CVstEffect::CVstEffect(audioMasterCallback audioMaster, long numberOfParameters, long numberOfPrograms)
    : AudioEffectX(audioMaster, static_cast<VstInt32>(numberOfPrograms), static_cast<VstInt32>(numberOfParameters)),
      m_hostCanDo(),
      m_tempo(this),
      m_sampleRate(0.0),
      m_blockSize(1024),
      m_blockSizeChanged(false),
      m_sampleRateChanged(false),
      m_midiEvents()
{
    CVN_CONSTRUCT_CLASS;
    m_hostCanDo.initialise();
    m_hostCanDo.setFromAudioEffectX(this);
    m_sampleRate = sampleRate;
    m_blockSize = blockSize;
    m_blockSizeChanged = false;
    m_sampleRateChanged = false;
    setMidiChannel(0);
}

CVstEffect::~CVstEffect()
{
    CVN_DESTRUCT_CLASS;
}

bool CVstEffect::getEffectName(char* name)
{
    return copyIdentity(name, Host::CApplication::getApplicationName());
}

bool CVstEffect::getVendorString(char* text)
{
    return copyIdentity(text, Host::CApplication::getApplicationDeveloper());
}

bool CVstEffect::getProductString(char* text)
{
    return copyIdentity(text, Host::CApplication::getApplicationDescription());
}

void CVstEffect::setSampleRate(float rate)
{
    sampleRate = rate;
    if (static_cast<double>(rate) != m_sampleRate) {
        m_sampleRateChanged = true;
        m_sampleRate = rate;
    }
}

void CVstEffect::setBlockSize(VstInt32 size)
{
    blockSize = size;
    if (size != m_blockSize) {
        m_blockSizeChanged = true;
        m_blockSize = size;
    }
}

void CVstEffect::resume()
{
    AudioEffectX::resume();
}

VstInt32 CVstEffect::processEvents(VstEvents* events)
{
    m_midiEvents.addFromVSTEvent(events);
    return 1;
}

void CVstEffect::processReplacing(float**, float**, VstInt32)
{
    m_midiEvents.clearEvents();
}

void CVstEffect::processDoubleReplacing(double**, double**, VstInt32)
{
    m_midiEvents.clearEvents();
}

void CVstEffect::process(float**, float**, VstInt32)
{
    m_midiEvents.clearEvents();
}

void CVstEffect::getParameterName(VstInt32, char* text)
{
    writePlaceholder(text, "No param");
}

void CVstEffect::getParameterLabel(VstInt32, char* text)
{
    writePlaceholder(text, "No param");
}

void CVstEffect::getParameterDisplay(VstInt32, char* text)
{
    writePlaceholder(text, "No param");
}

void CVstEffect::getProgramName(char* name)
{
    writePlaceholder(name, "Default");
}

bool CVstEffect::getProgramNameIndexed(VstInt32, VstInt32, char* text)
{
    writePlaceholder(text, "Default");
    return true;
}

float CVstEffect::getParameter(VstInt32)
{
    return 0.0f;
}

void CVstEffect::setParameter(VstInt32, float) {}

bool CVstEffect::string2parameter(VstInt32, char*)
{
    return false;
}

bool CVstEffect::setBypass(bool)
{
    return false;
}

VstInt32 CVstEffect::getNumMidiInputChannels()
{
    return 1;
}

void CVstEffect::setMidiChannel(long channel)
{
    m_midiEvents.setChannel(static_cast<int>(channel));
}

long CVstEffect::getComponentVersion()
{
    return 65536;
}

VstIntPtr CVstEffect::vendorSpecific(VstInt32 lArg, VstIntPtr lArg2, void*, float floatArg)
{
    if (lArg != CVSTEFFECT_SCALE_INDEX || lArg2 != CVSTEFFECT_SCALE_VALUE) {
        return 0;
    }
    CVstWindow* window = dynamic_cast<CVstWindow*>(editor);
    return window != nullptr && window->setHostScaleFactor(floatArg) ? 1 : 0;
}

}}  // namespace Corvane::Vst
