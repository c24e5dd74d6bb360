#include "CCorGainLv2Ui.hpp"

#include "CCorGainFactoryPrograms.hpp"
#include "CCorGainLv2Ports.hpp"

#include "basics/CSystemString.hpp"

#include <cmath>
#include <stdexcept>

namespace Corvane { namespace CorGain {

namespace {

using Ports = CCorGainLv2Ports;

bool isControlInput(std::uint32_t port)
{
    return port >= Ports::CCORGAINLV2PORTS_FIRST_CONTROL && port < Ports::CCORGAINLV2PORTS_LATENCY_PORT;
}

}  // namespace

CCorGainLv2Ui::CCorGainLv2Ui(const Lv2::SLv2UiHost& host)
    : m_table(),
      m_editor(),
      m_write(host.write),
      m_controller(host.controller),
      m_resize{nullptr, nullptr},
      m_echoes(Ports::CCORGAINLV2PORTS_COUNT)
{
    void* parent = host.featureData(LV2_UI__parent);
    if (parent == nullptr || host.bundlePath == nullptr || m_write == nullptr) {
        throw std::invalid_argument("the host gave no parent window, bundle or write function");
    }
    Basics::CSystemString resources(host.bundlePath);
    resources.appendPath(CCORGAINLV2UI_RESOURCE_FOLDER);
    m_editor.reset(CCorGainEditor::create(nullptr, resources));
    m_editor->connectPlugin(this);
    // Until the host reports its controls, the editor shows their defaults: program 0.
    const float* defaults = CCorGainFactoryPrograms::getValues(0);
    for (int index = 0; index < SCorGainParameter::SCORGAINPARAMETER_COUNT; ++index) {
        m_editor->setParameter(index, defaults[index]);
    }
    if (const auto* resize = static_cast<const LV2UI_Resize*>(host.featureData(LV2_UI__resize))) {
        m_resize = *resize;
    }
    m_editor->setHostScaleFactor(host.scaleFactor());
    if (!m_editor->open(parent)) {
        throw std::runtime_error("the editor cannot open in the host's window");
    }
    ERect* size = nullptr;
    m_editor->getRect(&size);
    resizeEditor(size->right - size->left, size->bottom - size->top);
}

CCorGainLv2Ui::~CCorGainLv2Ui()
{
    m_editor->close();
}

LV2UI_Widget CCorGainLv2Ui::getWidget() const
{
    return reinterpret_cast<LV2UI_Widget>(static_cast<std::uintptr_t>(m_editor->getWindowHandle()));
}

void CCorGainLv2Ui::portEvent(std::uint32_t port, std::uint32_t size, std::uint32_t format, const void* buffer)
{
    if (format != 0 || size != sizeof(float) || buffer == nullptr) {
        return;
    }
    const float value = *static_cast<const float*>(buffer);
    if (std::isnan(value)) {
        return;
    }
    if (port == Ports::CCORGAINLV2PORTS_LEVEL_PORT) {
        m_editor->setParameter(CCorGainEditor::CCORGAINEDITOR_METER_LEVEL, value);
        return;
    }
    if (!isControlInput(port) || m_echoes.isEcho(port, value)) {
        return;
    }
    const int index = Ports::getPort(port).parameter;
    float normalised = Ports::valueForUnits(m_table, port, value);
    if (CCorGainEditor::isChosenFromMenu(index)) {
        // A stop chosen from a menu is the value the menu gives it, as in the factory programs: the pop-up
        // button shows it as the VST editor does.
        normalised = CCorGainEditor::choiceValue(m_table.getParameter(index).GetIntDataFor(normalised));
    }
    m_editor->setParameter(index, normalised);
}

bool CCorGainLv2Ui::resizeEditor(long width, long height)
{
    return m_resize.ui_resize != nullptr &&
           m_resize.ui_resize(m_resize.handle, static_cast<int>(width), static_cast<int>(height)) == 0;
}

void CCorGainLv2Ui::setHostScaleFactor(double factor)
{
    m_editor->setHostScaleFactor(factor);
}

int CCorGainLv2Ui::idle()
{
    m_echoes.idle();
    m_editor->idle();
    return 0;
}

void CCorGainLv2Ui::setParameterFromEditor(long index, float value)
{
    if (!SCorGainParameter::isParameterIndex(static_cast<int>(index))) {
        return;
    }
    const std::uint32_t port = Ports::CCORGAINLV2PORTS_FIRST_CONTROL + static_cast<std::uint32_t>(index);
    const float units = static_cast<float>(m_table.unitsFor(static_cast<int>(index), value));
    // Before the write: some hosts report the value back inside it.
    m_echoes.written(port, units);
    m_write(m_controller, port, sizeof(float), 0, &units);
}

}}  // namespace Corvane::CorGain
