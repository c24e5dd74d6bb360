#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CString.hpp"

namespace Corvane { namespace MathTools {

/** Maps a normalised 0 ... 1 value into a range [minimum, maximum]. */
class CParameter : public Basics::CCountedObject {
public:
    CParameter();
    /** The range is taken only when maximum >= minimum; otherwise it stays 0 ... 0. */
    CParameter(double minimum, double maximum, double normalised);
    CParameter(const CParameter& other);
    CParameter& operator=(const CParameter& other);
    ~CParameter() override;

    /** Ignored unless maximum >= minimum. */
    virtual void setRange(double minimum, double maximum);
    /** The value printed with two decimals. */
    virtual void getValue(Basics::CString& out) const;
    virtual double getValue() const;
    virtual void setValue(double normalised);
    virtual double setAndGetValue(double normalised);

    double getMinimum() const { return m_minimum; }
    double getMaximum() const { return m_maximum; }
    double getRange() const { return m_range; }

    /**
     * Ceiling of minimum + (maximum - minimum) * normalised; minimum for a
     * normalised value that is not a number, the end of a long's range beyond it.
     */
    static long doubleToLong(long minimum, long maximum, double normalised);
    /** (value - minimum) * (0.99999 / (maximum - minimum)); 0 for an empty range. */
    static double longToDouble(long minimum, long maximum, long value);
    static double doubleToDouble(double minimum, double maximum, double normalised);

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    double m_value;
    double m_minimum;
    double m_maximum;
    double m_range;
};

}}  // namespace Corvane::MathTools
