// The editor and its plug-in in step: user changes sent to the plug-in and
// its host, reported values and the meter level shown at idle.
#include "CCorGainEditor.hpp"
#include "SCorGainParameter.hpp"

#include "gui/controls/CPopupButton.hpp"
#include "gui/controls/IControl.hpp"
#include "gui/events/CActionEvent.hpp"
#include "gui/events/CMenuEvent.hpp"

namespace Corvane { namespace CorGain {

using Corvane::Basics::CString;

namespace {

using P = SCorGainParameter;

std::uint32_t bitOf(long index)
{
    return std::uint32_t{1} << index;
}

CString formatted(const char* format, double number, const char* suffix)
{
    CString text;
    text.setStringWithFormat(format, number);
    text += suffix;
    return text;
}

}  // namespace

bool CCorGainEditor::isChosenFromMenu(long index)
{
    return index == P::CCORGAIN_VALVE || index == P::CCORGAIN_KEY_INPUT;
}

float CCorGainEditor::choiceValue(long item)
{
    switch (item) {
    case 1:
        return 0.45f;
    case 2:
        return 1.0f;
    default:
        return 0.0f;
    }
}

void CCorGainEditor::setParameter(long index, double value)
{
    if (index >= 0 && index < CCORGAINEDITOR_NUMBER_OF_PARAMETERS) {
        m_reportedValues[index].store(static_cast<float>(value), std::memory_order_relaxed);
        m_reportedChanges.fetch_or(bitOf(index), std::memory_order_release);
    } else if (index == CCORGAINEDITOR_METER_LEVEL) {
        m_meterLevel.store(static_cast<float>(value), std::memory_order_relaxed);
    }
}

void CCorGainEditor::idle()
{
    showReportedValues();
    showMeterLevel();
    Vst::CVstWindow::idle();
}

void CCorGainEditor::startVSTWindow()
{
    prepareForScreen();
    showReportedValues();
    showMeterLevel();
}

void CCorGainEditor::showReportedValues()
{
    std::uint32_t changes = m_reportedChanges.exchange(0, std::memory_order_acquire);
    for (int index = 0; changes != 0; ++index, changes >>= 1) {
        if ((changes & 1u) != 0) {
            showParameter(index, m_reportedValues[index].load(std::memory_order_relaxed));
        }
    }
}

void CCorGainEditor::showParameter(int index, float value)
{
    holdDisplayValue(index, value);
    GUI::Controls::IControl* control = m_controls[index].getPointer();
    control->setValue(value);
    control->update();
    m_labels[index]->setText(labelText(index, false));
}

void CCorGainEditor::showMeterLevel()
{
    // Only a change of the lit segments is painted, and only the meter's rectangle.
    const long lit = m_meter->getLitSegments();
    m_meter->setValue(m_meterLevel.load(std::memory_order_relaxed));
    if (m_meter->getLitSegments() != lit) {
        m_meter->update();
    }
}

void CCorGainEditor::handleActionEvent(const GUI::Events::CActionEvent& event)
{
    GUI::Controls::IControl* control = event.getControl();
    const long id = control->getUniqueId();
    if (id == CCORGAINEDITOR_INFORMATION_BUTTON) {
        if (m_aboutWindow.hasPointer()) {
            m_aboutWindow->openWindow();
        }
        return;
    }
    // A click on a pop-up button only opens its menu (or turns the button up): its parameter changes when
    // an item is chosen. Taking the click for a choice would send the previous choice, or the first item.
    if (isChosenFromMenu(id)) {
        return;
    }
    sendChange(id, static_cast<float>(control->getValue()));
}

void CCorGainEditor::handleMenuSelection(const GUI::Events::CMenuEvent& event)
{
    for (long id : {P::CCORGAIN_VALVE, P::CCORGAIN_KEY_INPUT}) {
        const auto* button = static_cast<const GUI::Controls::CPopupButton*>(m_controls[id].getPointer());
        if (button->getMenu() == event.getMenu()) {
            sendChange(id, choiceValue(event.identify()));
        }
    }
}

void CCorGainEditor::handleMenuOpening(const GUI::Events::CMenuEvent&) {}

void CCorGainEditor::handleMenuClosing(const GUI::Events::CMenuEvent&) {}

void CCorGainEditor::sendChange(long id, float value)
{
    Plugin::IPluginController* plugin = getPlugin();
    if (plugin == nullptr || id < 0 || id >= CCORGAINEDITOR_NUMBER_OF_PARAMETERS) {
        return;
    }
    // The user's value is newer than anything the plug-in reported for this parameter before.
    m_reportedChanges.fetch_and(~bitOf(id), std::memory_order_relaxed);
    plugin->setParameterFromEditor(id, value);
    holdDisplayValue(static_cast<int>(id), value);
    m_labels[id]->setText(labelText(static_cast<int>(id), true));
}

void CCorGainEditor::holdDisplayValue(int index, float value)
{
    // The ratio's display parameter holds the slope, which falls as the host value rises.
    m_displayParameters[index]->Set(index == P::CCORGAIN_RATIO ? 1.0f - value : value);
}

CString CCorGainEditor::labelText(int index, bool changedInEditor) const
{
    const CVstParam& parameter = *m_displayParameters[index].getPointer();
    const double data = static_cast<double>(parameter.GetData());
    char display[CVstParam::CVSTPARAM_TEXT_SIZE];
    parameter.GetValue(display);
    switch (index) {
    case P::CCORGAIN_MASTER:
    case P::CCORGAIN_THRESHOLD:
    case P::CCORGAIN_LIMIT_THRESHOLD:
    case P::CCORGAIN_LIMIT_CEILING:
        return formatted(" %.2f", data, " dB");
    case P::CCORGAIN_RATIO:
        // The parameter holds the slope; the label shows the ratio.
        return formatted(" %.2f", 1.0 / data, " :1");
    case P::CCORGAIN_ATTACK:
    case P::CCORGAIN_RELEASE:
    case P::CCORGAIN_LIMIT_RELEASE:
        return formatted(" %.1f", data, " ms");
    case P::CCORGAIN_MIX:
        if (data == 1.0) {
            return "Wet";
        }
        return data == 0.0 ? CString(" Dry") : formatted(" %.2f", data, " ");
    case P::CCORGAIN_EQ_LOW:
    case P::CCORGAIN_EQ_MID:
    case P::CCORGAIN_EQ_HIGH:
        return formatted(" %.2f", data, changedInEditor ? " db" : " dB");
    case P::CCORGAIN_SOFT_KNEE:
        return formatted(" %.2f", data, " %");
    case P::CCORGAIN_MID_SIDE:
        return formatted(" %.2f", data, " ");
    case P::CCORGAIN_MONITOR:
    case P::CCORGAIN_MAKEUP_GAIN:
        return CString(display) += " ";
    case P::CCORGAIN_LIMIT_ON_OFF:
        return changedInEditor ? (CString(display) += " ") : CString(display);
    default:
        return CString(display);
    }
}

}}  // namespace Corvane::CorGain
