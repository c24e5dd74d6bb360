// The module's exported functions. Everything else in the module is hidden.
#include <iostream>

#include "CCorGain.hpp"
#include "CPluginEntry.hpp"

#define TENVIRA_EXPORT extern "C" __attribute__((visibility("default")))

extern "C" {
__attribute__((visibility("default"))) char versionString[128] = {0};
}

TENVIRA_EXPORT void InitialiseLibrary();
TENVIRA_EXPORT void UninitialiseLibrary();
TENVIRA_EXPORT AEffect* VSTPluginMain(audioMasterCallback audioMaster);
TENVIRA_EXPORT char* ConstructPluginVersion();

namespace {

AudioEffect* constructCorGain(audioMasterCallback audioMaster)
{
    return new Corvane::CorGain::CCorGain(audioMaster);
}

// Starts the framework when the module is loaded and stops it when it is unloaded.
struct SLibraryLifetime {
    SLibraryLifetime() { InitialiseLibrary(); }
    ~SLibraryLifetime() { UninitialiseLibrary(); }
};

SLibraryLifetime libraryLifetime;

}  // namespace

void InitialiseLibrary()
{
    Corvane::CorGain::CPluginEntry::startLibrary();
}

void UninitialiseLibrary()
{
    Corvane::CorGain::CPluginEntry::stopLibrary();
}

AEffect* VSTPluginMain(audioMasterCallback audioMaster)
{
    return Corvane::CorGain::CPluginEntry::createEffect(audioMaster, &constructCorGain);
}

char* ConstructPluginVersion()
{
    return Corvane::CorGain::CPluginEntry::constructVersion(versionString, sizeof(versionString), __DATE__, __TIME__);
}
