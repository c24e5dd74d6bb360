// What the module's exported functions do: start and stop the framework, and
// create an effect under the exception guard that turns any failure into a
// crash report and a null result.
#pragma once

#include "basics/CString.hpp"

#include "VstInterface.hpp"

#include <cstddef>

class AudioEffect;

namespace Corvane { namespace CorGain {

class CPluginEntry {
public:
    typedef AudioEffect* (*EffectFactory)(audioMasterCallback audioMaster);

    static constexpr const char* CPLUGINENTRY_CRASH_LOG_NAME = "Tenvira.crash_log";
    static constexpr const char* CPLUGINENTRY_GUARD_REASON =
        "Caught exception in main function of Tenvira. Cannot continue to load";
    static constexpr const char* CPLUGINENTRY_GUARD_FUNCTION = "Exception occurred in Tenvira";

    typedef void (*StartFunction)();

    // Starts the framework with the plug-in's identity. A failure is recorded, never thrown.
    static void startLibrary();
    // The same with another start sequence in place of the framework's.
    static void startLibrary(StartFunction start);
    // Stops the framework.
    static void stopLibrary();
    // True when the last start failed; effects are then refused.
    static bool startFailed();

    // The entry point: asks the host's version, builds the effect with factory
    // and answers its descriptor; null (after a crash report) when anything throws.
    static AEffect* createEffect(audioMasterCallback audioMaster, EffectFactory factory);

    // Fills versionString with "Version %s, Built on : %s at %s" and answers it.
    static char* constructVersion(char* versionString, size_t size, const char* date, const char* time);

    CPluginEntry() = delete;

private:
    static bool CPLUGINENTRY_START_FAILED;
};

}}  // namespace Corvane::CorGain
