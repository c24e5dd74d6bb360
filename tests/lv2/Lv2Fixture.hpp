// The built LV2 bundle loaded through lilv as a host loads it, beside the VST
// build loaded through the development host, to hear both on the same input.
#pragma once

#include "CDevHost.hpp"
#include "CLv2Instance.hpp"
#include "CLv2World.hpp"
#include "CPluginInstance.hpp"
#include "model/VariedSignal.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class Lv2Fixture : public ::testing::Test {
protected:
    static constexpr const char* URI = "https://tolvek-orvasse.audio/plugins/tenvira";

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    static Lv2Host::CLv2World& world() { return *s_world; }
    // An activated instance at rate, its controls at their defaults.
    static std::unique_ptr<Lv2Host::CLv2Instance> instantiate(double rate = 44100.0);

    // A VST effect opened, set to rate and block and resumed, as a DAW prepares it.
    std::unique_ptr<DevHost::CPluginInstance> createVst(float rate, int block);
    // Its output for the input, block frames at a time.
    static Channels processVst(DevHost::CPluginInstance& effect, const Channels& input, int block);

    static double largestDifference(const Channels& a, const Channels& b);

    DevHost::CDevHost vst;

private:
    static Lv2Host::CLv2World* s_world;
};
