#pragma once

#include "basics/CCountedObject.hpp"

#include <cstdint>

namespace Corvane { namespace GUI { namespace Basics {

/**
 * An opaque colour of three 8-bit channels (0 ... 255). Channels are stored as
 * given: nothing limits them on construction, and drawing clamps them.
 */
class CColour : public Corvane::Basics::CCountedObject {
public:
    static const CColour CCOLOUR_BLACK;
    static const CColour CCOLOUR_WHITE;
    static const CColour CCOLOUR_RED;
    static const CColour CCOLOUR_GREEN;
    static const CColour CCOLOUR_BLUE;
    static const CColour CCOLOUR_YELLOW;
    static const CColour CCOLOUR_ORANGE;
    static const CColour CCOLOUR_TURQUOISE;
    static const CColour CCOLOUR_PURPLE;
    static const CColour CCOLOUR_PINK;
    static const CColour CCOLOUR_LIGHT_GREY;
    static const CColour CCOLOUR_DARK_GREY;

    /** White. */
    CColour();
    CColour(unsigned long red, unsigned long green, unsigned long blue);
    CColour(const CColour& other);
    ~CColour() override;

    CColour& operator=(const CColour& other);
    bool operator==(const CColour& other) const;
    bool operator!=(const CColour& other) const { return !(*this == other); }
    /** Channel-wise sum, each channel held at 255. */
    CColour& operator+=(const CColour& other);

    void setColour(unsigned long red, unsigned long green, unsigned long blue);
    unsigned long getRed() const { return m_red; }
    unsigned long getGreen() const { return m_green; }
    unsigned long getBlue() const { return m_blue; }

    /** "[red,green,blue]". */
    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    std::uint32_t m_red;
    std::uint32_t m_green;
    std::uint32_t m_blue;
};

}}}  // namespace Corvane::GUI::Basics
