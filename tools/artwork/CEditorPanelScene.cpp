#include "CEditorPanelScene.hpp"

#include "CArtworkPalette.hpp"
#include "CPreviewComposer.hpp"

#include "gui/controls/CKnob.hpp"
#include "gui/controls/CLatchingButton.hpp"
#include "gui/controls/CLevelMeter.hpp"
#include "gui/controls/CMomentaryButton.hpp"
#include "gui/controls/CTextLabel.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/graphics/CDeviceScale.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/CPNGImage.hpp"

namespace Corvane::CorGain::Artwork {

namespace {

using L = CArtworkLayout;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
namespace Controls = Corvane::GUI::Controls;
namespace Graphics = Corvane::GUI::Graphics;

Graphics::IImage* load(const std::string& folder, const char* name)
{
    return Graphics::CPNGImage::getNewInstance(folder.c_str(), name);
}

}  // namespace

CEditorPanelScene::CPanelWindow::CPanelWindow()
{
    m_attributes.setBackgroundColour(Corvane::GUI::Basics::CColour(0, 0, 0));
}

CDimension CEditorPanelScene::CPanelWindow::getWindowSize() const
{
    return CDimension(L::CARTWORKLAYOUT_PANEL_WIDTH, L::CARTWORKLAYOUT_PANEL_HEIGHT);
}

CEditorPanelScene::CEditorPanelScene(const std::string& resourceFolder, double value)
    : m_root(&m_window),
      m_frameScale(0.0)
{
    // The editor's labels and button texts draw in the system font, which it sets to Arial 12.
    Corvane::GUI::Fonts::CFont::createDefaultFont();
    Corvane::GUI::Fonts::CFont::CFONT_SYSTEM_FONT->setFont(
        L::CARTWORKLAYOUT_LABEL_FONT, static_cast<long>(L::CARTWORKLAYOUT_LABEL_FONT_SIZE), false, false, false, false);
    m_background = load(resourceFolder, "Background.png");
    m_knob = load(resourceFolder, "knob.png");
    m_buttonUp = load(resourceFolder, "buttonUp.png");
    m_buttonDown = load(resourceFolder, "buttonDown.png");
    m_info = load(resourceFolder, "infopro.png");
    m_root.setBackgroundImage(m_background.getPointer());
    for (std::size_t i = 0; i < L::controlCount(); ++i) {
        addControl(L::controls()[i], value);
    }
}

CEditorPanelScene::~CEditorPanelScene()
{
    m_root.clearControls();
    m_controls.freePointers();
    Corvane::GUI::Fonts::CFont::destroyDefaultFont();
}

CEditorPanelScene::CRect CEditorPanelScene::whole()
{
    return CRect(0, 0, L::CARTWORKLAYOUT_PANEL_WIDTH, L::CARTWORKLAYOUT_PANEL_HEIGHT);
}

bool CEditorPanelScene::isReady() const
{
    for (const auto* image : {&m_background, &m_knob, &m_buttonUp, &m_buttonDown, &m_info}) {
        if (!(*image)->hasImageLoaded()) {
            return false;
        }
    }
    return true;
}

template <class TControl>
TControl* CEditorPanelScene::add(TControl* control)
{
    m_controls.addElement(control);
    m_root.addControl(control);
    return control;
}

void CEditorPanelScene::addControl(const SControlPlacement& placement, double value)
{
    const CPoint origin(placement.left, placement.top);
    switch (placement.kind) {
    case EControlKind::Knob: {
        const long size = L::CARTWORKLAYOUT_KNOB_SIZE;
        auto* knob = add(new Controls::CKnob(&m_root, placement.id, CRect(origin, CDimension(size, size)), nullptr));
        knob->setAnimationImage(m_knob.getPointer(), size, L::CARTWORKLAYOUT_KNOB_FRAMES, false);
        knob->setValue(value);
        break;
    }
    case EControlKind::LatchingButton:
    case EControlKind::PopupButton: {
        auto* button = add(
            new Controls::CLatchingButton(&m_root, placement.id, CRect(origin, m_buttonUp->getImageSize()), nullptr));
        button->setPrimaryImage(m_buttonUp.getPointer());
        button->setDownImage(m_buttonDown.getPointer());
        button->setValue(CPreviewComposer::isLit(placement) ? 1.0 : 0.0);
        break;
    }
    case EControlKind::InfoButton: {
        auto* info =
            add(new Controls::CMomentaryButton(&m_root, placement.id, CRect(origin, m_info->getImageSize()), nullptr));
        info->setPrimaryImage(m_info.getPointer());
        info->setDownImage(m_info.getPointer());
        info->setText("info");
        break;
    }
    case EControlKind::Meter: {
        const SRectangle& area = L::CARTWORKLAYOUT_METER;
        auto* meter =
            add(new Controls::CLevelMeter(&m_root, placement.id, CRect(area.left, area.top, area.width, area.height),
                                          L::CARTWORKLAYOUT_METER_SEGMENTS));
        meter->setLineColour(CArtworkPalette::CARTWORKPALETTE_ACCENT, CArtworkPalette::CARTWORKPALETTE_ACCENT);
        meter->setValue(value);
        break;
    }
    }
    ++m_counts[static_cast<int>(placement.kind)];
    if (placement.hasLabel) {
        const SRectangle area = L::labelArea(placement);
        const CRect label(area.left, area.top, area.width, area.height);
        auto* text = add(new Controls::CTextLabel(&m_root, placement.id, label, placement.widestText));
        text->setColours(CArtworkPalette::CARTWORKPALETTE_BLACK, CArtworkPalette::CARTWORKPALETTE_BLACK,
                         CArtworkPalette::CARTWORKPALETTE_BLACK);
        if (m_labels++ == 0) {
            m_firstLabel = label;
        }
    }
}

void CEditorPanelScene::prepareFrame(double scale)
{
    if (m_frame.hasPointer() && m_frameScale == scale) {
        return;
    }
    const CDimension pixels = Graphics::CDeviceScale(scale).toDevice(whole().getDimension());
    m_frame = new CRGBAImage(pixels.getWidth(), pixels.getHeight(), false);
    m_frameScale = scale;
}

void CEditorPanelScene::paint(const CRect& area, double scale)
{
    prepareFrame(scale);
    Graphics::CGraphics graphics;
    m_frame->initialiseGraphics(graphics, scale);
    graphics.setUpdateArea(area);
    m_root.drawRootControl(graphics);
    graphics.uninitialise();
}

void CEditorPanelScene::paintBackground(const CRect& area, double scale)
{
    prepareFrame(scale);
    Graphics::CGraphics graphics;
    m_frame->initialiseGraphics(graphics, scale);
    graphics.drawImage(m_background.getPointer(), area, area);
    graphics.uninitialise();
}

}  // namespace Corvane::CorGain::Artwork
