#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CString.hpp"
#include "basics/CSystemString.hpp"

#include <fstream>

namespace Corvane { namespace IO {

/**
 * Line-oriented text file stream, opened either for writing (the file is
 * created or emptied) or for reading. Every operation on a stream that is not
 * open in the matching mode does nothing, so a report written to a file that
 * could not be opened is silently dropped; callers that care check the result
 * of openStream() or validForOutput().
 *
 * Writers add their own line ends. Each read takes one line, without its line
 * feed and without a carriage return before it; lines longer than
 * CTEXTSTREAM_MAX_LINE_LENGTH characters are cut.
 */
class CTextStream : public Basics::CCountedObject {
public:
    enum EStreamMode {
        e_read = 0,
        e_write = 1
    };

    /** Longest line the input operators keep. */
    static const long CTEXTSTREAM_MAX_LINE_LENGTH = 1023;
    /** Size of a character buffer that can take any line read by operator>>(char*). */
    static const long CTEXTSTREAM_LINE_BUFFER_SIZE = CTEXTSTREAM_MAX_LINE_LENGTH + 1;

    CTextStream();
    CTextStream(const Basics::CSystemString& path, EStreamMode mode);
    ~CTextStream() override;

    CTextStream(const CTextStream&) = delete;
    CTextStream& operator=(const CTextStream&) = delete;

    /** Closes any open file, then opens path in the given mode; returns whether it is open. */
    bool openStream(const Basics::CSystemString& path, EStreamMode mode);
    void closeStream();

    bool validForOutput() const;
    bool validForInput() const;
    bool isOpen() const { return m_open; }
    EStreamMode getStreamMode() const { return m_mode; }
    const Basics::CSystemString& getFileName() const { return m_fileName; }

    /** A null text is ignored; this form also flushes. */
    CTextStream& operator<<(const char* text);
    CTextStream& operator<<(const Basics::CString& text);
    CTextStream& operator<<(const Basics::CSystemString& text);
    /** The object's description, bounded to 256 bytes. */
    CTextStream& operator<<(const Basics::CCountedObject& object);
    CTextStream& operator<<(long value);
    CTextStream& operator<<(int value);
    /** "true" or "false". */
    CTextStream& operator<<(bool value);
    /** Fixed-point with 20 decimals, the point always shown. */
    CTextStream& operator<<(float value);
    CTextStream& operator<<(double value);

    void flushToDisk();

    // Each input operator reads one line; past the end of the input the target is left as it was.

    /** Copies the next line; the target must hold CTEXTSTREAM_LINE_BUFFER_SIZE bytes. */
    CTextStream& operator>>(char* text);
    CTextStream& operator>>(Basics::CString& text);
    CTextStream& operator>>(Basics::CSystemString& text);
    CTextStream& operator>>(long& value);
    CTextStream& operator>>(int& value);
    CTextStream& operator>>(double& value);
    CTextStream& operator>>(float& value);
    /** True only when the line is exactly "true". */
    CTextStream& operator>>(bool& value);

    /** True when closed; false in write mode; in read mode, whether no input is left. */
    bool hasReachedEOF();

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    /** Reads the next line into the line buffer; false when not readable or nothing is left. */
    bool readLine();
    template <typename T>
    CTextStream& writeNumber(T value);

    bool m_open;
    EStreamMode m_mode;
    Basics::CSystemString m_fileName;
    std::ofstream m_output;
    std::ifstream m_input;
    char m_lineBuffer[CTEXTSTREAM_LINE_BUFFER_SIZE];
};

}}  // namespace Corvane::IO
