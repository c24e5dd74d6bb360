#pragma once

#include "basics/CCountedObject.hpp"
#include "gui/graphics/IImage.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

/** What every image shares: its size, file name, last error and the decoded pixels. */
class CBaseImage : public IImage, public Corvane::Basics::CCountedObject {
public:
    explicit CBaseImage(bool hasAlpha);
    ~CBaseImage() override;
    CBaseImage(const CBaseImage&) = delete;
    CBaseImage& operator=(const CBaseImage&) = delete;

    Corvane::MathTools::CDimension getImageSize() const override;
    Corvane::MathTools::CRect getNormalisedImageSize() const override;
    const Corvane::Basics::CSystemString& getFileName() const override { return m_fileName; }
    /** File name " ", size 0 x 0, pixels released. */
    void unloadImage() override;
    bool imageHasAlpha() const override { return m_hasAlpha; }
    bool hasImageLoaded() const override { return m_imageLoaded; }
    CCairoImage* getImageHandle() const override { return m_image; }

    /** Why the last load failed; empty after a success. */
    const Corvane::Basics::CString& getLastError() const { return m_lastError; }

    /** folder + "/" + fileName, as images are looked for in a folder. */
    static Corvane::Basics::CSystemString joinPath(const Corvane::Basics::CSystemString& folder,
                                                   const Corvane::Basics::CString& fileName);

    /** "No Image loaded" or "File loaded is = <file name>". */
    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

protected:
    /** Takes the decoded pixels (which may be null: a failed decode) and answers whether there were any. */
    bool setImage(CCairoImage* image, const char* errorWhenNull);
    /** Records a failed load: the reason, nothing loaded. */
    bool failLoad(const char* reason);
    void setFileName(const Corvane::Basics::CSystemString& fileName) { m_fileName = fileName; }

private:
    bool m_hasAlpha;
    bool m_imageLoaded;
    Corvane::MathTools::CDimension m_imageSize;
    Corvane::Basics::CSystemString m_fileName;
    Corvane::Basics::CString m_lastError;
    CCairoImage* m_image;
};

}}}  // namespace Corvane::GUI::Graphics
