#include "gui/windowing/CWindowAttributes.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

namespace {

using A = CWindowAttributes;

constexpr unsigned long DOCUMENT_ATTRIBUTES =
    A::CWINDOWATTRIBUTES_STANDARD_HANDLER | A::CWINDOWATTRIBUTES_CLOSE_BOX | A::CWINDOWATTRIBUTES_HORIZONTAL_ZOOM |
    A::CWINDOWATTRIBUTES_VERTICAL_ZOOM | A::CWINDOWATTRIBUTES_COLLAPSE_BOX | A::CWINDOWATTRIBUTES_RESIZABLE;

}  // namespace

CVN_IMPLEMENT_CLASS(CWindowAttributes, "CCountedObject")

CWindowAttributes::CWindowAttributes()
    : m_title("Application"),
      m_backgroundColour(255, 255, 255),
      m_windowAlpha(1.0),
      m_enabled(true),
      m_secondFlag(false),
      m_windowAttributes(DOCUMENT_ATTRIBUTES),
      m_windowClass(CWINDOWATTRIBUTES_CLASS_DOCUMENT)
{
    CVN_CONSTRUCT_CLASS;
}

CWindowAttributes::CWindowAttributes(const CWindowAttributes& other) : CWindowAttributes()
{
    *this = other;
}

CWindowAttributes& CWindowAttributes::operator=(const CWindowAttributes& other)
{
    m_title = other.m_title;
    m_backgroundColour = other.m_backgroundColour;
    m_windowAlpha = other.m_windowAlpha;
    m_enabled = other.m_enabled;
    m_secondFlag = other.m_secondFlag;
    m_windowAttributes = other.m_windowAttributes;
    m_windowClass = other.m_windowClass;
    return *this;
}

CWindowAttributes::~CWindowAttributes()
{
    CVN_DESTRUCT_CLASS;
}

void CWindowAttributes::initialise(EWindowStyle style)
{
    switch (style) {
    case CWINDOWATTRIBUTES_STYLE_DOCUMENT:
        initialise(DOCUMENT_ATTRIBUTES, CWINDOWATTRIBUTES_CLASS_DOCUMENT);
        break;
    case CWINDOWATTRIBUTES_STYLE_CLOSE_AND_COLLAPSE:
        initialise(CWINDOWATTRIBUTES_STANDARD_HANDLER | CWINDOWATTRIBUTES_CLOSE_BOX | CWINDOWATTRIBUTES_COLLAPSE_BOX,
                   CWINDOWATTRIBUTES_CLASS_DOCUMENT);
        break;
    case CWINDOWATTRIBUTES_STYLE_COLLAPSE:
        initialise(CWINDOWATTRIBUTES_STANDARD_HANDLER | CWINDOWATTRIBUTES_COLLAPSE_BOX,
                   CWINDOWATTRIBUTES_CLASS_DOCUMENT);
        break;
    case CWINDOWATTRIBUTES_STYLE_PLAIN:
        initialise(CWINDOWATTRIBUTES_STANDARD_HANDLER | CWINDOWATTRIBUTES_NO_SHADOW, CWINDOWATTRIBUTES_CLASS_PLAIN);
        break;
    }
}

void CWindowAttributes::initialise(unsigned long windowAttributes, unsigned long windowClass)
{
    m_windowAttributes = windowAttributes;
    m_windowClass = windowClass;
}

}}}  // namespace Corvane::GUI::Windowing
