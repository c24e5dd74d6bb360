#pragma once

#include "CArtworkLayout.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "collections/TCountedPointerArray.hpp"
#include "gui/controls/CControlRoot.hpp"
#include "gui/controls/IControl.hpp"
#include "gui/graphics/CRGBAImage.hpp"
#include "gui/graphics/IImage.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "gui/windowing/IWindow.hpp"

#include <string>

namespace Corvane::CorGain::Artwork {

// The editor's panel as the GUI toolkit paints it, without a window: the panel picture as the
// root's background and, at the layout's places, the toolkit's own controls with the artwork
// (knobs at one value, switch buttons up and lit, the information button, the meter, every value
// label with its widest text in the editor's system font), painted into a bitmap at any scale as
// a window repaints its root. The system font is set as the editor sets it, for the scene's life.
//
//   CEditorPanelScene scene(resourceFolder);
//   scene.paint(CEditorPanelScene::whole(), 2.0);   // scene.getFrame(): 926 x 930 pixels
class CEditorPanelScene {
public:
    using CRect = Corvane::MathTools::CRect;
    using CRGBAImage = Corvane::GUI::Graphics::CRGBAImage;

    CEditorPanelScene(const std::string& resourceFolder, double value = 0.5);
    ~CEditorPanelScene();
    CEditorPanelScene(const CEditorPanelScene&) = delete;
    CEditorPanelScene& operator=(const CEditorPanelScene&) = delete;

    // The whole panel, in its own pixels.
    static CRect whole();
    // The pictures could all be read.
    bool isReady() const;
    // Repaints area of the frame at the scale (the frame is made anew when the scale changes).
    void paint(const CRect& area, double scale = 1.0);
    // The panel picture alone into the area, without the controls: the baseline of the figures.
    void paintBackground(const CRect& area, double scale = 1.0);
    // What the latest paint drew: the panel's size at its scale.
    const CRGBAImage& getFrame() const { return *m_frame; }

    long count(EControlKind kind) const { return m_counts[static_cast<int>(kind)]; }
    long labels() const { return m_labels; }
    CRect firstLabel() const { return m_firstLabel; }

private:
    // The editor's window as far as painting needs it: its black background.
    class CPanelWindow : public Corvane::GUI::Windowing::IWindow, public Corvane::Basics::CCountedObject {
    public:
        CPanelWindow();
        void setParentWindow(IWindow*) override {}
        IWindow* getParentWindow() const override { return nullptr; }
        Corvane::GUI::Windowing::CWindowAttributes* getWindowAttributes() override { return &m_attributes; }
        void redrawWindow(const CRect&) override {}
        void redrawWindow() override {}
        Corvane::MathTools::CPoint getWindowPosition() const override { return Corvane::MathTools::CPoint(); }
        Corvane::MathTools::CDimension getWindowSize() const override;
        double getScaleFactor() const override { return 1.0; }
        void setCursor(const Corvane::GUI::Windowing::CCursor*) override {}

    private:
        Corvane::GUI::Windowing::CWindowAttributes m_attributes;
    };

    template <class TControl>
    TControl* add(TControl* control);
    void addControl(const SControlPlacement& placement, double value);
    void prepareFrame(double scale);

    CPanelWindow m_window;
    Corvane::GUI::Controls::CControlRoot m_root;
    Corvane::Collections::TAutomaticPointer<CRGBAImage> m_frame;
    double m_frameScale;
    Corvane::Collections::TAutomaticPointer<Corvane::GUI::Graphics::IImage> m_background;
    Corvane::Collections::TAutomaticPointer<Corvane::GUI::Graphics::IImage> m_knob;
    Corvane::Collections::TAutomaticPointer<Corvane::GUI::Graphics::IImage> m_buttonUp;
    Corvane::Collections::TAutomaticPointer<Corvane::GUI::Graphics::IImage> m_buttonDown;
    Corvane::Collections::TAutomaticPointer<Corvane::GUI::Graphics::IImage> m_info;
    Corvane::Collections::TCountedPointerArray<Corvane::GUI::Controls::IControl> m_controls;
    long m_counts[5] = {0, 0, 0, 0, 0};
    long m_labels = 0;
    CRect m_firstLabel;
};

}  // namespace Corvane::CorGain::Artwork
