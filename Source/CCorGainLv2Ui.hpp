// Tenvira's editor in an LV2 host's window: the plug-in's X11 UI. The editor
// opens inside the window the host passes as ui:parent and is served by the
// host's idle calls. The host's port events (controls in units, the output
// level) reach it as the normalised values the VST build gives it, through
// the parameter table's one mapping; what the user changes goes back to the
// host's control inputs in units, through the same mapping. Every call comes
// from the host's user-interface thread.
#pragma once

#include "CCorGainEditor.hpp"
#include "CCorGainParameterTable.hpp"
#include "SCorGainParameter.hpp"

#include "lv2/CLv2ControlEchoes.hpp"
#include "lv2/CLv2Ui.hpp"
#include "plugin/IPluginController.hpp"

#include <cstdint>
#include <memory>

namespace Corvane { namespace CorGain {

class CCorGainLv2Ui : public Lv2::CLv2Ui, private Plugin::IPluginController {
public:
    // The editor's artwork, inside the bundle.
    static constexpr const char* CCORGAINLV2UI_RESOURCE_FOLDER = "resources";

    // The editor open in the host's ui:parent window, at its size at the host's ui:scaleFactor (or as the
    // editor chooses without one), which the host is told through ui:resize when it offers that. Throws when the host gave no parent, there is no display or the parent is gone.
    explicit CCorGainLv2Ui(const Lv2::SLv2UiHost& host);
    ~CCorGainLv2Ui() override;

    LV2UI_Widget getWidget() const override;
    void portEvent(std::uint32_t port, std::uint32_t size, std::uint32_t format, const void* buffer) override;
    // Serves the editor. An editor embedded in the host's window never closes itself: always 0.
    int idle() override;
    // The editor takes the host's new factor at once and asks the host for its new size.
    void setHostScaleFactor(double factor) override;

private:
    // The user's change, to the host's control input in units.
    void setParameterFromEditor(long index, float value) override;
    // Through ui:resize; false when the host does not offer it or refuses.
    bool resizeEditor(long width, long height) override;

    CCorGainParameterTable m_table;
    std::unique_ptr<CCorGainEditor> m_editor;
    LV2UI_Write_Function m_write;
    LV2UI_Controller m_controller;
    LV2UI_Resize m_resize;
    // The user's values the host has not reported back yet: its reports of them are not changes for the
    // editor, which shows them already (a report shown would move a knob back during a drag, or give a label
    // the host's text for the user's change).
    Lv2::CLv2ControlEchoes m_echoes;
};

}}  // namespace Corvane::CorGain
