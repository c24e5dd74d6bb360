#pragma once

#include <string>

namespace Corvane { namespace GUI { namespace Fonts {

/**
 * Framework strings are 8-bit text without a declared encoding. The text
 * engine takes UTF-8; anything that is not valid UTF-8 is taken as Latin-1,
 * so no text is ever dropped for its encoding.
 */
class CTextEncoding {
public:
    /** Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF. */
    static bool isValidUTF8(const char* text);
    /** The text as UTF-8: itself when valid, otherwise each byte read as a Latin-1 character. */
    static std::string toUTF8(const char* text);

    CTextEncoding() = delete;
};

}}}  // namespace Corvane::GUI::Fonts
