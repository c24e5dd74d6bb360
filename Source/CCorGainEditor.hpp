// Tenvira's editor: a knob, switch or pop-up button per parameter with a
// value label under each, the output meter and the information button that
// shows the splash, over the background artwork.
//
// The controls belong to the host's user-interface thread. The plug-in reports
// parameter changes and the block peak from whatever thread it runs on: the
// editor stores them and shows them at its next idle. The user's changes go to
// the editor's plug-in (getPlugin), whatever its format.
#pragma once

#include "CCorGainLayout.hpp"
#include "CVstParam.hpp"

#include "basics/CSystemString.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "gui/controls/CLevelMeter.hpp"
#include "gui/controls/CMomentaryButton.hpp"
#include "gui/controls/CTextLabel.hpp"
#include "gui/graphics/IImage.hpp"
#include "gui/listeners/IMenuListener.hpp"
#include "gui/windowing/CAboutWindow.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "vst/CVstWindow.hpp"

#include <atomic>
#include <cstdint>

namespace Corvane { namespace CorGain {

class CCorGainEditor : public Vst::CVstWindow, public GUI::Listeners::IMenuListener {
public:
    static constexpr long CCORGAINEDITOR_WIDTH = CCorGainLayout::CCORGAINLAYOUT_WIDTH;
    static constexpr long CCORGAINEDITOR_HEIGHT = CCorGainLayout::CCORGAINLAYOUT_HEIGHT;
    static constexpr int CCORGAINEDITOR_NUMBER_OF_PARAMETERS = 20;
    // The pseudo-parameter that carries the output level, 0..1 full scale.
    static constexpr long CCORGAINEDITOR_METER_LEVEL = 21;
    // The information button's control id, beside the parameter indices.
    static constexpr long CCORGAINEDITOR_INFORMATION_BUTTON = 22;

    // Needs no display: the window is made when the host opens the editor. The artwork is read from
    // resourceFolder, which the plug-in's format knows.
    CCorGainEditor(AudioEffect* effect, const Corvane::MathTools::CRect& area,
                   GUI::Windowing::CWindowAttributes* attributes, const Corvane::Basics::CSystemString& resourceFolder);
    ~CCorGainEditor() override;
    // The editor as every plug-in format makes it: at the editor's size, over black, titled "Tenvira", with the
    // artwork of resourceFolder. With an effect, it is the effect's editor.
    static CCorGainEditor* create(AudioEffect* effect, const Corvane::Basics::CSystemString& resourceFolder);

    // Shows what the effect reported since the last idle, then serves the window.
    void idle() override;
    // A control changed by the user: the plug-in is set and its host told.
    void handleActionEvent(const GUI::Events::CActionEvent& event) override;
    // The choice in a pop-up button's menu is its parameter's new value; opening and closing change nothing.
    void handleMenuSelection(const GUI::Events::CMenuEvent& event) override;
    void handleMenuOpening(const GUI::Events::CMenuEvent& event) override;
    void handleMenuClosing(const GUI::Events::CMenuEvent& event) override;
    // Any thread: parameters 0..19 and the meter level (21); other indices are ignored.
    void setParameter(long index, double value) override;

    // Whether the user chooses parameter index from a pop-up menu ("Valve Modelling", "Key Input").
    static bool isChosenFromMenu(long index);
    // The value a menu's item (0, 1, 2) gives its parameter: 0, 0.45, 1; other items 0.
    static float choiceValue(long item);

    CVN_DECLARE_CLASS

protected:
    // The values reported before the window opened are shown in its first picture.
    void startVSTWindow() override;

private:
    template <class T>
    using THeld = Collections::TAutomaticPointer<T>;

    struct SImages;

    // Reads the pictures and makes the windows that are needed only once the editor is on the screen.
    void prepareForScreen();
    void createInformationButton(const SControlLayout& placement);
    void createMeter(const SControlLayout& placement);
    void createParameterControl(const SControlLayout& placement, const SImages& images);
    GUI::Controls::IControl* createControlOfKind(const SControlLayout& placement, const SImages& images);
    // The plug-in set and its host told of a change the user made, and the label updated.
    void sendChange(long index, float value);
    void showReportedValues();
    void showParameter(int index, float value);
    void showMeterLevel();
    void holdDisplayValue(int index, float value);
    // The value label's text for the display parameter's current value.
    Corvane::Basics::CString labelText(int index, bool changedInEditor) const;

    const Corvane::Basics::CSystemString m_resourceFolder;
    THeld<CVstParam> m_displayParameters[CCORGAINEDITOR_NUMBER_OF_PARAMETERS];
    THeld<GUI::Controls::IControl> m_controls[CCORGAINEDITOR_NUMBER_OF_PARAMETERS];
    THeld<GUI::Controls::CTextLabel> m_labels[CCORGAINEDITOR_NUMBER_OF_PARAMETERS];
    THeld<GUI::Controls::CLevelMeter> m_meter;
    THeld<GUI::Controls::CMomentaryButton> m_informationButton;
    THeld<GUI::Windowing::CAboutWindow> m_aboutWindow;
    GUI::Windowing::CWindowAttributes m_menuWindowAttributes;

    // Written by the effect's threads, read at idle.
    std::atomic<float> m_reportedValues[CCORGAINEDITOR_NUMBER_OF_PARAMETERS];
    std::atomic<std::uint32_t> m_reportedChanges;
    std::atomic<float> m_meterLevel;
};

}}  // namespace Corvane::CorGain
