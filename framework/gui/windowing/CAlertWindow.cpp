#include "gui/windowing/CAlertWindow.hpp"

#include "exceptions/CException.hpp"
#include "gui/events/CKeyboardEvent.hpp"
#include "gui/events/CMouseEvent.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "gui/windowing/CWindowLook.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace Corvane { namespace GUI { namespace Windowing {

using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

namespace {

const long kErrorStripeWidth = 5;
const long kMostWidth = 960;
const double kLineSpacing = 1.45;

std::vector<Corvane::Basics::CString> splitLines(const Corvane::Basics::CString& text)
{
    std::vector<Corvane::Basics::CString> lines;
    const std::string all = text.getString() != nullptr ? text.getString() : "";
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = all.find('\n', start);
        lines.emplace_back(all.substr(start, end == std::string::npos ? std::string::npos : end - start).c_str());
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 1;
    }
}

long advanceOf(const Fonts::CFont& font, const Corvane::Basics::CString& text)
{
    return static_cast<long>(std::ceil(font.measureText(text).advance));
}

long advanceOf(const Fonts::CFont& font, const std::string& text)
{
    return advanceOf(font, Corvane::Basics::CString(text.c_str()));
}

// The longest start of text, at least one character, no wider than width.
// Cuts fall between characters: never inside a UTF-8 sequence.
std::string::size_type fittingLength(const Fonts::CFont& font, const std::string& text, long width)
{
    const auto characterStart = [&](std::string::size_type at) {
        while (at > 0 && at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) {
            --at;
        }
        return at;
    };
    std::string::size_type fits = 0;
    std::string::size_type tooLong = text.size();
    while (tooLong - fits > 1) {
        const std::string::size_type middle = characterStart(fits + (tooLong - fits) / 2);
        if (middle <= fits) {
            break;
        }
        if (advanceOf(font, text.substr(0, middle)) <= width) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    if (fits == 0) {
        fits = 1;
        while (fits < text.size() && (static_cast<unsigned char>(text[fits]) & 0xC0) == 0x80) {
            ++fits;
        }
    }
    return fits;
}

// Breaks lines wider than width after the last word that fits, or after a
// slash of a long path, or where the width ends when neither is there.
std::vector<Corvane::Basics::CString> wrapLines(const Fonts::CFont& font,
                                                const std::vector<Corvane::Basics::CString>& lines, long width)
{
    std::vector<Corvane::Basics::CString> wrapped;
    for (const Corvane::Basics::CString& line : lines) {
        std::string rest = line.getString() != nullptr ? line.getString() : "";
        while (advanceOf(font, rest) > width) {
            const std::string::size_type fits = fittingLength(font, rest, width);
            const std::string::size_type space = rest.rfind(' ', fits);
            const std::string::size_type slash = rest.rfind('/', fits - 1);
            if (space != std::string::npos && space > 0) {
                wrapped.emplace_back(rest.substr(0, space).c_str());
                rest.erase(0, space + 1);
            } else {
                const std::string::size_type cut = slash != std::string::npos && slash > 0 ? slash + 1 : fits;
                wrapped.emplace_back(rest.substr(0, cut).c_str());
                rest.erase(0, cut);
            }
        }
        wrapped.emplace_back(rest.c_str());
    }
    return wrapped;
}

}  // namespace

CVN_IMPLEMENT_CLASS(CAlertWindow, "CWindow")

CAlertWindow::CAlertWindow(const Corvane::Basics::CString& message, const Corvane::Basics::CString& title, bool isError)
    : CWindow(CRect(0, 0, CALERTWINDOW_MINIMUM_WIDTH, 1)),
      m_title(title),
      m_lines(splitLines(message)),
      m_isError(isError),
      m_lineHeight(0),
      m_buttonPressed(false),
      m_dismissed(false)
{
    CVN_CONSTRUCT_CLASS;
    m_titleFont = new Fonts::CFont("Arial", 13, false, true);
    m_textFont = new Fonts::CFont("Arial", 12, false, false);
    m_lineHeight = static_cast<long>(std::ceil(m_textFont->getPointSize() * kLineSpacing));
    m_lines = wrapLines(*m_textFont, m_lines, kMostWidth - 2 * CALERTWINDOW_MARGIN);
    long width = advanceOf(*m_titleFont, m_title) + kErrorStripeWidth;
    for (const Corvane::Basics::CString& line : m_lines) {
        width = std::max(width, advanceOf(*m_textFont, line));
    }
    width = std::min(kMostWidth, std::max(CALERTWINDOW_MINIMUM_WIDTH, width + 2 * CALERTWINDOW_MARGIN));
    const long height = CALERTWINDOW_TITLE_HEIGHT + CALERTWINDOW_MARGIN +
                        static_cast<long>(m_lines.size()) * m_lineHeight + CALERTWINDOW_MARGIN +
                        CALERTWINDOW_BUTTON_HEIGHT + CALERTWINDOW_MARGIN;
    setWindowSize(CDimension(width, height));
    setWindowRole(CWINDOW_ROLE_DIALOG);
    registerMouseListener(this);
    registerKeyboardListener(this);
}

CAlertWindow::~CAlertWindow()
{
    CVN_DESTRUCT_CLASS;
}

