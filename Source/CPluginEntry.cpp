#include "CPluginEntry.hpp"

#include "CCorGainFramework.hpp"

#include "exceptions/CException.hpp"
#include "gui/windowing/CDialog.hpp"
#include "host/CApplication.hpp"
#include "vst/CVstExceptionHandler.hpp"

#include "AudioEffect.hpp"
#include "VstStrings.hpp"

#include <cstdio>
#include <cstring>

namespace Corvane { namespace CorGain {

namespace {

void reportFailure(const Exceptions::CException& exception)
{
    Basics::CSystemString path(Host::CApplication::getApplicationInstallPath());
    path.appendPath(CPluginEntry::CPLUGINENTRY_CRASH_LOG_NAME);
    Vst::CVstExceptionHandler::preVstExceptionHandler(exception, path);
}

// The core first, then the GUI toolkit (default font, image manager); neither opens a display. A failed
// effect creation then tells the user in a message window, or on standard error when there is no display.
void startCore()
{
    CCorGainFramework::start();
    Vst::CVstExceptionHandler::setUserAlert(&GUI::Windowing::CDialog::notifyUser);
}

}  // namespace

bool CPluginEntry::CPLUGINENTRY_START_FAILED = false;

void CPluginEntry::startLibrary()
{
    startLibrary(&startCore);
}

void CPluginEntry::startLibrary(StartFunction start)
{
    CPLUGINENTRY_START_FAILED = false;
    try {
        start();
    } catch (...) {
        // Nothing may leave a module initialiser: the host would die while loading.
        CPLUGINENTRY_START_FAILED = true;
    }
}

void CPluginEntry::stopLibrary()
{
    // Unloading goes on whatever the framework says.
    Vst::CVstExceptionHandler::setUserAlert(nullptr);
    CCorGainFramework::stop();
}

bool CPluginEntry::startFailed()
{
    return CPLUGINENTRY_START_FAILED;
}

AEffect* CPluginEntry::createEffect(audioMasterCallback audioMaster, EffectFactory factory)
{
    if (audioMaster == nullptr || factory == nullptr || CPLUGINENTRY_START_FAILED) {
        return nullptr;
    }
    try {
        try {
            if (audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) {
                return nullptr;
            }
            AudioEffect* effect = factory(audioMaster);
            return effect != nullptr ? effect->getAeffect() : nullptr;
        } catch (const Exceptions::CException& exception) {
            reportFailure(Exceptions::CException(exception));
        } catch (...) {
            reportFailure(Exceptions::CException(CPLUGINENTRY_GUARD_REASON, CPLUGINENTRY_GUARD_FUNCTION, true));
        }
    } catch (...) {
        // Even a failing report must not reach the host.
    }
    return nullptr;
}

char* CPluginEntry::constructVersion(char* versionString, size_t size, const char* date, const char* time)
{
    if (versionString == nullptr || size == 0) {
        return versionString;
    }
    char text[256];
    std::snprintf(text, sizeof(text), "Version %s, Built on : %s at %s", CCorGainFramework::CCORGAINFRAMEWORK_VERSION,
                  date, time);
    std::memset(versionString, 0, size);
    vst_strncpy(versionString, text, size - 1);
    return versionString;
}

}}  // namespace Corvane::CorGain
