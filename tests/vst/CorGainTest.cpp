// The effect object itself: what each parameter change leaves in the audio path, and its lifetime.
#include "CCorGain.hpp"

#include <gtest/gtest.h>

#include <cmath>

using Corvane::CorGain::CCorGain;

namespace {

VstIntPtr host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

double dB(double value) { return std::pow(10.0, value / 20.0); }

}  // namespace

TEST(CorGain, ClassRecordAndDeletionThroughClose)
{
    const long before = CCorGain::CCLASS_THE_CLASS.getInstanceCount();
    CCorGain* effect = new CCorGain(host);
    EXPECT_STREQ(effect->getObjectClass().getClassName(), "CCorGain");
    EXPECT_STREQ(effect->getObjectClass().getParentName(), "CVstEffect");
    EXPECT_EQ(CCorGain::CCLASS_THE_CLASS.getInstanceCount(), before + 1);
    AEffect* e = effect->getAeffect();
    EXPECT_EQ(e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f), 1);
    EXPECT_EQ(CCorGain::CCLASS_THE_CLASS.getInstanceCount(), before);
}

TEST(CorGain, CompressorSettingsAndMakeUp)
{
    CCorGain effect(host);
    // Program 0: threshold 0 dB, ratio 1:1.
    EXPECT_DOUBLE_EQ(effect.getCompressor().getRatio(), 1.0);
    EXPECT_NEAR(effect.getMakeUpGain(), 0.75, 1e-12);
    effect.setParameter(CCorGain::CCORGAIN_THRESHOLD, 0.6f);  // -20 dB
    effect.setParameter(CCorGain::CCORGAIN_RATIO, 1.0f);      // slope 0.05
    EXPECT_NEAR(effect.getCompressor().getThresh(), -20.0, 1e-5);
    EXPECT_NEAR(effect.getCompressor().getRatio(), 0.05, 1e-6);
    EXPECT_NEAR(effect.getMakeUpGain(), 0.75 * dB(19.0), 1e-4);
    effect.setParameter(CCorGain::CCORGAIN_ATTACK, 0.5f);
    EXPECT_NEAR(effect.getCompressor().getAttack(), 31.6228, 1e-3);
    effect.setParameter(CCorGain::CCORGAIN_RELEASE, 0.0f);
    EXPECT_NEAR(effect.getCompressor().getRelease(), 1.0, 1e-6);
    effect.setParameter(CCorGain::CCORGAIN_SOFT_KNEE, 0.25f);
    EXPECT_NEAR(effect.getCompressor().getKnee(), 0.25, 1e-6);  // the normalised value, not the percentage
}

TEST(CorGain, GainsMixAndSideChain)
{
    CCorGain effect(host);
    EXPECT_NEAR(effect.getOutputGain(), 1.0, 1e-12);
    effect.setParameter(CCorGain::CCORGAIN_MASTER, 1.0f);
    EXPECT_NEAR(effect.getOutputGain(), 10.0, 1e-5);
    effect.setParameter(CCorGain::CCORGAIN_MIX, 0.25f);
    EXPECT_FLOAT_EQ(effect.getMix(), 0.25f);
    effect.setParameter(CCorGain::CCORGAIN_SIDECHAIN, 1.0f);
    EXPECT_EQ(effect.getSideChainMode(), 1);

    struct SMidSide {
        float value;
        float mid;
        float side;
    };
    for (const SMidSide& c : {SMidSide{0.5f, 1.0f, 1.0f}, SMidSide{0.25f, 1.0f, 0.5f}, SMidSide{0.75f, 0.5f, 1.0f},
                              SMidSide{0.0f, 1.0f, 0.0f}, SMidSide{1.0f, 0.0f, 1.0f}}) {
        effect.setParameter(CCorGain::CCORGAIN_MID_SIDE, c.value);
        EXPECT_FLOAT_EQ(effect.getMidGain(), c.mid) << c.value;
        EXPECT_FLOAT_EQ(effect.getSideGain(), c.side) << c.value;
    }

    effect.setParameter(CCorGain::CCORGAIN_EQ_MID, 0.75f);  // +10 dB; the other bands stay at 0 dB
    EXPECT_NEAR(effect.getLeftEQ().getLowGain(), 1.0, 1e-6);
    EXPECT_NEAR(effect.getLeftEQ().getMidGain(), dB(10.0), 1e-5);
    EXPECT_NEAR(effect.getLeftEQ().getHighGain(), 1.0, 1e-6);
}

TEST(CorGain, LimiterCeilingAndNormalisation)
{
    CCorGain effect(host);
    EXPECT_NEAR(effect.getOutputCeiling(), 0.999999, 1e-9);  // LimitCeil at 0 dB
    effect.setParameter(CCorGain::CCORGAIN_LIMIT_THRESHOLD, 0.88f);  // -6 dB
    EXPECT_NEAR(effect.getLimiter().getThresh(), -6.0, 1e-4);
    EXPECT_NEAR(effect.getLimiterGain(), dB(6.0), 1e-4);
    effect.setParameter(CCorGain::CCORGAIN_LIMIT_CEILING, 0.9f);  // -5 dB; normalisation unchanged
    EXPECT_NEAR(effect.getOutputCeiling(), dB(-5.0) - 0.000001, 1e-6);
    EXPECT_NEAR(effect.getLimiterGain(), dB(6.0), 1e-4);
    effect.setParameter(CCorGain::CCORGAIN_LIMIT_RELEASE, 1.0f);
    EXPECT_NEAR(effect.getLimiter().getRelease(), 1000.0, 1e-2);
    EXPECT_EQ(effect.getAeffect()->initialDelay, effect.getLimiter().getLatency());
}

TEST(CorGain, ProgramCopy)
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
