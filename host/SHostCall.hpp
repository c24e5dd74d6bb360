// One request a plug-in sent to the development host.
#pragma once

#include "VstInterface.hpp"

#include <string>
#include <thread>

namespace DevHost {

struct SHostCall {
    const AEffect* effect = nullptr;  // null while the effect is being built
    VstInt32 opcode = 0;
    VstInt32 index = 0;
    VstIntPtr value = 0;
    float opt = 0.0f;
    std::string text;        // the capability string of audioMasterCanDo
    std::thread::id thread;  // the thread the plug-in called from
};

}  // namespace DevHost
