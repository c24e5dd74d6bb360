// What Tenvira's editor should show, and whether the host's window shows it:
// every knob's frame, every button up or down and every value label's text,
// drawn from the bundle's pictures and the labels' font the way the controls
// draw them, then compared pixel for pixel, control by control. The label
// texts come from the label table written here from the editor's description,
// the values from the tests' plain model.
#pragma once

#include "CEditorScreenFixture.hpp"

#include "CWindowImage.hpp"
#include "model/PlainModel.hpp"

#include <array>
#include <string>

namespace TenviraEditorTests {

// The text of parameter index's value label for the model's value, after a change from the host (or a
// program) or after one made in the editor.
std::string labelText(const PlainModel& model, int index, bool changedInEditor);

class CExpectedEditor {
public:
    static constexpr int PARAMETERS = PlainModel::NUM_PARAMS;

    // Every parameter as the model holds it, as the host set it.
    explicit CExpectedEditor(const PlainModel& model);

    // Parameter index as the model holds it, changed by the host or a program.
    void showHostChange(const PlainModel& model, int index);
    // Parameter index as the model holds it, changed in the editor: a pop-up button is up again after a choice.
    void showEditorChange(const PlainModel& model, int index);

    const std::string& label(int index) const { return m_labels[index]; }

    // Whether every control and label of the picture shows what is expected; what differs when not. The
    // expected picture is painted in an image, as the editor's is.
    ::testing::AssertionResult isShownIn(const DevHost::CWindowImage& picture, Display* display) const;

    // Where the editor shows the control of parameter index, and its value label.
    static SArea controlArea(int index);
    static SArea labelArea(int index);

private:
    std::array<double, PARAMETERS> m_controlValues{};
    std::array<std::string, PARAMETERS> m_labels;
    mutable DevHost::CWindowImage m_expected;
};

}  // namespace TenviraEditorTests
