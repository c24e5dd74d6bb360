#pragma once

#include "gui/controls/CControl.hpp"

namespace Corvane { namespace GUI { namespace Controls {

/**
 * A row or column of segments lit in proportion to the value: a column when
 * the area is narrower than it is tall, lit from the bottom up, else a row lit
 * from the left. The segments sit 2 pixels in from the edges and 2 pixels
 * apart; the first lit one has the start colour and each further one steps
 * towards the end colour. The meter takes no part in the mouse: it has no
 * listener and ignores every event.
 *
 * @code
 * CLevelMeter* meter = new CLevelMeter(root, -1, CRect(404, 64, 40, 270), 50);  // 50 segments of 36 x 3
 * meter->setLineColour(CAlphaColour::CALPHACOLOUR_TURQUOISE, CAlphaColour::CALPHACOLOUR_TURQUOISE);
 * meter->setValue(level);  // 0.5 lights the bottom 25
 * meter->update();
 * @endcode
 */
class CLevelMeter : public CControl {
public:
    /** Blue, stepping towards white. Fewer than one segment are taken as one. */
    CLevelMeter(IControlRoot* root, long id, const Corvane::MathTools::CRect& area, long numberOfSegments = 10);
    ~CLevelMeter() override;

    /** The first lit segment's colour, and the colour each further segment steps towards. */
    virtual void setLineColour(const Basics::CAlphaColour& start, const Basics::CAlphaColour& end);
    /** Holds the value within 0 ... 1 (NaN as 0) and lights that share of the segments, rounded up; no redraw. */
    void setValue(double value) override;
    /** Lays the segments out again for the new size. */
    void setArea(const Corvane::MathTools::CRect& area) override;

    long getNumberOfSegments() const { return m_numberOfSegments; }
    long getLitSegments() const { return m_litSegments; }
    bool isVertical() const { return m_vertical; }
    const Corvane::MathTools::CDimension& getSegmentSize() const { return m_segmentSize; }

    void drawControl(Graphics::CGraphics& graphics) override;

    CVN_DECLARE_CLASS

private:
    void layOutSegments();

    long m_litSegments;
    long m_numberOfSegments;
    bool m_vertical;
    Corvane::MathTools::CDimension m_segmentSize;
    Basics::CAlphaColour m_startColour;
    Basics::CAlphaColour m_endColour;
    long m_colourStep[3];
};

}}}  // namespace Corvane::GUI::Controls
