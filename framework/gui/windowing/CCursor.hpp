#pragma once

#include "basics/CCountedObject.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * A pointer shape, by name; each platform's window maps the shape to its own
 * pointer. Controls ask their window for one through IWindow::setCursor.
 */
class CCursor : public Corvane::Basics::CCountedObject {
public:
    enum ECursorShape : long {
        CCURSOR_SHAPE_ARROW = 0,
        CCURSOR_SHAPE_HAND = 1
    };

    static const CCursor CCURSOR_ARROW;
    static const CCursor CCURSOR_HAND;

    explicit CCursor(ECursorShape shape = CCURSOR_SHAPE_ARROW);
    CCursor(const CCursor& other);
    CCursor& operator=(const CCursor& other);
    ~CCursor() override;

    ECursorShape getShape() const { return m_shape; }
    bool operator==(const CCursor& other) const { return m_shape == other.m_shape; }

    CVN_DECLARE_CLASS

private:
    ECursorShape m_shape;
};

}}}  // namespace Corvane::GUI::Windowing
