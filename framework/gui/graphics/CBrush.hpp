#pragma once

#include "gui/basics/CAlphaColour.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

/** What areas are filled with: a colour, its alpha kept. */
class CBrush {
public:
    /** White. */
    CBrush();
    virtual ~CBrush();

    void initialise(const Basics::CAlphaColour& colour);
    void setColour(const Basics::CAlphaColour& colour);
    const Basics::CAlphaColour& getColour() const { return m_colour; }

private:
    Basics::CAlphaColour m_colour;
};

}}}  // namespace Corvane::GUI::Graphics
