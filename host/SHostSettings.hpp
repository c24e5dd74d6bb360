// How the development host answers a plug-in's questions.
#pragma once

#include "VstInterface.hpp"

#include <set>
#include <string>

namespace DevHost {

struct SHostSettings {
    VstIntPtr version = kVstVersion;  // answer to audioMasterVersion; 0 acts as a host too old to load
    float sampleRate = 44100.0f;      // answer to audioMasterGetSampleRate (0 as a scanning host does)
    VstInt32 blockSize = 512;         // answer to audioMasterGetBlockSize
    std::string vendor = "Tenvira Development";
    std::string product = "DevHost";
    VstInt32 vendorVersion = 1;
    std::set<std::string> capabilities{"sendVstEvents", "sendVstMidiEvent", "sizeWindow", "supplyIdle"};
    bool answersCanDo = true;  // false: every audioMasterCanDo is answered 0
};

}  // namespace DevHost
