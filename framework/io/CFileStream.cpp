#include "io/CFileStream.hpp"

namespace Corvane { namespace IO {

CVN_IMPLEMENT_CLASS(CFileStream, "CCountedObject")

namespace {
uint8_t swapValue(uint8_t value)
{
    return value;
}
uint16_t swapValue(uint16_t value)
{
    return CFileStream::swap16(value);
}
uint32_t swapValue(uint32_t value)
{
    return CFileStream::swap32(value);
}
uint64_t swapValue(uint64_t value)
{
    return CFileStream::swap64(value);
}
}  // namespace

CFileStream::CFileStream() : m_file(nullptr), m_mode(e_read), m_swapBytes(false)
{
    CVN_CONSTRUCT_CLASS;
}

CFileStream::~CFileStream()
{
    closeStream();
    CVN_DESTRUCT_CLASS;
}

bool CFileStream::openStream(const Basics::CSystemString& path, EFileStreamMode mode, bool swapBytes)
{
    closeStream();
    m_mode = mode;
    m_swapBytes = swapBytes;
    if (mode == e_read) {
        m_file = std::fopen(path.getString(), "rb");
    } else if (mode == e_write) {
        m_file = std::fopen(path.getString(), "wb");
    }
    return m_file != nullptr;
}

void CFileStream::closeStream()
{
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

long CFileStream::readBlock(void* block, long size)
{
    if (!validForInput() || block == nullptr || size <= 0) {
        return 0;
    }
    return static_cast<long>(std::fread(block, 1, static_cast<size_t>(size), m_file));
}

long CFileStream::writeBlock(const void* block, long size)
{
    if (!validForOutput() || block == nullptr || size <= 0) {
        return 0;
    }
    return static_cast<long>(std::fwrite(block, 1, static_cast<size_t>(size), m_file));
}

template <typename T>
bool CFileStream::readValue(T& value)
{
    T raw = 0;
    if (readBlock(&raw, sizeof(T)) != static_cast<long>(sizeof(T))) {
        return false;
    }
    value = m_swapBytes ? swapValue(raw) : raw;
    return true;
}

template <typename T>
bool CFileStream::writeValue(T value)
{
    const T raw = m_swapBytes ? swapValue(value) : value;
    return writeBlock(&raw, sizeof(T)) == static_cast<long>(sizeof(T));
}

bool CFileStream::readUInt8(uint8_t& value)
{
    return readValue(value);
}
bool CFileStream::readUInt16(uint16_t& value)
{
    return readValue(value);
}
bool CFileStream::readUInt32(uint32_t& value)
{
    return readValue(value);
}
bool CFileStream::readUInt64(uint64_t& value)
{
    return readValue(value);
}
bool CFileStream::writeUInt8(uint8_t value)
{
    return writeValue(value);
}
bool CFileStream::writeUInt16(uint16_t value)
{
    return writeValue(value);
}
bool CFileStream::writeUInt32(uint32_t value)
{
    return writeValue(value);
}
bool CFileStream::writeUInt64(uint64_t value)
{
    return writeValue(value);
}

bool CFileStream::seek(long position)
{
    if (m_file == nullptr || position < 0) {
        return false;
    }
    return std::fseek(m_file, position, SEEK_SET) == 0;
}

long CFileStream::getPosition() const
{
    return m_file != nullptr ? std::ftell(m_file) : -1;
}

bool CFileStream::hasReachedEOF() const
{
    return m_file == nullptr || std::feof(m_file) != 0;
}

uint16_t CFileStream::swap16(uint16_t value)
{
    return static_cast<uint16_t>((value >> 8) | (value << 8));
}

uint32_t CFileStream::swap32(uint32_t value)
{
    return ((value & 0x000000FFu) << 24) | ((value & 0x0000FF00u) << 8) | ((value & 0x00FF0000u) >> 8) |
           ((value & 0xFF000000u) >> 24);
}

uint64_t CFileStream::swap64(uint64_t value)
{
    return (static_cast<uint64_t>(swap32(static_cast<uint32_t>(value))) << 32) |
           swap32(static_cast<uint32_t>(value >> 32));
}

void CFileStream::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<size_t>(size), "[CFileStream %s%s]", m_file != nullptr ? "open" : "closed",
                      m_swapBytes ? ", swapping" : "");
    }
}

}}  // namespace Corvane::IO
