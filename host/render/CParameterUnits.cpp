#include "CParameterUnits.hpp"

#include "CNameResolver.hpp"
#include "CRenderError.hpp"

#include "CCorGainParameterTable.hpp"
#include "SCorGainParameter.hpp"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace Tenvira { namespace Render {

using Corvane::CorGain::CCorGainParameterTable;
using Corvane::CorGain::SCorGainParameter;

namespace {

const CCorGainParameterTable& table()
{
    static const CCorGainParameterTable parameters;
    return parameters;
}

int parameterIndex(const std::string& name)
{
    std::vector<std::string> names;
    for (int index = 0; index < CCorGainParameterTable::CCORGAINPARAMETERTABLE_SIZE; ++index) {
        char text[CVstParam::CVSTPARAM_TEXT_SIZE];
        table().getParameter(index).GetName(text);
        names.emplace_back(text);
    }
    try {
        return CNameResolver::resolveParameter(name, names);
    } catch (const CRenderError& error) {
        throw CUsageError(error.what());
    }
}

float stopValue(int index, const std::string& name, const std::string& value)
{
    std::string stops;
    for (int stop = 0; stop < table().getStopCount(index); ++stop) {
        char text[CVstParam::CVSTPARAM_TEXT_SIZE];
        table().getStopName(index, stop, text);
        if (CNameResolver::sameName(value, text))
            return table().valueForUnits(index, stop);
        stops += std::string(stop == 0 ? "" : ", ") + text;
    }
    if (stops.empty())
        throw CUsageError("value for \"" + name + "\" is not a number: \"" + value + "\"");
    throw CUsageError("\"" + name + "\" has no choice \"" + value + "\"; it has " + stops);
}

std::string numberText(double value)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%g", value);
    return text;
}

}  // namespace

float CParameterUnits::normalisedValue(const std::string& name, const std::string& value)
{
    const int index = parameterIndex(name);
    const char* begin = value.c_str();
    char* end = nullptr;
    errno = 0;
    const double number = std::strtod(begin, &end);
    if (end == begin)
        return stopValue(index, name, value);
    if (errno == ERANGE || !std::isfinite(number))
        throw CUsageError("value for \"" + name + "\" is not a number: \"" + value + "\"");

    std::string unit(end);
    while (!unit.empty() && unit.front() == ' ')
        unit.erase(0, 1);
    char expected[CVstParam::CVSTPARAM_TEXT_SIZE];
    table().getUnit(index, expected);
    const bool ratio = index == SCorGainParameter::CCORGAIN_RATIO;
    if (unit.empty() ? !ratio : (expected[0] == '\0' || !CNameResolver::sameName(unit, expected))) {
        throw CUsageError("value for \"" + name + "\" must lie within 0..1 (normalised)" +
                          (expected[0] == '\0' ? "" : " or carry its unit, " + std::string(expected)) + ", got \"" +
                          value + "\"");
    }
    // The range in units, compared at the plug-in's own single precision.
    const double lowest = table().unitsFor(index, 0.0f);
    const double highest = table().unitsFor(index, 1.0f);
    const float units = static_cast<float>(number);
    if (units < static_cast<float>(lowest) || units > static_cast<float>(highest)) {
        throw CUsageError("value for \"" + name + "\" must lie within " + numberText(static_cast<float>(lowest)) +
                          ".." + numberText(static_cast<float>(highest)) + " " + expected + ", got \"" + value + "\"");
    }
    return table().valueForUnits(index, number);
}

}}  // namespace Tenvira::Render
