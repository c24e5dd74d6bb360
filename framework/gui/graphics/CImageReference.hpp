#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CSystemString.hpp"
#include "gui/graphics/IImage.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

/** An image the image manager shares under a name, with the file it came from. Holds a counted reference on the image. */
class CImageReference : public Corvane::Basics::CCountedObject {
public:
    CImageReference(IImage* image, const Corvane::Basics::CString& referenceName);
    ~CImageReference() override;
    CImageReference(const CImageReference&) = delete;
    CImageReference& operator=(const CImageReference&) = delete;

    IImage* getImage() const { return m_image; }
    const Corvane::Basics::CString& getReferenceName() const { return m_referenceName; }
    const Corvane::Basics::CSystemString& getFileName() const { return m_fileName; }

    CVN_DECLARE_CLASS

private:
    IImage* m_image;
    Corvane::Basics::CString m_referenceName;
    Corvane::Basics::CSystemString m_fileName;
};

}}}  // namespace Corvane::GUI::Graphics
