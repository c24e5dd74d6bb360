#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CString.hpp"
#include "basics/CSystemString.hpp"
#include "io/CTextStream.hpp"

namespace Corvane { namespace Testing {

/**
 * Process-wide trace log. Tracing is silent until a trace file is opened;
 * each trace call then writes one line and flushes it to disk, so the log
 * survives a crash. The stream is shared without locking: trace from one
 * thread at a time.
 */
class CTrace {
public:
    /** Size of the work buffer a formatted message is printed into; longer messages are cut. */
    static const long CTRACE_BUFFER_SIZE = 300;
    /** Bound of an object's description in a traced line. */
    static const long CTRACE_DESCRIPTION_SIZE = 1024;

    /** The trace stream, closed until openTraceFile() succeeds. */
    static IO::CTextStream& CTRACE_STREAM();

    /** Closes any open trace file, then opens path for writing, replacing its contents. */
    static bool openTraceFile(const Basics::CSystemString& path);
    static void closeTraceFile();

    /** printf-style message, at most CTRACE_BUFFER_SIZE - 1 characters, written as one line. */
    static void trace(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 1, 2)))
#endif
        ;

    /** The text followed by the object's description, written as one line. */
    static void trace(const Basics::CCountedObject& object, const Basics::CString& text);

    CTrace() = delete;
};

}}  // namespace Corvane::Testing
