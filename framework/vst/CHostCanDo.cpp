#include "vst/CHostCanDo.hpp"

#include "exceptions/CException.hpp"

#include "AudioEffectX.hpp"

#include <cstring>

namespace Corvane { namespace Vst {

const char* const CHostCanDo::CHOSTCANDO_CAPABILITY_STRINGS[CHOSTCANDO_NUMBER_OF_CAPABILITIES] = {
    "sendVstEvents",
    "sendVstMidiEvent",
    "sendVstTimeInfo",
    "receiveVstEvents",
    "receiveVstMidiEvent",
    "receiveVstTimeInfo",
    "reportConnectionChanges",
    "acceptIOChanges",
    "sizeWindow",
    "asyncProcessing",
    "offline",
    "supplyIdle",
    "supportShell",
    "editFile",
    "closeFileSelector",
    "startStopProcess"};

CHostCanDo::CHostCanDo() : m_canDo(), m_hostProduct(" "), m_hostVendor(" "), m_hostVendorVersion(0) {}

CHostCanDo::~CHostCanDo() = default;

void CHostCanDo::initialise()
{
    for (bool& flag : m_canDo) {
        flag = false;
    }
    m_hostProduct = " ";
    m_hostVendor = " ";
    m_hostVendorVersion = 0;
}

void CHostCanDo::setFromAudioEffectX(AudioEffectX* effect)
{
    if (effect == nullptr) {
        throw Exceptions::CException("Effect is NULL", "CHostCanDo::setFromAudioEffectX(AudioEffectX *)", true);
    }
    initialise();
    for (int i = 0; i < CHOSTCANDO_NUMBER_OF_CAPABILITIES; ++i) {
        char capability[64];
        std::strncpy(capability, CHOSTCANDO_CAPABILITY_STRINGS[i], sizeof(capability) - 1);
        capability[sizeof(capability) - 1] = '\0';
        m_canDo[i] = effect->canHostDo(capability) != 0;
    }
    // Hosts fill up to 64 characters; the buffer is larger and terminated regardless.
    char buffer[256];
    std::memset(buffer, 0, sizeof(buffer));
    effect->getHostProductString(buffer);
    buffer[sizeof(buffer) - 1] = '\0';
    m_hostProduct = buffer;
    std::memset(buffer, 0, sizeof(buffer));
    effect->getHostVendorString(buffer);
    buffer[sizeof(buffer) - 1] = '\0';
    m_hostVendor = buffer;
    m_hostVendorVersion = effect->getHostVendorVersion();
}

bool CHostCanDo::canDo(ECapability capability) const
{
    return capability >= 0 && capability < CHOSTCANDO_NUMBER_OF_CAPABILITIES && m_canDo[capability];
}

}}  // namespace Corvane::Vst
