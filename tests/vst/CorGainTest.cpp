// The effect object: its lifetime and copying programs.
#include "CCorGain.hpp"

#include <gtest/gtest.h>

using Corvane::CorGain::CCorGain;

namespace {

VstIntPtr host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
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
