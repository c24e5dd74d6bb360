// Every dispatcher opcode with boundary arguments and null pointers: nothing may crash.
#include "PluginFixture.hpp"

#include <cstring>
#include <limits>

TEST_F(PluginFixture, EveryOpcodeSurvivesBoundaryArguments)
{
    auto instance = createPrepared();
    const VstInt32 indices[] = {
        0, 1, -1, 19, 20, 10, std::numeric_limits<VstInt32>::max(), std::numeric_limits<VstInt32>::min()};
    const VstIntPtr values[] = {
        0, 1, -1, 9, 10, std::numeric_limits<VstIntPtr>::max(), std::numeric_limits<VstIntPtr>::min()};
    const float opts[] = {
        0.0f, 1.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), 1e30f};
    for (VstInt32 opcode = 0; opcode <= 79; ++opcode) {
        if (opcode == effClose) {
            continue;  // closing ends the sweep
        }
        for (VstInt32 index : indices) {
            for (VstIntPtr value : values) {
                if (opcode == effSetSpeakerArrangement || opcode == effGetSpeakerArrangement) {
                    value = 0;  // value carries a pointer for these two
                }
                for (float opt : opts) {
                    SCOPED_TRACE(testing::Message()
                                 << "opcode " << opcode << " index " << index << " value " << value << " opt " << opt);
                    instance->dispatch(opcode, index, value, nullptr, opt);
                }
            }
        }
    }
    // Text opcodes with a buffer: the answers stay inside a 24-character host buffer.
    const VstInt32 textOpcodes[] = {effGetProgramName,   effGetParamLabel,        effGetParamDisplay,
                                    effGetParamName,     effGetEffectName,        effGetVendorString,
                                    effGetProductString, effGetProgramNameIndexed};
    for (VstInt32 opcode : textOpcodes) {
        for (VstInt32 index : indices) {
            char text[40];
            std::memset(text, '#', sizeof(text));
            instance->dispatch(opcode, index, 0, text);
            for (size_t i = 24; i < sizeof(text); ++i) {
                ASSERT_EQ(text[i], '#') << "opcode " << opcode << " index " << index;
            }
        }
    }
    // The effect still works after the sweep.
    instance->setProgram(0);
    EXPECT_EQ(instance->parameterDisplay(2), "1.00");
    EXPECT_EQ(instance->close(), 1);
}
