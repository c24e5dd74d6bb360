// Loads the built plug-in into a development host for each test.
#pragma once

#include "CDevHost.hpp"
#include "CPluginInstance.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class PluginFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new effect as a host scanning its plug-ins makes it. Both throw, failing the test, when there is none.
    std::unique_ptr<DevHost::CPluginInstance> create();
    // A new effect, opened and prepared as a DAW prepares it.
    std::unique_ptr<DevHost::CPluginInstance> createPrepared(float sampleRate = 44100.0f, VstInt32 blockSize = 512);

    DevHost::CDevHost host;
};
