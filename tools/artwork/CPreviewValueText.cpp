#include "CPreviewValueText.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Corvane::CorGain::Artwork {

namespace {

double linear(double value, double minimum, double maximum)
{
    return minimum + (maximum - minimum) * value;
}

double logarithmic(double value, double minimum, double maximum)
{
    return minimum * std::pow(maximum / minimum, value);
}

std::string number(const char* format, double data, const char* suffix)
{
    char text[64];
    std::snprintf(text, sizeof text, format, data);
    return std::string(text) + suffix;
}

const char* stop(double value, const char* first, const char* second, const char* third)
{
    const int index = std::clamp(static_cast<int>(value * 3.0), 0, 2);
    return index == 0 ? first : (index == 1 ? second : third);
}

}  // namespace

std::string CPreviewValueText::text(int parameter, double value, bool on)
{
    value = std::clamp(value, 0.0, 1.0);
    switch (parameter) {
    case 0:
        return number(" %.2f", linear(value, -20.0, 20.0), " dB");
    case 1:
    case 18:
    case 19:
        return number(" %.2f", linear(value, -50.0, 0.0), " dB");
    case 2:
        // The ratio knob's parameter holds the inverted value; 0 reads 1:1 and 1 reads 20:1.
        return number(" %.2f", 1.0 / linear(1.0 - value, 0.05, 1.0), " :1");
    case 3:
    case 4:
    case 17:
        return number(" %.1f", logarithmic(value, 1.0, 1000.0), " ms");
    case 5:
        if (value == 1.0) {
            return "Wet";
        }
        return value == 0.0 ? " Dry" : number(" %.2f", value, " ");
    case 6:
    case 7:
    case 8:
        return number(" %.2f", linear(value, -20.0, 20.0), " dB");
    case 9:
        return on ? "External" : "Internal";
    case 10:
        return on ? "Input " : "Output ";
    case 11:
        return on ? "On " : "Off ";
    case 12:
        return stop(value, "Left", "Stereo", "Right");
    case 13:
        return number(" %.2f", linear(value, 0.0, 100.0), " %");
    case 14:
        return stop(value, "Bypass", "Soft", "Dirty");
    case 15:
        return number(" %.2f", linear(value, -1.0, 1.0), " ");
    case 16:
        return on ? "On" : "Off";
    default:
        return "";
    }
}

}  // namespace Corvane::CorGain::Artwork
