#include "CGallery.hpp"

#include "exceptions/CException.hpp"
#include "gui/basics/CColour.hpp"
#include "gui/controls/CAnimation.hpp"
#include "gui/controls/CControlRoot.hpp"
#include "gui/controls/CKnob.hpp"
#include "gui/controls/CLatchingButton.hpp"
#include "gui/controls/CLevelMeter.hpp"
#include "gui/controls/CMenu.hpp"
#include "gui/controls/CMenuItem.hpp"
#include "gui/controls/CMomentaryButton.hpp"
#include "gui/controls/CPopupButton.hpp"
#include "gui/controls/CRootSnapshot.hpp"
#include "gui/controls/CTextLabel.hpp"
#include "gui/events/CActionEvent.hpp"
#include "gui/events/CMenuEvent.hpp"
#include "gui/graphics/CImageManager.hpp"
#include "gui/windowing/CWindowAttributes.hpp"

#include <chrono>
#include <cstdio>

namespace Corvane { namespace Gallery {

using GUI::Basics::CAlphaColour;
using GUI::Graphics::IImage;
using MathTools::CDimension;
using MathTools::CPoint;
using MathTools::CRect;

namespace {

enum EGalleryControl : long {
    e_knob = 1,
    e_latch,
    e_info,
    e_popup
};

// The editor's knob strip has this many frames.
const long kKnobFrames = 63;
// The meter and the animation follow the knob at this pace (a fraction per 25 ms).
const double kFollowing = 0.2;
const long kTimerMilliseconds = 25;
const CAlphaColour kCaption(218, 222, 226);
const CAlphaColour kAccent(116, 184, 188);

IImage* loadImage(const Basics::CSystemString& folder, const char* name, Collections::TAutomaticPointer<IImage>& holder)
{
    holder = GUI::Graphics::CImageManager::getImageOnPath(folder, name);
    return holder.hasPointer() && holder->hasImageLoaded() ? holder.getPointer() : nullptr;
}

CDimension sizeOr(IImage* image, long width, long height)
{
    return image != nullptr ? image->getImageSize() : CDimension(width, height);
}

}  // namespace

CGallery::CGallery(const Basics::CSystemString& resources)
    : m_menu(new GUI::Controls::CMenu("Valve")),
      m_level(0.0),
      m_presses(0),
      m_closed(false)
{
    m_menu->referenced();
    m_menu->addMenuItem(new GUI::Controls::CMenuItem("Valve Bypass", 0));
    m_menu->addMenuItem(new GUI::Controls::CMenuItem("Valve Soft", 1));
    m_menu->addMenuItem(new GUI::Controls::CMenuItem("Valve Dirty", 2));

    m_window = new GUI::Windowing::CWindow(CRect(100, 100, CGALLERY_WIDTH, CGALLERY_HEIGHT));
    m_window->registerWindowChangeListener(this);
    m_window->addTimedObject(this);
    m_window->getWindowAttributes()->setBackgroundColour(GUI::Basics::CColour(44, 48, 53));
    GUI::Controls::CControlRoot* root = m_window->getControlRoot();

    Collections::TAutomaticPointer<IImage> knobImage, upImage, downImage, infoImage;
    IImage* knob = loadImage(resources, "knob.png", knobImage);
    IImage* up = loadImage(resources, "buttonUp.png", upImage);
    IImage* down = loadImage(resources, "buttonDown.png", downImage);
    IImage* info = loadImage(resources, "infopro.png", infoImage);
    const CDimension knobSize =
        knob != nullptr ? CDimension(knob->getImageSize().getWidth(), knob->getImageSize().getHeight() / kKnobFrames)
                        : CDimension(48, 48);
    const CDimension buttonSize = sizeOr(up, 44, 24);
    const CDimension infoSize = sizeOr(info, 40, 20);

    m_knob = new GUI::Controls::CKnob(root, e_knob, CRect(CPoint(30, 40), knobSize), this);
    m_knob->setAnimationImage(knob, knobSize.getHeight(), kKnobFrames, false);
    m_knob->doDefaultDrawing(knob == nullptr);
    root->addControl(m_knob);
    m_knobLabel = addLabel(20, 40 + knobSize.getHeight() + 8, "knob 0.000");

    m_animation = new GUI::Controls::CAnimation(root, -1, CRect(CPoint(140, 40), knobSize), nullptr);
    m_animation->setAnimationImage(knob, knobSize.getHeight(), kKnobFrames, true);
    m_animation->doDefaultDrawing(knob == nullptr);
    root->addControl(m_animation);
    m_animationLabel = addLabel(130, 40 + knobSize.getHeight() + 8, "reversed 0.000");

    m_latch = new GUI::Controls::CLatchingButton(root, e_latch, CRect(CPoint(250, 50), buttonSize), this);
    m_latch->setPrimaryImage(up);
    m_latch->setDownImage(down);
    root->addControl(m_latch);
    m_latchLabel = addLabel(240, 40 + knobSize.getHeight() + 8, "latch off");

    m_popup = new GUI::Controls::CPopupButton(root, e_popup, CRect(CPoint(30, 180), buttonSize), m_menu, this);
    m_popup->setPrimaryImage(up);
    m_popup->setDownImage(down);
    GUI::Windowing::CWindowAttributes menuAttributes;
    menuAttributes.setBackgroundColour(GUI::Basics::CColour(215, 219, 223));
    menuAttributes.setWindowAlpha(0.87);
    m_popup->setMenuWindowAttributes(&menuAttributes, false);
    root->addControl(m_popup);
    m_popupLabel = addLabel(20, 180 + buttonSize.getHeight() + 8, "menu -");

    m_info = new GUI::Controls::CMomentaryButton(root, e_info, CRect(CPoint(140, 180), infoSize), this);
    m_info->setPrimaryImage(info);
    m_info->setDownImage(info);
    m_info->setText("info");
    root->addControl(m_info);
    m_infoLabel = addLabel(130, 180 + buttonSize.getHeight() + 8, "info 0");

    m_meter = new GUI::Controls::CLevelMeter(root, -1, CRect(400, 20, 40, 230), 40);
    m_meter->setLineColour(kAccent, kAccent);
    // Its well is drawn in the plain look: a dark box with the artwork's edge.
    m_meter->setDefaultControlColours(CAlphaColour(84, 91, 98), CAlphaColour(10, 12, 13));
    m_meter->doDefaultDrawing(true);
    root->addControl(m_meter);
    m_meterLabel = addLabel(380, 262, "level 0.000");

    // Owned by the window: made on its connection when first opened, gone with its window.
    m_about = new GUI::Windowing::CAboutWindow(resources, "splash.png", 0.85);
    m_about->setParentWindow(m_window.getPointer());
}

CGallery::~CGallery()
{
    m_about.freePointer();
    m_window.freePointer();
    m_menu->dereference();
}

GUI::Controls::CTextLabel* CGallery::addLabel(long left, long top, const char* text)
{
    GUI::Controls::CTextLabel* label =
        new GUI::Controls::CTextLabel(m_window->getControlRoot(), -1, CRect(left, top, 100, 20), text);
    label->setTextColour(kCaption);
    m_window->getControlRoot()->addControl(label);
    return label;
}

void CGallery::showValue(GUI::Controls::CTextLabel* label, const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof(text), format, value);
    label->setText(text);
}

bool CGallery::open()
{
    GUI::Windowing::CWindowAttributes attributes(*m_window->getWindowAttributes());
    attributes.setTitle("Corvane gallery");
    attributes.initialise(GUI::Windowing::CWindowAttributes::CWINDOWATTRIBUTES_STYLE_CLOSE_AND_COLLAPSE);
    try {
        m_window->initialiseWindow(&attributes, true);
    } catch (const Exceptions::CException&) {
        return false;
    }
    m_window->startTimer(CGALLERY_TIMER_ID, kTimerMilliseconds);
    return true;
}

void CGallery::run(double seconds)
{
    typedef std::chrono::steady_clock CClock;
    const CClock::time_point end = CClock::now() + std::chrono::duration_cast<CClock::duration>(
                                                       std::chrono::duration<double>(seconds > 0.0 ? seconds : 0.0));
    while (!m_closed && (seconds <= 0.0 || CClock::now() < end)) {
        m_window->pump();
        m_window->waitForEvents(kTimerMilliseconds);
    }
}

bool CGallery::writeSnapshot(const Basics::CSystemString& path)
{
    return GUI::Controls::CRootSnapshot::writeControlRoot(*m_window->getControlRoot(),
                                                          CDimension(CGALLERY_WIDTH, CGALLERY_HEIGHT), path);
}

void CGallery::handleActionEvent(const GUI::Events::CActionEvent& event)
{
    switch (event.getControl()->getUniqueId()) {
    case e_knob:
        showValue(m_knobLabel, "knob %.3f", m_knob->getValue());
        break;
    case e_latch:
        m_latchLabel->setText(m_latch->isOn() ? "latch on" : "latch off");
        break;
    case e_info: {
        ++m_presses;
        showValue(m_infoLabel, "info %.0f", static_cast<double>(m_presses));
        m_about->openWindow();
        break;
    }
    case e_popup: {
        const GUI::Controls::CMenuItem* item = m_popup->getLastMenuEvent()->getMenuItem();
        m_popupLabel->setText(item != nullptr ? item->getText() : Basics::CString("menu -"));
        break;
    }
    default:
        break;
    }
}

void CGallery::timerExpired()
{
    m_level += (m_knob->getValue() - m_level) * kFollowing;
    m_meter->setValue(m_level);
    m_meter->update();
    m_animation->setValue(m_level);
    m_animation->update();
    showValue(m_meterLabel, "level %.3f", m_level);
    showValue(m_animationLabel, "reversed %.3f", m_level);
}

void CGallery::windowClosed(GUI::Windowing::IWindow*)
{
    m_closed = true;
}

}}  // namespace Corvane::Gallery
