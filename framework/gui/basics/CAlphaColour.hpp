#pragma once

#include "basics/CString.hpp"
#include "gui/basics/CColour.hpp"

namespace Corvane { namespace GUI { namespace Basics {

/**
 * A colour with an 8-bit alpha channel: 255 is opaque, 0 fully transparent.
 * Alpha is straight (not premultiplied) throughout the framework.
 */
class CAlphaColour : public CColour {
public:
    static const CAlphaColour CALPHACOLOUR_BLACK;
    static const CAlphaColour CALPHACOLOUR_WHITE;
    static const CAlphaColour CALPHACOLOUR_RED;
    static const CAlphaColour CALPHACOLOUR_GREEN;
    static const CAlphaColour CALPHACOLOUR_BLUE;
    static const CAlphaColour CALPHACOLOUR_YELLOW;
    static const CAlphaColour CALPHACOLOUR_ORANGE;
    static const CAlphaColour CALPHACOLOUR_TURQUOISE;
    static const CAlphaColour CALPHACOLOUR_PURPLE;
    static const CAlphaColour CALPHACOLOUR_PINK;
    static const CAlphaColour CALPHACOLOUR_LIGHT_GREY;
    static const CAlphaColour CALPHACOLOUR_DARK_GREY;
    /** (0, 0, 0) with alpha 0. */
    static const CAlphaColour CALPHACOLOUR_TRANSPARENT;

    /** Opaque white. */
    CAlphaColour();
    CAlphaColour(unsigned long red, unsigned long green, unsigned long blue, unsigned long alpha = 255);
    /** The colour, opaque. */
    explicit CAlphaColour(const CColour& colour);
    CAlphaColour(const CAlphaColour& other);
    ~CAlphaColour() override;

    CAlphaColour& operator=(const CAlphaColour& other);
    /** Takes the three channels and makes the colour opaque. */
    CAlphaColour& operator=(const CColour& other);
    bool operator==(const CAlphaColour& other) const;
    bool operator!=(const CAlphaColour& other) const { return !(*this == other); }

    using CColour::setColour;
    void setColour(unsigned long red, unsigned long green, unsigned long blue, unsigned long alpha);
    void setAlpha(unsigned long alpha);
    unsigned long getAlpha() const { return m_alpha; }
    /** The same channels with another alpha. */
    CAlphaColour withAlpha(unsigned long alpha) const;

    /** A new colour of the three channels; the caller releases it. */
    CColour* getAsColour() const;
    void getAsColour(CColour& colour) const;

    /** "red,green,blue,alpha". */
    static Corvane::Basics::CString convertToString(const CAlphaColour& colour);
    /** Reads "red,green,blue,alpha"; any other number of fields gives (0, 0, 0, 0). */
    static CAlphaColour convertFromString(const Corvane::Basics::CString& text);

    /** "[red,green,blue,alpha]". */
    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    std::uint32_t m_alpha;
};

}}}  // namespace Corvane::GUI::Basics
