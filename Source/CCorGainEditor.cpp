// The editor's construction: artwork, controls, labels and meter.
#include "CCorGainEditor.hpp"

#include "CCorGainLayout.hpp"
#include "CCorGainParameterFactory.hpp"
#include "SCorGainParameter.hpp"

#include "gui/controls/CControlRoot.hpp"
#include "gui/controls/CKnob.hpp"
#include "gui/controls/CLatchingButton.hpp"
#include "gui/controls/CMenu.hpp"
#include "gui/controls/CMenuItem.hpp"
#include "gui/controls/CPopupButton.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/graphics/CPNGImage.hpp"

#include <mutex>

namespace Corvane { namespace CorGain {

using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using GUI::Basics::CAlphaColour;
using GUI::Controls::IControl;

namespace {

// The items of the two pop-up menus; an item's id is its place.
const char* const kValveItems[] = {"Valve Bypass", "Valve Soft", "Valve Dirty"};
const char* const kKeyInputItems[] = {"Left Input", "Stereo Input", "Right Input"};

// The text of every label and button: set once for the whole module, not by
// each editor, because hosts build effects on several threads at once.
void useEditorFont()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (GUI::Fonts::CFont::CFONT_SYSTEM_FONT != nullptr) {
            GUI::Fonts::CFont::CFONT_SYSTEM_FONT->setFont("Arial", 12, false, false, false, false);
        }
    });
}

}  // namespace

// The artwork the controls share, read once per editor.
struct CCorGainEditor::SImages {
    explicit SImages(const CSystemString& folder)
    {
        knob = GUI::Graphics::CPNGImage::getNewInstance(folder, "knob.png");
        buttonUp = GUI::Graphics::CPNGImage::getNewInstance(folder, "buttonUp.png");
        buttonDown = GUI::Graphics::CPNGImage::getNewInstance(folder, "buttonDown.png");
        const CDimension strip = knob->getImageSize();
        knobSize = CDimension(strip.getWidth(), strip.getHeight() / CCorGainLayout::CCORGAINLAYOUT_KNOB_FRAMES);
        buttonSize = buttonDown->getImageSize();
    }

    THeld<GUI::Graphics::IImage> knob;
    THeld<GUI::Graphics::IImage> buttonUp;
    THeld<GUI::Graphics::IImage> buttonDown;
    CDimension knobSize;
    CDimension buttonSize;
};

CVN_IMPLEMENT_CLASS(CCorGainEditor, "CVstWindow")

CCorGainEditor::CCorGainEditor(AudioEffect* effect, const CRect& area, GUI::Windowing::CWindowAttributes* attributes,
                               const CSystemString& resourceFolder)
    : Vst::CVstWindow(effect, area, attributes),
      m_resourceFolder(resourceFolder),
      m_reportedValues(),
      m_reportedChanges(0),
      m_meterLevel(0.0f)
{
    CVN_CONSTRUCT_CLASS;
    useEditorFont();
    m_menuWindowAttributes.setBackgroundColour(GUI::Basics::CColour(215, 219, 223));
    m_menuWindowAttributes.setWindowAlpha(0.87);
    for (int index = 0; index < CCORGAINEDITOR_NUMBER_OF_PARAMETERS; ++index) {
        m_displayParameters[index] = CCorGainParameterFactory::createParameter(index);
    }

    const SImages images(m_resourceFolder);
    for (std::size_t row = 0; row < CCorGainLayout::controlCount(); ++row) {
        const SControlLayout& placement = CCorGainLayout::controls()[row];
        switch (placement.kind) {
        case EControlKind::InfoButton:
            createInformationButton(placement);
            break;
        case EControlKind::Meter:
            createMeter(placement);
            break;
        default:
            createParameterControl(placement, images);
            break;
        }
    }
}

CCorGainEditor* CCorGainEditor::create(AudioEffect* effect, const CSystemString& resourceFolder)
{
    GUI::Windowing::CWindowAttributes attributes;
    attributes.setBackgroundColour(GUI::Basics::CColour(0, 0, 0));
    attributes.setTitle("Tenvira");
    return new CCorGainEditor(effect, CRect(0, 0, CCORGAINEDITOR_WIDTH, CCORGAINEDITOR_HEIGHT), &attributes,
                              resourceFolder);
}

CCorGainEditor::~CCorGainEditor()
{
    CVN_DESTRUCT_CLASS;
    // The controls and their menus go while the editor that listens to them is whole: the root
    // would keep them until the window part of the editor goes.
    getControlRoot()->clearControls();
}

