#pragma once

#include "basics/CCountedObject.hpp"
#include "gui/graphics/IImage.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

/**
 * What every image shares: its size, file name, last error and the decoded
 * pixels, and the larger sets of a picture read from a file.
 *
 * A larger set is a file beside the picture's own, named with the factor
 * before the extension ("knob@2x.png" beside "knob.png"), exactly that many
 * times as wide and as high. It is read the first time a surface needs it,
 * never before: making an image costs what reading its own file costs. A set
 * that is missing, unreadable or of another size counts as absent, and is
 * looked for once.
 */
class CBaseImage : public IImage, public Corvane::Basics::CCountedObject {
public:
    /** The largest set looked for: three times the picture's size. */
    static constexpr long CBASEIMAGE_LARGEST_SET = 3;

    /** The file of the set of that factor (2 or 3) of the picture at path: "a/knob.png" -> "a/knob@2x.png". */
    static Corvane::Basics::CSystemString getLargerSetPath(const Corvane::Basics::CSystemString& path,
                                                           long pixelsPerUnit);

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
    /**
     * Above scale 1 the smallest larger set of at least that factor, else the
     * largest one below it, else the image's own pixels. A set larger than the
     * scale is resampled to it once and kept until another scale is asked for:
     * shrinking a picture while painting costs many times what copying it does.
     */
    CCairoImage* getImageHandleForScale(double scale, double& pixelsPerUnit) override;

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
    /** Reads a file of the image's own type; null when it cannot. Without a file type: always null. */
    virtual CCairoImage* decodeFile(const char* path) const;

private:
    /** The set of that factor, read at the first call; null when there is none. */
    CCairoImage* getLargerSet(long pixelsPerUnit);
    /** The set for the scale: what getImageHandleForScale draws from before any resampling. */
    CCairoImage* chooseSet(double scale, long& pixelsPerUnit);
    void releaseLargerSets();

    bool m_hasAlpha;
    bool m_imageLoaded;
    Corvane::MathTools::CDimension m_imageSize;
    Corvane::Basics::CSystemString m_fileName;
    Corvane::Basics::CString m_lastError;
    CCairoImage* m_image;
    /** Index factor - 2: the sets of factors 2 and 3. */
    CCairoImage* m_largerSets[CBASEIMAGE_LARGEST_SET - 1];
    bool m_largerSetLookedFor[CBASEIMAGE_LARGEST_SET - 1];
    /** The latest set shrunk to a scale between the sets, and that scale (0 for none). */
    CCairoImage* m_resampled;
    double m_resampledScale;
};

}}}  // namespace Corvane::GUI::Graphics
