#include "CEditorPictureFixture.hpp"

#include "gui/controls/CControlRoot.hpp"
#include "gui/controls/CTextLabel.hpp"
#include "vst/CVstWindow.hpp"

#include "AudioEffect.hpp"

namespace TenviraEditorTests {

::testing::AssertionResult CEditorPictureFixture::shows(const CExpectedEditor& expected)
{
    ::testing::AssertionResult shown = expected.isShownIn(m_window->capture(), observer());
    for (int index = 0; shown && index < CExpectedEditor::PARAMETERS; ++index) {
        if (labelTextHeld(index) != expected.label(index)) {
            shown = ::testing::AssertionFailure() << "label " << index << " holds \"" << labelTextHeld(index)
                                                  << "\" instead of \"" << expected.label(index) << "\"";
        }
    }
    return shown;
}

::testing::AssertionResult CEditorPictureFixture::idleUntilShown(const CExpectedEditor& expected)
{
    idleUntil(*m_window, [&] { return shows(expected); });
    return shows(expected);
}

::testing::AssertionResult CEditorPictureFixture::shownWithoutIdle(const CExpectedEditor& expected)
{
    waitWithoutIdle([&] { return shows(expected); });
    return shows(expected);
}

std::string CEditorPictureFixture::labelTextHeld(int index)
{
    // The effect and its editor as the module built them; this test is built from the same headers.
    auto* effect = static_cast<AudioEffect*>(m_instance->effect()->object);
    const auto* editor = static_cast<Corvane::Vst::CVstWindow*>(effect->getEditor());
    const Corvane::GUI::Controls::CControlRoot* root = editor->getControlRoot();
    for (long control = 0; control < root->getNumberOfControls(); ++control) {
        Corvane::GUI::Controls::IControl* label = root->getControlAtIndex(control, true);
        if (label->getUniqueId() == index && std::string(label->getObjectClass().getClassName()) == "CTextLabel") {
            return static_cast<Corvane::GUI::Controls::CTextLabel*>(label)->getText().getString();
        }
    }
    return "(no label)";
}

}  // namespace TenviraEditorTests
