// Drawing the editor headless: a whole 463 x 465 frame (background image,
// fourteen image-strip knobs, six buttons, twenty value labels) and the
// repaint of one 96 x 20 label, into a bitmap through the GUI toolkit's own
// controls, as the window repaints the control root. Painting the background picture
// alone is the baseline the figures are read against.
//
//   bin/tenvira_bench_gui                   (the artwork of this build tree)

#include "CArtworkLayout.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "collections/TCountedPointerArray.hpp"
#include "gui/controls/CControlRoot.hpp"
#include "gui/controls/CKnob.hpp"
#include "gui/controls/CLatchingButton.hpp"
#include "gui/controls/CTextLabel.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/CPNGImage.hpp"
#include "gui/graphics/CRGBAImage.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "gui/windowing/IWindow.hpp"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace Corvane::GUI;
using Corvane::CorGain::Artwork::CArtworkLayout;
using Corvane::CorGain::Artwork::EControlKind;
using Corvane::CorGain::Artwork::SControlPlacement;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
template <class T>
using THeld = Corvane::Collections::TAutomaticPointer<T>;

// The editor's window as far as painting needs it: a black background.
class CBenchWindow : public Windowing::IWindow, public Corvane::Basics::CCountedObject {
public:
    CBenchWindow() { m_attributes.setBackgroundColour(Basics::CColour(0, 0, 0)); }
    void setParentWindow(IWindow*) override {}
    IWindow* getParentWindow() const override { return nullptr; }
    Windowing::CWindowAttributes* getWindowAttributes() override { return &m_attributes; }
    void redrawWindow(const CRect&) override {}
    void redrawWindow() override {}
    CPoint getWindowPosition() const override { return CPoint(); }
    CDimension getWindowSize() const override { return CDimension(463, 465); }
    double getScaleFactor() const override { return 1.0; }
    void setCursor(const Windowing::CCursor*) override {}

private:
    Windowing::CWindowAttributes m_attributes;
};

// The editor's controls over its background, painted into a bitmap of its size.
class CEditorScene {
public:
    CEditorScene() : m_root(&m_window)
    {
        // The editor's labels draw in the system font, which it sets to Arial 12.
        Fonts::CFont::createDefaultFont();
        Fonts::CFont::CFONT_SYSTEM_FONT->setFont("Arial", 12, false, false, false, false);
        m_frame = new Graphics::CRGBAImage(CArtworkLayout::CARTWORKLAYOUT_PANEL_WIDTH,
                                           CArtworkLayout::CARTWORKLAYOUT_PANEL_HEIGHT, false);
        m_background = load("Background.png");
        m_knob = load("knob.png");
        m_button = load("buttonUp.png");
        m_root.setBackgroundImage(m_background.getPointer());
        for (std::size_t i = 0; i < CArtworkLayout::controlCount(); ++i) {
            addControl(CArtworkLayout::controls()[i]);
        }
    }
    ~CEditorScene() { Fonts::CFont::destroyDefaultFont(); }
    CEditorScene(const CEditorScene&) = delete;
    CEditorScene& operator=(const CEditorScene&) = delete;

    bool ready() const { return m_background->hasImageLoaded() && m_knob->hasImageLoaded(); }
    long count(EControlKind kind) const { return m_counts[static_cast<int>(kind)]; }
    long labels() const { return m_labels; }
    CRect firstLabel() const { return m_firstLabel; }
    Graphics::IImage* background() const { return m_background.getPointer(); }

    // One repaint of the area, as the window does it: begin, draw the root, end.
    void paint(const CRect& area)
    {
        Graphics::CGraphics graphics;
        m_frame->initialiseGraphics(graphics);
        graphics.setUpdateArea(area);
        m_root.drawRootControl(graphics);
        graphics.uninitialise();
    }

    // The baseline: the background picture alone, into the same area.
    void paintBackground(const CRect& area)
    {
        Graphics::CGraphics graphics;
        m_frame->initialiseGraphics(graphics);
        graphics.drawImage(m_background.getPointer(), area, area);
        graphics.uninitialise();
    }

private:
    static Graphics::IImage* load(const char* name)
    {
        return Graphics::CPNGImage::getNewInstance(TENVIRA_ARTWORK_DIR, name);
    }

