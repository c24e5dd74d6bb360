#pragma once

#include "basics/CCountedObject.hpp"

namespace Corvane { namespace Basics {

/**
 * A length-prefixed copy of a text for platform calls that take one: byte 0
 * holds the length, the characters follow, then a terminating zero. The text
 * is cut to what the buffer holds (size - 2 characters, at most 255).
 */
class CPascalString : public CCountedObject {
public:
    /** Buffer size used by CString::getStringAsPascalString. */
    static constexpr long CPASCALSTRING_DEFAULT_SIZE = 256;

    CPascalString(const char* text, long size);
    ~CPascalString() override;

    CPascalString(const CPascalString&) = delete;
    CPascalString& operator=(const CPascalString&) = delete;

    /** Replaces the buffer by one of size bytes holding text (cut to fit); null counts as "". */
    void setString(const char* text, long size);

    /** The buffer: length byte, characters, zero. */
    const unsigned char* getString() const { return m_buffer; }
    /** The number of characters held (byte 0). */
    long getLength() const { return m_buffer[0]; }
    /** The characters as a zero-terminated text. */
    const char* getText() const { return reinterpret_cast<const char*>(m_buffer + 1); }
    long getBufferSize() const { return m_size; }

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    unsigned char* m_buffer;
    long m_size;
};

}}  // namespace Corvane::Basics
