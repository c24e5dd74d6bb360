// Tenvira's editor as a DAW shows it: the built plug-in loaded through the
// development host, its editor opened in a host window on a private Xvfb,
// driven by real input and read back as pixels.
#pragma once

#include "CEditorScreenFixture.hpp"

#include "CDevHost.hpp"
#include "CHostEditorWindow.hpp"
#include "CPluginInstance.hpp"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace TenviraEditorTests {

class CEditorFixture : public CEditorScreenFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new effect, opened and prepared as a DAW does, with a program chosen.
    std::unique_ptr<DevHost::CPluginInstance> createEffect(int program = 0);
    // A host window at the editor's size, the editor open and painted in it.
    std::unique_ptr<DevHost::CHostEditorWindow> openEditor(DevHost::CPluginInstance& instance);
    // effEditOpen in the window, then idles until the editor's picture shows.
    bool showEditor(DevHost::CHostEditorWindow& window);
    // The fixture's effect with its editor open.
    void openFirstEditor(int program = 0);

    bool idleUntil(DevHost::CHostEditorWindow& window, const std::function<bool()>& done);
    bool idleUntilParameter(VstInt32 index, float value);
    // Waits without idling the editor: what its last idle drew may still be on its way.
    bool waitWithoutIdle(const std::function<bool()>& done);

    unsigned long editorWindowId() override { return m_window->windowId(); }
    DevHost::CWindowImage captureEditor() override { return m_window->capture(); }

    DevHost::CDevHost m_host;
    std::unique_ptr<DevHost::CPluginInstance> m_instance;
    std::unique_ptr<DevHost::CHostEditorWindow> m_window;
};

}  // namespace TenviraEditorTests
