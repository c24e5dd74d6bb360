#include "gui/graphics/CClip.hpp"

#include "exceptions/CException.hpp"
#include "gui/graphics/CCairoContext.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

CClip::CClip() : m_clipSet(false), m_initialised(false), m_context(nullptr), m_stateSaved(false) {}

CClip::~CClip() = default;

void CClip::initialise(CCairoContext* context, const Corvane::MathTools::CRect& area)
{
    if (context == nullptr) {
        throw Corvane::Exceptions::CException("Context is NULL", "initialise", true);
    }
    m_context = context;
    m_area = area;
    m_region = area;
    m_clipSet = false;
    m_stateSaved = false;
    m_initialised = true;
}

void CClip::uninitialise()
{
    if (m_initialised) {
        clearClipRegion();
        if (m_stateSaved) {
            m_context->restoreState();
            m_stateSaved = false;
        }
    }
    m_context = nullptr;
    m_initialised = false;
}

void CClip::setCurrentClipRegion(const Corvane::MathTools::CRect& region)
{
    m_region = region;
    m_clipSet = true;
    if (!m_initialised) {
        return;
    }
    if (m_stateSaved) {
        m_context->restoreState();
    }
    m_context->saveState();
    m_stateSaved = true;
    m_context->clipToRectangle(region.getLeft(), region.getTop(), region.getWidth(), region.getHeight());
}

void CClip::getCurrentClipRegion(Corvane::MathTools::CRect& region) const
{
    region = m_region;
}

void CClip::clearClipRegion()
{
    setCurrentClipRegion(Corvane::MathTools::CRect(0, 0, m_area.getWidth(), m_area.getHeight()));
    m_clipSet = false;
}

}}}  // namespace Corvane::GUI::Graphics
