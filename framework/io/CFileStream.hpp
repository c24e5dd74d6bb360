#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CSystemString.hpp"

#include <cstdint>
#include <cstdio>

namespace Corvane { namespace IO {

/**
 * Binary file stream. Opened for reading or for writing (the file is created
 * or emptied); when byte swapping is asked for, the typed reads and writes of
 * 16-, 32- and 64-bit values reverse their byte order, so a file written in
 * the other byte order reads back correctly. Every operation on a stream that
 * is not open in the matching mode does nothing and reports failure.
 */
class CFileStream : public Basics::CCountedObject {
public:
    enum EFileStreamMode {
        e_read = 0,
        e_write = 1
    };

    CFileStream();
    ~CFileStream() override;

    CFileStream(const CFileStream&) = delete;
    CFileStream& operator=(const CFileStream&) = delete;

    /** Closes any open file, then opens path; returns whether it is open. */
    bool openStream(const Basics::CSystemString& path, EFileStreamMode mode, bool swapBytes = false);
    void closeStream();

    bool isOpen() const { return m_file != nullptr; }
    bool validForOutput() const { return m_file != nullptr && m_mode == e_write; }
    bool validForInput() const { return m_file != nullptr && m_mode == e_read; }
    bool swapsBytes() const { return m_swapBytes; }

    /** Number of bytes actually read into / written from the block. */
    long readBlock(void* block, long size);
    long writeBlock(const void* block, long size);

    /** Each returns true when the whole value was transferred. */
    bool readUInt8(uint8_t& value);
    bool readUInt16(uint16_t& value);
    bool readUInt32(uint32_t& value);
    bool readUInt64(uint64_t& value);
    bool writeUInt8(uint8_t value);
    bool writeUInt16(uint16_t value);
    bool writeUInt32(uint32_t value);
    bool writeUInt64(uint64_t value);

    /** Moves to an absolute byte position; false when not open or the position is invalid. */
    bool seek(long position);
    /** The current byte position, -1 when closed. */
    long getPosition() const;
    /** True when closed or when a read has run past the end. */
    bool hasReachedEOF() const;

    static uint16_t swap16(uint16_t value);
    static uint32_t swap32(uint32_t value);
    static uint64_t swap64(uint64_t value);

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    template <typename T>
    bool readValue(T& value);
    template <typename T>
    bool writeValue(T value);

    std::FILE* m_file;
    EFileStreamMode m_mode;
    bool m_swapBytes;
};

}}  // namespace Corvane::IO
