#pragma once

// Private to the GUI toolkit: JPEG decoding through libjpeg.

namespace Corvane { namespace GUI { namespace Graphics {

class CCairoImage;

/** Reads JPEG files (greyscale or colour) into opaque images. */
class CJPEGDecoder {
public:
    /** The decoded file; null when it cannot be opened or is not a readable JPEG. */
    static CCairoImage* decode(const char* path);

    CJPEGDecoder() = delete;
};

}}}  // namespace Corvane::GUI::Graphics
