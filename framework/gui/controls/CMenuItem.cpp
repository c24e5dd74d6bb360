#include "gui/controls/CMenuItem.hpp"

namespace Corvane { namespace GUI { namespace Controls {

CVN_IMPLEMENT_CLASS(CMenuItem, "CCountedObject")

CMenuItem::CMenuItem(const Corvane::Basics::CString& text, long id, EMenuItemTypes type, bool enabled)
    : m_text(text),
      m_id(id),
      m_type(type),
      m_enabled(enabled),
      m_index(0),
      m_textColour(Basics::CAlphaColour::CALPHACOLOUR_BLACK)
{
    CVN_CONSTRUCT_CLASS;
}

CMenuItem::~CMenuItem()
{
    CVN_DESTRUCT_CLASS;
}

void CMenuItem::setImages(Graphics::IImage* normal, Graphics::IImage* rollover)
{
    m_normalImage = normal;
    m_rolloverImage = rollover;
}

}}}  // namespace Corvane::GUI::Controls