CRect CAlertWindow::getButtonArea() const
{
    const CDimension size = getWindowSize();
    return CRect((size.getWidth() - CALERTWINDOW_BUTTON_WIDTH) / 2,
                 size.getHeight() - CALERTWINDOW_MARGIN - CALERTWINDOW_BUTTON_HEIGHT, CALERTWINDOW_BUTTON_WIDTH,
                 CALERTWINDOW_BUTTON_HEIGHT);
}

bool CAlertWindow::showAlert()
{
    CWindowAttributes attributes;
    attributes.setTitle(m_title);
    attributes.initialise(CWindowAttributes::CWINDOWATTRIBUTES_STYLE_CLOSE_AND_COLLAPSE);
    try {
        initialiseWindow(&attributes, false);
    } catch (const Corvane::Exceptions::CException&) {
        return false;
    }
    const CDimension screen = getScreenSize();
    const CDimension size = getWindowSize();
    setWindowPosition(CPoint(std::max(0L, (screen.getWidth() - size.getWidth()) / 2),
                             std::max(0L, (screen.getHeight() - size.getHeight()) / 2)));
    openWindow();
    giveFocus();
    updateWindow();
    return isWindowOpen();
}

void CAlertWindow::dismiss()
{
    m_dismissed = true;
    closeWindow();
}

void CAlertWindow::windowClosed(IWindow*)
{
    m_dismissed = true;
}

void CAlertWindow::setButtonPressed(bool pressed)
{
    if (pressed != m_buttonPressed) {
        m_buttonPressed = pressed;
        redrawWindow(getButtonArea());
    }
}

void CAlertWindow::handleLeftButtonDown(Events::CMouseEvent& event)
{
    setButtonPressed(getButtonArea().pointIsInside(event.getMousePosition()));
}

void CAlertWindow::handleDoubleClick(Events::CMouseEvent& event)
{
    handleLeftButtonDown(event);
}

void CAlertWindow::handleLeftButtonUp(Events::CMouseEvent& event)
{
    const bool chosen = m_buttonPressed && getButtonArea().pointIsInside(event.getMousePosition());
    setButtonPressed(false);
    if (chosen) {
        dismiss();
    }
}

bool CAlertWindow::handleKeyDown(const Events::CKeyboardEvent& event)
{
    if (event.getKey() == CWindowLook::CWINDOWLOOK_KEY_RETURN ||
        event.getKey() == CWindowLook::CWINDOWLOOK_KEY_ESCAPE) {
        dismiss();
        return true;
    }
    return false;
}

void CAlertWindow::draw(Graphics::CGraphics& graphics)
{
    const CDimension size = getWindowSize();
    const CRect whole(0, 0, size.getWidth(), size.getHeight());
    graphics.getMutableBrush().setColour(CWindowLook::CWINDOWLOOK_PLATE);
    graphics.fillRectangle(whole);
    graphics.getMutableBrush().setColour(CWindowLook::CWINDOWLOOK_HEADER);
    graphics.fillRectangle(CRect(0, 0, size.getWidth(), CALERTWINDOW_TITLE_HEIGHT));
    long titleLeft = CALERTWINDOW_MARGIN;
    if (m_isError) {
        graphics.getMutableBrush().setColour(CWindowLook::CWINDOWLOOK_ERROR);
        graphics.fillRectangle(CRect(0, 0, kErrorStripeWidth, CALERTWINDOW_TITLE_HEIGHT));
        titleLeft += kErrorStripeWidth;
    }
    const double titleBaseline = CALERTWINDOW_TITLE_HEIGHT / 2.0 + m_titleFont->getPointSize() * 0.36;
    graphics.setTextColour(CWindowLook::CWINDOWLOOK_CAPTION);
    graphics.drawTextLine(m_title, static_cast<double>(titleLeft), titleBaseline, m_titleFont.getPointer(),
                          Graphics::CGraphics::CGRAPHICS_ANCHOR_LEFT);

    graphics.setTextColour(CWindowLook::CWINDOWLOOK_TEXT);
    double baseline = CALERTWINDOW_TITLE_HEIGHT + CALERTWINDOW_MARGIN + m_textFont->getPointSize();
    for (const Corvane::Basics::CString& line : m_lines) {
        graphics.drawTextLine(line, static_cast<double>(CALERTWINDOW_MARGIN), baseline, m_textFont.getPointer(),
                              Graphics::CGraphics::CGRAPHICS_ANCHOR_LEFT);
        baseline += static_cast<double>(m_lineHeight);
    }

    const CRect button = getButtonArea();
    const CDimension corner(8, 8);
    graphics.getMutableBrush().setColour(m_buttonPressed ? CWindowLook::CWINDOWLOOK_ACCENT
                                                         : CWindowLook::CWINDOWLOOK_BUTTON);
    graphics.fillRoundedRectangle(button, corner);
    graphics.getMutablePen().setColour(CWindowLook::CWINDOWLOOK_EDGE);
    graphics.drawRoundedRectangle(button, corner);
    graphics.setTextColour(m_buttonPressed ? CWindowLook::CWINDOWLOOK_TEXT : CWindowLook::CWINDOWLOOK_CAPTION);
    graphics.drawText("OK", button, m_textFont.getPointer(), Graphics::CGraphics::CGRAPHICS_TEXT_CENTRED);

    graphics.getMutablePen().setColour(CWindowLook::CWINDOWLOOK_EDGE);
    graphics.drawRectangle(whole);
}

}}}  // namespace Corvane::GUI::Windowing
