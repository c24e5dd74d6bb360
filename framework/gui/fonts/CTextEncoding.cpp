#include "gui/fonts/CTextEncoding.hpp"

namespace Corvane { namespace GUI { namespace Fonts {

bool CTextEncoding::isValidUTF8(const char* text)
{
    if (text == nullptr) {
        return true;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0) {
        const unsigned char lead = *p;
        int continuation = 0;
        unsigned long code = 0;
        unsigned long smallest = 0;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            continuation = 1;
            code = lead & 0x1FU;
            smallest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            continuation = 2;
            code = lead & 0x0FU;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            continuation = 3;
            code = lead & 0x07U;
            smallest = 0x10000;
        } else {
            return false;
        }
        ++p;
        for (int i = 0; i < continuation; ++i, ++p) {
            // The terminating zero fails this test too, so a cut sequence is invalid.
            if ((*p & 0xC0U) != 0x80U) {
                return false;
            }
            code = (code << 6) | (*p & 0x3FU);
        }
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
    }
    return true;
}

std::string CTextEncoding::toUTF8(const char* text)
{
    if (text == nullptr) {
        return std::string();
    }
    if (isValidUTF8(text)) {
        return std::string(text);
    }
    std::string converted;
    for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
        if (*p < 0x80) {
            converted += static_cast<char>(*p);
        } else {
            converted += static_cast<char>(0xC0 | (*p >> 6));
            converted += static_cast<char>(0x80 | (*p & 0x3F));
        }
    }
    return converted;
}

}}}  // namespace Corvane::GUI::Fonts
