// A change the editor makes is not echoed back to it, on the thread that makes
// it; what other threads change meanwhile (automation on the audio thread, the
// output level) still reaches the editor.
#include <gtest/gtest.h>

#include "vst/CVstWindow.hpp"

#include <thread>

TEST(EditorEcho, OnlyTheThreadSettingAParameterFromTheEditorTakesItForTheEditors)
{
    Corvane::Vst::CVstWindow editor(nullptr, Corvane::MathTools::CRect(0, 0, 20, 20), nullptr);
    bool seenElsewhere = true;
    editor.parameterIsBeingSetFromEditor(true);
    EXPECT_TRUE(editor.parameterSetFromEditor());
    std::thread([&] { seenElsewhere = editor.parameterSetFromEditor(); }).join();
    EXPECT_FALSE(seenElsewhere);
    editor.parameterIsBeingSetFromEditor(false);
    EXPECT_FALSE(editor.parameterSetFromEditor());
}
