#pragma once

#include "gui/basics/CAlphaColour.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

/**
 * What lines are stroked with: a width in pixels, a colour (its alpha kept),
 * the shape of line ends and of corners. The graphics context applies it at
 * every stroke.
 */
class CPen {
public:
    enum EPenCapStyle : long {
        CPEN_CAP_BUTT = 0,
        CPEN_CAP_SQUARE = 1,
        CPEN_CAP_ROUND = 2
    };
    enum EPenJoinStyle : long {
        CPEN_JOIN_MITRE = 0,
        CPEN_JOIN_ROUND = 1,
        CPEN_JOIN_BEVEL = 2
    };

    /** Black, one pixel wide, butt ends, mitred corners. */
    CPen();
    virtual ~CPen();

    /** Width and colour, butt ends, mitred corners. */
    void initialise(long width, const Basics::CAlphaColour& colour);

    void setWidth(long width);
    /** A fractional width, for smooth artwork. */
    void setLineWidth(double width);
    long getWidth() const;
    double getLineWidth() const { return m_width; }

    void setColour(const Basics::CAlphaColour& colour);
    const Basics::CAlphaColour& getColour() const { return m_colour; }
    void setPen(long width, const Basics::CAlphaColour& colour);

    /** Values other than the three styles are stored and leave the ends as they were. */
    void setCapStyle(EPenCapStyle style);
    EPenCapStyle getCapStyle() const { return m_capStyle; }
    /** The end style strokes use. */
    EPenCapStyle getEffectiveCapStyle() const { return m_effectiveCapStyle; }

    void setJoinStyle(EPenJoinStyle style);
    EPenJoinStyle getJoinStyle() const { return m_joinStyle; }

private:
    double m_width;
    Basics::CAlphaColour m_colour;
    EPenCapStyle m_capStyle;
    EPenCapStyle m_effectiveCapStyle;
    EPenJoinStyle m_joinStyle;
};

}}}  // namespace Corvane::GUI::Graphics
