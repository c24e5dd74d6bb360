#include "DspMath.hpp"

double dB2lin(double dB)
{
    const double DB_2_LOG = 0.11512925464970228;
    return std::exp(dB * DB_2_LOG);
}

double lin2dB(double x)
{
    const double LOG_2_DB = 8.685889638065037;
    return std::log(x) * LOG_2_DB;
}
