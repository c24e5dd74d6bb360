// The editor fixture that reads back what the editor shows and compares it
// with what is expected: the window's pixels, and the label texts the editor
// holds, whose blanks at the end do not show in the picture.
#pragma once

#include "CEditorFixture.hpp"
#include "CExpectedEditor.hpp"

#include <string>

namespace TenviraEditorTests {

class CEditorPictureFixture : public CEditorFixture {
protected:
    // Whether the editor's window shows what is expected and its labels hold the expected texts.
    ::testing::AssertionResult shows(const CExpectedEditor& expected);
    // Idles the editor until it shows what is expected; what differs when the time allowed runs out.
    ::testing::AssertionResult idleUntilShown(const CExpectedEditor& expected);
    // The same without idling: what the last idle drew may still be on its way.
    ::testing::AssertionResult shownWithoutIdle(const CExpectedEditor& expected);
    // The text value label index holds, read from the editor that the loaded plug-in made.
    std::string labelTextHeld(int index);
};

}  // namespace TenviraEditorTests
