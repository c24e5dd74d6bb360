#pragma once

#include "basics/CSystemString.hpp"
#include "gui/graphics/CImageReference.hpp"
#include "gui/graphics/IImage.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

/**
 * Loading images by file type, and images shared under a name. Exists between
 * CvnGUI::start and CvnGUI::stop (initialise / uninitialise); loading by path
 * works at any time.
 */
class CImageManager {
public:
    /** Makes the default path " " and an empty list of shared images, each unless it exists. */
    static void initialise();
    /** Releases every shared image and the default path. */
    static void uninitialise();

    /**
     * A new image for the file, loaded, which the caller owns; null when the
     * file does not exist or its extension names no known type. The extension
     * picks the class ("jpg", "jpeg", "JPG", "JPEG": JPEG; "png", "PNG": PNG),
     * and each class accepts only its lower-case extensions, so an existing
     * "picture.PNG" gives a PNG image that has nothing loaded. There is no
     * Targa reader: "tga" files give null.
     */
    static IImage* getImageOnPath(const Corvane::Basics::CSystemString& path);
    /** The same for folder/fileName. */
    static IImage* getImageOnPath(const Corvane::Basics::CSystemString& folder,
                                  const Corvane::Basics::CString& fileName);

    static void setDefaultPathToImages(const Corvane::Basics::CSystemString& path);
    /** " " when none is set or the manager is not initialised. */
    static Corvane::Basics::CSystemString getDefaultPathToImages();

    /** Shares image under name (the manager references it); ignored before initialise or for a null image. */
    static void addImage(IImage* image, const Corvane::Basics::CString& name);
    /** The first image shared under name (case-sensitive); null when none. */
    static IImage* getImage(const Corvane::Basics::CString& name);
    static CImageReference* getImageReference(const Corvane::Basics::CString& name);

    CImageManager() = delete;
};

}}}  // namespace Corvane::GUI::Graphics
