#include "gui/graphics/CJPEGDecoder.hpp"

#include "gui/graphics/CCairoImage.hpp"

#include <csetjmp>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

namespace Corvane { namespace GUI { namespace Graphics {

namespace {

// libjpeg's default error handler ends the process; this one jumps back to
// the decoder instead, which then gives up on the file.
struct SErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void exitOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<SErrorManager*>(info->err)->jump, 1);
}

void ignoreMessage(j_common_ptr /*info*/, int /*level*/) {}

// Nothing with a destructor may live in this function: a decoding error
// leaves it through longjmp.
CCairoImage* decodeFile(std::FILE* file)
{
    jpeg_decompress_struct info;
    SErrorManager error;
    CCairoImage* volatile image = nullptr;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = exitOnError;
    error.manager.emit_message = ignoreMessage;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_decompress(&info);
        delete image;
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = CCairoImage::create(info.output_width, info.output_height, false);
    if (image == nullptr) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    JSAMPARRAY row =
        (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 3, 1);
    unsigned char* data = image->getData();
    const long stride = image->getStride();
    while (info.output_scanline < info.output_height) {
        const JDIMENSION y = info.output_scanline;
        jpeg_read_scanlines(&info, row, 1);
        auto* pixels = reinterpret_cast<std::uint32_t*>(data + static_cast<long>(y) * stride);
        const JSAMPLE* samples = row[0];
        for (JDIMENSION x = 0; x < info.output_width; ++x, samples += 3) {
            pixels[x] = 0xFF000000U | (static_cast<std::uint32_t>(samples[0]) << 16) |
                        (static_cast<std::uint32_t>(samples[1]) << 8) | samples[2];
        }
    }
    image->markDirty();
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

}  // namespace

CCairoImage* CJPEGDecoder::decode(const char* path)
{
    std::FILE* file = path != nullptr ? std::fopen(path, "rb") : nullptr;
    if (file == nullptr) {
        return nullptr;
    }
    CCairoImage* image = decodeFile(file);
    std::fclose(file);
    return image;
}

}}}  // namespace Corvane::GUI::Graphics