    void add(Controls::IControl* control)
    {
        m_controls.addElement(control);
        m_root.addControl(control);
    }

    void addControl(const SControlPlacement& placement)
    {
        const int kind = static_cast<int>(placement.kind);
        if (placement.kind == EControlKind::Knob) {
            const long size = CArtworkLayout::CARTWORKLAYOUT_KNOB_SIZE;
            auto* knob = new Controls::CKnob(&m_root, 0, CRect(placement.left, placement.top, size, size), nullptr);
            knob->setAnimationImage(m_knob.getPointer(), size, CArtworkLayout::CARTWORKLAYOUT_KNOB_FRAMES, false);
            knob->setValue(0.5);
            add(knob);
        } else if (placement.kind == EControlKind::LatchingButton || placement.kind == EControlKind::PopupButton) {
            auto* button = new Controls::CLatchingButton(
                &m_root, 0, CRect(CPoint(placement.left, placement.top), m_button->getImageSize()), nullptr);
            button->setPrimaryImage(m_button.getPointer());
            add(button);
        } else {
            return;
        }
        ++m_counts[kind];
        if (placement.hasLabel) {
            const CRect label(placement.labelLeft, placement.labelTop, CArtworkLayout::CARTWORKLAYOUT_LABEL_WIDTH,
                              CArtworkLayout::CARTWORKLAYOUT_LABEL_HEIGHT);
            auto* text = new Controls::CTextLabel(&m_root, 0, label, placement.widestText);
            text->setColours(Basics::CAlphaColour::CALPHACOLOUR_BLACK, Basics::CAlphaColour::CALPHACOLOUR_BLACK,
                             Basics::CAlphaColour::CALPHACOLOUR_BLACK);
            add(text);
            if (m_labels++ == 0) {
                m_firstLabel = label;
            }
        }
    }

    CBenchWindow m_window;
    Controls::CControlRoot m_root;
    THeld<Graphics::CRGBAImage> m_frame;
    THeld<Graphics::IImage> m_background;
    THeld<Graphics::IImage> m_knob;
    THeld<Graphics::IImage> m_button;
    Corvane::Collections::TCountedPointerArray<Controls::IControl> m_controls;
    long m_counts[5] = {0, 0, 0, 0, 0};
    long m_labels = 0;
    CRect m_firstLabel;
};

const CRect WHOLE(0, 0, CArtworkLayout::CARTWORKLAYOUT_PANEL_WIDTH, CArtworkLayout::CARTWORKLAYOUT_PANEL_HEIGHT);

template <typename Paint>
void run(benchmark::State& state, Paint paint)
{
    CEditorScene scene;
    if (!scene.ready()) {
        state.SkipWithError("the artwork is missing: build the tenvira_artwork_files target");
        return;
    }
    paint(scene);  // fonts and caches warm, as in a window that has been shown
    for (auto _ : state) {
        paint(scene);
        benchmark::ClobberMemory();
    }
    state.counters["knobs"] = static_cast<double>(scene.count(EControlKind::Knob));
    state.counters["buttons"] =
        static_cast<double>(scene.count(EControlKind::LatchingButton) + scene.count(EControlKind::PopupButton));
    state.counters["labels"] = static_cast<double>(scene.labels());
}

void BM_BackgroundOnlyFrame(benchmark::State& state)
{
    run(state, [](CEditorScene& scene) { scene.paintBackground(WHOLE); });
}

void BM_FullFrame(benchmark::State& state)
{
    run(state, [](CEditorScene& scene) { scene.paint(WHOLE); });
}

void BM_BackgroundOnlyLabel(benchmark::State& state)
{
    run(state, [](CEditorScene& scene) { scene.paintBackground(scene.firstLabel()); });
}

void BM_LabelRedraw(benchmark::State& state)
{
    run(state, [](CEditorScene& scene) { scene.paint(scene.firstLabel()); });
}

}  // namespace

BENCHMARK(BM_BackgroundOnlyFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BackgroundOnlyLabel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LabelRedraw)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
