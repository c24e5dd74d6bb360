#pragma once

#include <string>

namespace Tenvira { namespace Render {

/**
 * Tenvira's parameters in their own units, as --set takes them: a number with
 * the parameter's unit ("-20dB", "30ms", "35%", "4:1"), for "Ratio" also a
 * bare number above 1 (the ratio itself), or a choice's stop by name ("Soft",
 * "External", "On"; case-insensitive). The mapping is the plug-in's own.
 */
class CParameterUnits {
public:
    /**
     * The normalised value VALUE stands for. NAME is a parameter name or index
     * as for CNameResolver. Raises CUsageError for an unknown parameter, a value
     * that is not one of the forms above or lies outside the parameter's range.
     */
    static float normalisedValue(const std::string& name, const std::string& value);
};

}}  // namespace Tenvira::Render
