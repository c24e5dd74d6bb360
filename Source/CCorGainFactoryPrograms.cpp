#include "CCorGainFactoryPrograms.hpp"

namespace Corvane { namespace CorGain {

namespace {

const char* const kProgramNames[CCorGainFactoryPrograms::CCORGAINFACTORYPROGRAMS_COUNT] = {
    "Default", "Soft master", "Warm master", "Dirty", "Guitar", "Bass", "------------", "Tolvek", "Orvasse", "Audio"};

// Host values of the factory programs 0 to 5; programs 6 to 9 repeat program 0.
const float kFactoryValues[6][SCorGainParameter::SCORGAINPARAMETER_COUNT] = {
    {0.5f, 1.0f, 0.0f, 0.25f, 0.5f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 0.0f, 0.4f, 0.0f,  0.0f, 0.5f, 0.0f, 0.5f, 0.99f, 1.0f},
    {0.5f, 1.0f, 0.6f, 0.3f,  0.65f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 0.0f, 0.4f, 0.25f, 0.0f,  0.5f, 1.0f, 0.5f, 0.99f, 1.0f},
    {0.5f, 1.0f, 0.72f, 0.0f, 0.65f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 0.0f, 0.4f,  0.2f, 0.4f,  0.5f, 1.0f, 0.5f, 0.98f, 0.99f},
    {0.5f, 1.0f, 0.72f, 0.0f, 0.65f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 0.0f, 0.4f,  0.2f, 1.0f,  0.5f, 1.0f, 0.5f, 0.98f, 0.99f},
    {0.5f, 0.82f, 0.6f, 0.65f, 0.6f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 1.0f,  0.4f, 0.2f,  0.4f, 0.5f, 1.0f, 0.5f, 0.99f, 1.0f},
    {0.5f, 0.65f, 0.75f, 0.0f, 0.95f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 1.0f,  0.4f,  0.5f, 0.0f,  0.5f, 1.0f, 0.5f, 0.98f, 0.99f},
};

}  // namespace

const char* CCorGainFactoryPrograms::getName(int program)
{
    return kProgramNames[program];
}

const float* CCorGainFactoryPrograms::getValues(int program)
{
    return kFactoryValues[program < 6 ? program : 0];
}

}}  // namespace Corvane::CorGain
