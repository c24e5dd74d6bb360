#include "CCorGainFramework.hpp"

#include "gui/CvnGUI.hpp"
#include "host/CvnCore.hpp"

namespace Corvane { namespace CorGain {

namespace {

const char* const kDeveloper = "Tolvek Orvasse Audio";
const char* const kName = "Tenvira";
const char* const kDescription = "Vst Audio Compressor";
const char* const kIdentifier = "com.TOA.Tenvira";
const char* const kCopyright = "Copyright (c) Tolvek Orvasse Audio. All rights reserved.";

}  // namespace

void CCorGainFramework::start()
{
    CvnCore::start(kDeveloper, kName, kDescription, CCORGAINFRAMEWORK_VERSION, kIdentifier, kCopyright, nullptr);
    CvnGUI::start();
}

void CCorGainFramework::stop()
{
    try {
        CvnCore::stop(nullptr);
    } catch (...) {
    }
    try {
        CvnGUI::stop();
    } catch (...) {
    }
}

}}  // namespace Corvane::CorGain
