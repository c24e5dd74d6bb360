#include "math/CParameter.hpp"

#include <cmath>
#include <cstdio>
#include <limits>

namespace Corvane { namespace MathTools {

CVN_IMPLEMENT_CLASS(CParameter, "CCountedObject")

CParameter::CParameter() : m_value(0.0), m_minimum(0.0), m_maximum(0.0), m_range(0.0)
{
    CVN_CONSTRUCT_CLASS;
}

CParameter::CParameter(double minimum, double maximum, double normalised) : CParameter()
{
    setRange(minimum, maximum);
    setValue(normalised);
}

CParameter::CParameter(const CParameter& other)
    : Basics::CCountedObject(),
      m_value(other.m_value),
      m_minimum(other.m_minimum),
      m_maximum(other.m_maximum),
      m_range(other.m_range)
{
    CVN_CONSTRUCT_CLASS;
}

CParameter& CParameter::operator=(const CParameter& other)
{
    m_value = other.m_value;
    m_minimum = other.m_minimum;
    m_maximum = other.m_maximum;
    m_range = other.m_range;
    return *this;
}

CParameter::~CParameter()
{
    CVN_DESTRUCT_CLASS;
}

void CParameter::setRange(double minimum, double maximum)
{
    if (maximum >= minimum) {
        m_minimum = minimum;
        m_maximum = maximum;
        m_range = maximum - minimum;
    }
}

void CParameter::getValue(Basics::CString& out) const
{
    out.setStringWithFormat("%.2f", m_value);
}

double CParameter::getValue() const
{
    return m_value;
}

void CParameter::setValue(double normalised)
{
    m_value = normalised * m_range + m_minimum;
}

double CParameter::setAndGetValue(double normalised)
{
    setValue(normalised);
    return getValue();
}

long CParameter::doubleToLong(long minimum, long maximum, double normalised)
{
    const double result = std::ceil(static_cast<double>(minimum) + static_cast<double>(maximum - minimum) * normalised);
    // Converting a value a long cannot hold is undefined: a level that is not
    // a number counts as the bottom, one beyond the range of a long is held at its end.
    if (std::isnan(result)) {
        return minimum;
    }
    if (result >= static_cast<double>(std::numeric_limits<long>::max())) {
        return std::numeric_limits<long>::max();
    }
    if (result <= static_cast<double>(std::numeric_limits<long>::min())) {
        return std::numeric_limits<long>::min();
    }
    return static_cast<long>(result);
}

double CParameter::longToDouble(long minimum, long maximum, long value)
{
    if (maximum == minimum) {
        // An empty range has no position inside it; answer the bottom instead of dividing by zero.
        return 0.0;
    }
    return static_cast<double>(value - minimum) * (0.99999 / static_cast<double>(maximum - minimum));
}

double CParameter::doubleToDouble(double minimum, double maximum, double normalised)
{
    return minimum + (maximum - minimum) * normalised;
}

void CParameter::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<size_t>(size), "[%f in %f ... %f]", m_value, m_minimum, m_maximum);
    }
}

}}  // namespace Corvane::MathTools
