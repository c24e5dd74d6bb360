#include "Lv2Fixture.hpp"

#include <algorithm>
#include <cmath>
#include <random>

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

Channels Lv2Fixture::renderVst(float rate, int program, const std::vector<std::pair<int, float>>& settings,
                               const Channels& input, int block)
{
    auto effect = createVst(rate, block);
    effect->setProgram(program);
    for (const auto& setting : settings) {
        effect->setParameter(setting.first, setting.second);
    }
    Channels output = processVst(*effect, input, block);
    effect->close();
    return output;
}

Channels Lv2Fixture::testSignal(float rate, float seconds)
{
    const size_t frames = static_cast<size_t>(rate * seconds);
    Channels in(4, std::vector<float>(frames, 0.0f));
    std::mt19937 random(99);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    const double twoPi = 6.283185307179586;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double phase = t / seconds;
        double left = 0.0;
        double right = 0.0;
        if (phase < 0.3) {
            left = 0.6 * std::sin(twoPi * 220.0 * t) + 0.2 * std::sin(twoPi * 3100.0 * t);
            right = 0.5 * std::sin(twoPi * 330.0 * t);
        } else if (phase < 0.5) {
            const bool burst = std::fmod(t, 0.1) < 0.03;
            left = burst ? 0.9 * noise(random) : 0.05 * noise(random);
            right = burst ? 0.7 * noise(random) : 0.0;
        } else if (phase < 0.7) {
            const double since = t - 0.6 * seconds;
            left = since > 0.0 ? 1.4 * std::exp(-since * 40.0) * std::sin(twoPi * 90.0 * t) : 0.0;
            right = -left;
        } else {
            left = 0.01 * std::sin(twoPi * 1000.0 * t);
            right = 0.3 * std::sin(twoPi * 60.0 * t) * std::sin(twoPi * 0.7 * t);
        }
        in[0][i] = static_cast<float>(left);
        in[1][i] = static_cast<float>(right);
        in[2][i] = static_cast<float>(0.8 * std::sin(twoPi * 55.0 * t) * (std::fmod(t, 0.5) < 0.1 ? 1.0 : 0.1));
        in[3][i] = 0.3f * noise(random);
    }
    return in;
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
