#pragma once

#include <cstddef>

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * The screen scale factors a window tree is drawn at (CWindow::setScaleFactor)
 * and how the desktop's settings turn into one. 96 dots per inch is factor 1.
 */
class CScaleFactor {
public:
    static constexpr double CSCALEFACTOR_SMALLEST = 1.0;
    static constexpr double CSCALEFACTOR_LARGEST = 3.0;
    static constexpr double CSCALEFACTOR_DPI_OF_ONE = 96.0;

    /** The steps offered: 1, 1.25, 1.5, 1.75, 2, 2.5, 3. */
    static std::size_t getNumberOfSteps();
    static double getStep(std::size_t index);
    /** The step nearest to factor (the smaller of two as near); 1 for what is not a number. */
    static double nearestStep(double factor);
    /** factor held within 1 .. 3; 1 for what is not a number. */
    static double clamp(double factor);

    /**
     * The step the desktop's settings ask for: the text of the Xft.dpi
     * resource (dots per inch) when there is one that reads as a positive
     * number, else the text of GDK_SCALE (a factor); null or unreadable
     * texts say nothing, and without either the factor is 1.
     */
    static double fromDesktopSettings(const char* xftDpi, const char* gdkScale);

    CScaleFactor() = delete;
};

}}}  // namespace Corvane::GUI::Windowing
