#include "gui/graphics/CImageReference.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

CVN_IMPLEMENT_CLASS(CImageReference, "CCountedObject")

CImageReference::CImageReference(IImage* image, const Corvane::Basics::CString& referenceName)
    : m_image(image),
      m_referenceName(referenceName),
      m_fileName(image != nullptr ? image->getFileName() : Corvane::Basics::CSystemString(" "))
{
    CVN_CONSTRUCT_CLASS;
    if (m_image != nullptr) {
        m_image->referenced();
    }
}

CImageReference::~CImageReference()
{
    if (m_image != nullptr) {
        m_image->dereference();
    }
    CVN_DESTRUCT_CLASS;
}

}}}  // namespace Corvane::GUI::Graphics
