// A host-automatable parameter: the normalised 0..1 value the host exchanges,
// the value in the parameter's own units, a name, a unit label and the display text.
#pragma once

#include "basics/CCountedObject.hpp"

#include <atomic>
#include <cstddef>

class CVstParam : public Corvane::Basics::CCountedObject {
public:
    // Significant characters of a name, label or stop name; buffers hold one more.
    static constexpr size_t CVSTPARAM_TEXT_LENGTH = 23;
    static constexpr size_t CVSTPARAM_TEXT_SIZE = CVSTPARAM_TEXT_LENGTH + 1;

    CVstParam(const char* name, const char* label, float value);
    ~CVstParam() override;

    // Stores the normalised value and derives the value in the parameter's units.
    virtual void Set(float value);
    virtual float Get() const;
    virtual void GetName(char* text) const;
    // Writes the display text; text must hold CVSTPARAM_TEXT_SIZE characters.
    virtual void GetValue(char* text) const;
    virtual void GetLabel(char* text) const;
    virtual float GetData() const;
    virtual int GetIntData() const;

    // What Set(value) would give, leaving the parameter as it is: the value in
    // the parameter's own units, its whole-number form and the display text.
    virtual float GetDataFor(float value) const;
    virtual int GetIntDataFor(float value) const;
    virtual void GetValueFor(float value, char* text) const;

    // The one mapping between normalised values and the parameter's own units
    // (dB, ms, %, a stop's index), in double precision, and its inverse: the
    // normalised value, held inside 0..1, whose units are closest to units.
    // The inverse of a value's units gives the value back.
    virtual double GetUnitsFor(float value) const;
    virtual float GetNormalisedFor(double units) const;

    CVstParam(const CVstParam&) = delete;
    CVstParam& operator=(const CVstParam&) = delete;

    CVN_DECLARE_CLASS

protected:
    // Copies a rendered text into a caller's buffer, cut to CVSTPARAM_TEXT_LENGTH characters.
    static void copyOut(char* text, const char* rendered);
    // "%g", "%.0f", "%.1f", "%.2f" or "%.3f" by the magnitude of data.
    static void formatByMagnitude(char* text, double data);
    // Nearest integer (floor of x + 0.5), held inside the int range; 0 for NaN.
    static int nearestInt(double x);
    // x truncated toward zero, held inside the int range; 0 for NaN.
    static int truncatedInt(double x);
    // x held inside 0..1; 0 for NaN.
    static float clampedNormalised(double x);

    // Read by the audio thread while another thread sets them.
    std::atomic<float> m_value;
    std::atomic<float> m_data;
    char m_name[CVSTPARAM_TEXT_SIZE];
    char m_label[CVSTPARAM_TEXT_SIZE];
};
