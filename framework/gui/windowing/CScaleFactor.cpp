#include "gui/windowing/CScaleFactor.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Corvane { namespace GUI { namespace Windowing {

namespace {

const double kSteps[] = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// A positive number and nothing but blanks after it; 0 otherwise.
double positiveNumber(const char* text)
{
    if (text == nullptr) {
        return 0.0;
    }
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text) {
        return 0.0;
    }
    while (*end == ' ' || *end == '\t' || *end == '\n') {
        ++end;
    }
    return *end == '\0' && value > 0.0 && std::isfinite(value) ? value : 0.0;
}

}  // namespace

std::size_t CScaleFactor::getNumberOfSteps()
{
    return sizeof(kSteps) / sizeof(kSteps[0]);
}

double CScaleFactor::getStep(std::size_t index)
{
    return kSteps[std::min(index, getNumberOfSteps() - 1)];
}

double CScaleFactor::clamp(double factor)
{
    return std::isnan(factor) ? CSCALEFACTOR_SMALLEST
                              : std::min(CSCALEFACTOR_LARGEST, std::max(CSCALEFACTOR_SMALLEST, factor));
}

double CScaleFactor::nearestStep(double factor)
{
    const double held = clamp(factor);
    double best = kSteps[0];
    for (double step : kSteps) {
        if (std::fabs(step - held) < std::fabs(best - held)) {
            best = step;
        }
    }
    return best;
}

double CScaleFactor::fromDesktopSettings(const char* xftDpi, const char* gdkScale)
{
    const double dpi = positiveNumber(xftDpi);
    if (dpi > 0.0) {
        return nearestStep(dpi / CSCALEFACTOR_DPI_OF_ONE);
    }
    const double scale = positiveNumber(gdkScale);
    return scale > 0.0 ? nearestStep(scale) : CSCALEFACTOR_SMALLEST;
}

}}}  // namespace Corvane::GUI::Windowing
