#pragma once

#include "math/CRect.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

class CCairoContext;

/**
 * The one clip rectangle of a graphics context, in surface pixels (the
 * drawing offset does not move it). Setting a region replaces the previous
 * one, never intersects with it; drawing is then limited to exactly the
 * region's width x height pixels.
 */
class CClip {
public:
    CClip();
    virtual ~CClip();
    CClip(const CClip&) = delete;
    CClip& operator=(const CClip&) = delete;

    /** Starts clipping on context over area, the whole surface. Throws CException "Context is NULL" for a null context. */
    void initialise(CCairoContext* context, const Corvane::MathTools::CRect& area);
    /** Clears the clip and forgets the context. */
    void uninitialise();

    void setCurrentClipRegion(const Corvane::MathTools::CRect& region);
    void getCurrentClipRegion(Corvane::MathTools::CRect& region) const;
    const Corvane::MathTools::CRect& getCurrentClipRegion() const { return m_region; }
    /** Back to the whole area; the clip then counts as not set. */
    void clearClipRegion();

    bool isClipSet() const { return m_clipSet; }
    bool isInitialised() const { return m_initialised; }
    const Corvane::MathTools::CRect& getArea() const { return m_area; }

private:
    bool m_clipSet;
    Corvane::MathTools::CRect m_area;
    Corvane::MathTools::CRect m_region;
    bool m_initialised;
    CCairoContext* m_context;
    // A drawing state is saved before each clip, so the next region can start from the unclipped surface.
    bool m_stateSaved;
};

}}}  // namespace Corvane::GUI::Graphics
