// The effect object: what parameter changes leave in the audio path, and its lifetime.
#include "CCorGain.hpp"

#include <gtest/gtest.h>

#include <cmath>

using Corvane::CorGain::CCorGain;

namespace {

VstIntPtr host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

double dB(double value)
{
    return std::pow(10.0, value / 20.0);
}

}  // namespace

TEST(CorGain, CloseDeletesTheEffect)
{
    const long before = CCorGain::CCLASS_THE_CLASS.getInstanceCount();
    AEffect* e = (new CCorGain(host))->getAeffect();
    EXPECT_EQ(CCorGain::CCLASS_THE_CLASS.getInstanceCount(), before + 1);
    EXPECT_EQ(e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f), 1);
    EXPECT_EQ(CCorGain::CCLASS_THE_CLASS.getInstanceCount(), before);
}

TEST(CorGain, ChainSettingsFollowTheParameters)
{
    CCorGain effect(host);
    const auto settings = [&]() { return effect.getChainSettings(); };
    EXPECT_NEAR(settings().makeUpGain, 0.75, 1e-12);  // ratio 0
    EXPECT_NEAR(settings().ceiling, 0.999999, 1e-9);
    effect.setParameter(CCorGain::CCORGAIN_THRESHOLD, 0.6f);  // -20 dB
    effect.setParameter(CCorGain::CCORGAIN_RATIO, 1.0f);      // slope 0.05
    EXPECT_NEAR(settings().ratio, 0.05, 1e-6);
    EXPECT_NEAR(settings().makeUpGain, 6.6844, 1e-4);  // 0.75 at +19 dB
    effect.setParameter(CCorGain::CCORGAIN_SOFT_KNEE, 0.25f);
    EXPECT_NEAR(settings().knee, 0.25, 1e-6);  // the normalised value, not the percentage
    effect.setParameter(CCorGain::CCORGAIN_MASTER, 1.0f);
    EXPECT_NEAR(settings().outputGain, 10.0, 1e-5);
    effect.setParameter(CCorGain::CCORGAIN_EQ_MID, 0.75f);  // +10 dB; the other bands stay at 0 dB
    EXPECT_NEAR(settings().eqLowGain, 1.0, 1e-6);
    EXPECT_NEAR(settings().eqMidGain, dB(10.0), 1e-5);
    EXPECT_TRUE(settings().equaliseKey);

    effect.setParameter(CCorGain::CCORGAIN_LIMIT_THRESHOLD, 0.88f);  // -6 dB
    EXPECT_NEAR(settings().limiterGain, 1.9953, 1e-4);
    effect.setParameter(CCorGain::CCORGAIN_LIMIT_CEILING, 0.9f);  // -5 dB; normalisation unchanged
    EXPECT_NEAR(settings().ceiling, dB(-5.0) - 0.000001, 1e-6);
    EXPECT_NEAR(settings().limiterGain, 1.9953, 1e-4);

    const struct {
        float value, mid, side;
    } weights[] = {
        {0.5f, 1.0f, 1.0f}, {0.25f, 1.0f, 0.5f}, {0.75f, 0.5f, 1.0f}, {0.0f, 1.0f, 0.0f}, {1.0f, 0.0f, 1.0f}};
    for (const auto& c : weights) {
        effect.setParameter(CCorGain::CCORGAIN_MID_SIDE, c.value);
        EXPECT_FLOAT_EQ(settings().midGain, c.mid) << c.value;
        EXPECT_FLOAT_EQ(settings().sideGain, c.side) << c.value;
    }
    // A program change brings every derived value of that program at once.
    effect.setProgram(5);
    EXPECT_NEAR(settings().threshold, -17.5, 1e-5);
    EXPECT_NEAR(settings().makeUpGain, 0.75 * dB(17.5 - 17.5 * (0.05 + 0.25f * 0.95f)), 1e-4);
    EXPECT_TRUE(settings().makeUp && settings().limit && settings().compress);
}

TEST(CorGain, ProgramCopyRefusesIndicesOutsideTheBank)
{
    CCorGain effect(host);
    effect.setProgram(5);
    effect.setParameter(CCorGain::CCORGAIN_MASTER, 0.9f);
    EXPECT_TRUE(effect.copyProgram(8));
    EXPECT_FALSE(effect.copyProgram(10));
    EXPECT_FALSE(effect.copyProgram(-1));
    effect.setProgram(8);
    EXPECT_FLOAT_EQ(effect.getParameter(CCorGain::CCORGAIN_MASTER), 0.9f);
    char name[32];
    effect.getProgramName(name);
    EXPECT_STREQ(name, "Bass");
}
