#include "basics/CPascalString.hpp"

#include <cstdio>
#include <cstring>

namespace Corvane { namespace Basics {

CVN_IMPLEMENT_CLASS(CPascalString, "CCountedObject")

namespace {
// Room for the length byte and the terminator.
const long MINIMUM_SIZE = 2;
const std::size_t LONGEST_TEXT = 255;
}  // namespace

CPascalString::CPascalString(const char* text, long size) : m_buffer(nullptr), m_size(0)
{
    setString(text, size);
    CVN_CONSTRUCT_CLASS;
}

CPascalString::~CPascalString()
{
    delete[] m_buffer;
    CVN_DESTRUCT_CLASS;
}

void CPascalString::setString(const char* text, long size)
{
    const long bufferSize = size < MINIMUM_SIZE ? MINIMUM_SIZE : size;
    unsigned char* fresh = new unsigned char[static_cast<std::size_t>(bufferSize)]();
    std::size_t length = text != nullptr ? std::strlen(text) : 0;
    if (length > static_cast<std::size_t>(bufferSize - MINIMUM_SIZE)) {
        length = static_cast<std::size_t>(bufferSize - MINIMUM_SIZE);
    }
    if (length > LONGEST_TEXT) {
        length = LONGEST_TEXT;
    }
    fresh[0] = static_cast<unsigned char>(length);
    if (length > 0) {
        std::memcpy(fresh + 1, text, length);
    }
    delete[] m_buffer;
    m_buffer = fresh;
    m_size = bufferSize;
}

void CPascalString::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<std::size_t>(size), "[CPascalString \"%s\" of %ld characters]", getText(),
                      getLength());
    }
}

}}  // namespace Corvane::Basics