void CCorGainEditor::prepareForScreen()
{
    // The large pictures and the menus (which measure their text, and so start the font
    // machinery) only matter on the screen: hosts that create effects without ever showing
    // them (scanning, loading a project) do not pay for them.
    GUI::Controls::CControlRoot* root = getControlRoot();
    for (long id : {SCorGainParameter::CCORGAIN_VALVE, SCorGainParameter::CCORGAIN_KEY_INPUT}) {
        auto* popup = static_cast<GUI::Controls::CPopupButton*>(m_controls[id].getPointer());
        if (popup->getMenuWindow() == nullptr) {
            popup->setMenuWindowAttributes(&m_menuWindowAttributes, false);
        }
    }
    if (getSizeMenu() == nullptr) {
        offerSizeMenu(&m_menuWindowAttributes);
    }
    if (root->getBackgroundImage() == nullptr) {
        THeld<GUI::Graphics::IImage> background;
        background = GUI::Graphics::CPNGImage::getNewInstance(m_resourceFolder, "Background.png");
        root->setBackgroundImage(background.getPointer());
    }
    if (!m_aboutWindow.hasPointer()) {
        // Without its picture the about window is never made, and the information button shows nothing.
        m_aboutWindow = new GUI::Windowing::CAboutWindow(m_resourceFolder, "splash.png", 0.85);
        registerChildWindow(m_aboutWindow.getPointer());
    }
}

void CCorGainEditor::createInformationButton(const SControlLayout& placement)
{
    THeld<GUI::Graphics::IImage> information;
    information = GUI::Graphics::CPNGImage::getNewInstance(m_resourceFolder, "infopro.png");
    m_informationButton = new GUI::Controls::CMomentaryButton(
        getControlRoot(), placement.id, CRect(CPoint(placement.left, placement.top), information->getImageSize()),
        nullptr);
    m_informationButton->setText("info");
    m_informationButton->setPrimaryImage(information.getPointer());
    m_informationButton->setDownImage(information.getPointer());
    m_informationButton->registerActionListener(this);
    getControlRoot()->addControl(m_informationButton.getPointer());
}

void CCorGainEditor::createMeter(const SControlLayout& placement)
{
    m_meter =
        new GUI::Controls::CLevelMeter(getControlRoot(), placement.id,
                                       CRect(placement.left, placement.top, CCorGainLayout::CCORGAINLAYOUT_METER_WIDTH,
                                             CCorGainLayout::CCORGAINLAYOUT_METER_HEIGHT),
                                       CCorGainLayout::CCORGAINLAYOUT_METER_SEGMENTS);
    m_meter->setLineColour(CAlphaColour::CALPHACOLOUR_TURQUOISE, CAlphaColour::CALPHACOLOUR_TURQUOISE);
    m_meter->setValue(0.0);
    m_meter->update();
    getControlRoot()->addControl(m_meter.getPointer());
}

void CCorGainEditor::createParameterControl(const SControlLayout& placement, const SImages& images)
{
    const int index = placement.id;
    IControl* control = createControlOfKind(placement, images);
    m_controls[index] = control;
    getControlRoot()->addControl(control);

    CString text(placement.firstText != nullptr ? placement.firstText : "");
    if (placement.firstText == nullptr) {
        char value[CVstParam::CVSTPARAM_TEXT_SIZE];
        char unit[CVstParam::CVSTPARAM_TEXT_SIZE];
        m_displayParameters[index]->GetValue(value);
        m_displayParameters[index]->GetLabel(unit);
        text = value;
        text += unit;
    }
    GUI::Controls::CTextLabel* label = new GUI::Controls::CTextLabel(
        getControlRoot(), index,
        CRect(placement.labelLeft, placement.labelTop, CCorGainLayout::CCORGAINLAYOUT_LABEL_WIDTH,
              CCorGainLayout::CCORGAINLAYOUT_LABEL_HEIGHT),
        text);
    m_labels[index] = label;
    label->setColours(CAlphaColour::CALPHACOLOUR_BLACK, CAlphaColour::CALPHACOLOUR_BLACK,
                      CAlphaColour::CALPHACOLOUR_BLACK);
    getControlRoot()->addControl(label);
}

IControl* CCorGainEditor::createControlOfKind(const SControlLayout& placement, const SImages& images)
{
    const CPoint origin(placement.left, placement.top);
    GUI::Controls::CControlRoot* root = getControlRoot();
    if (placement.kind == EControlKind::Knob) {
        GUI::Controls::CKnob* knob = new GUI::Controls::CKnob(root, placement.id, CRect(origin, images.knobSize), this);
        knob->setAnimationImage(images.knob.getPointer(), images.knobSize.getHeight(),
                                CCorGainLayout::CCORGAINLAYOUT_KNOB_FRAMES, false);
        return knob;
    }
    const CRect area(origin, images.buttonSize);
    GUI::Controls::CLatchingButton* button = nullptr;
    if (placement.kind == EControlKind::PopupButton) {
        const char* const* items = placement.id == SCorGainParameter::CCORGAIN_VALVE ? kValveItems : kKeyInputItems;
        GUI::Controls::CMenu* menu = new GUI::Controls::CMenu();
        for (long id = 0; id < 3; ++id) {
            menu->addMenuItem(new GUI::Controls::CMenuItem(items[id], id));
        }
        GUI::Controls::CPopupButton* popup =
            new GUI::Controls::CPopupButton(root, placement.id, area, menu, this, this);
        popup->doDefaultDrawing(false);
        button = popup;
    } else {
        button = new GUI::Controls::CLatchingButton(root, placement.id, area, this);
    }
    button->setPrimaryImage(images.buttonUp.getPointer());
    button->setDownImage(images.buttonDown.getPointer());
    button->useCursorChange(false);
    return button;
}

}}  // namespace Corvane::CorGain
