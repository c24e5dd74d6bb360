#include "DspMath.hpp"
#include "DspVector.hpp"

double dB2lin(double dB)
{
    return std::exp(dB * DSP_DB_TO_LOG);
}

double lin2dB(double x)
{
    return std::log(x) * DSP_LOG_TO_DB;
}
