#include "Lv2Fixture.hpp"

#include <algorithm>
#include <cmath>

Lv2Host::CLv2World* Lv2Fixture::s_world = nullptr;

void Lv2Fixture::SetUpTestSuite()
{
    s_world = new Lv2Host::CLv2World(TENVIRA_LV2_SPEC_DIR, TENVIRA_LV2_BUNDLE);
}

void Lv2Fixture::TearDownTestSuite()
{
    delete s_world;
    s_world = nullptr;
}

void Lv2Fixture::SetUp()
{
    std::string error;
    ASSERT_TRUE(vst.loadModule(TENVIRA_PLUGIN_PATH, &error)) << error;
}

void Lv2Fixture::TearDown()
{
    vst.unloadModule();
}

std::unique_ptr<Lv2Host::CLv2Instance> Lv2Fixture::instantiate(double rate)
{
    auto instance = std::make_unique<Lv2Host::CLv2Instance>(world(), URI, rate);
    instance->activate();
    return instance;
}

std::unique_ptr<DevHost::CPluginInstance> Lv2Fixture::createVst(float rate, int block)
{
    auto effect = vst.createInstance();
    effect->open();
    effect->setSampleRate(rate);
    effect->setBlockSize(block);
    effect->resume();
    return effect;
}

Channels Lv2Fixture::processVst(DevHost::CPluginInstance& effect, const Channels& input, int block)
{
    const size_t frames = input[0].size();
    Channels output(2, std::vector<float>(frames));
    for (size_t done = 0; done < frames; done += static_cast<size_t>(block)) {
        float* in[4];
        float* out[2] = {output[0].data() + done, output[1].data() + done};
        for (size_t c = 0; c < 4; ++c) {
            in[c] = const_cast<float*>(input[c].data() + done);
        }
        effect.process(in, out, static_cast<VstInt32>(std::min(static_cast<size_t>(block), frames - done)));
    }
    return output;
}

double Lv2Fixture::largestDifference(const Channels& a, const Channels& b)
{
    double largest = a.size() == b.size() ? 0.0 : INFINITY;
    for (size_t c = 0; c < std::min(a.size(), b.size()); ++c) {
        if (a[c].size() != b[c].size()) {
            return INFINITY;
        }
        for (size_t i = 0; i < a[c].size(); ++i) {
            const double d = std::fabs(static_cast<double>(a[c][i]) - b[c][i]);
            largest = std::isnan(d) ? INFINITY : std::max(largest, d);
        }
    }
    return largest;
}
