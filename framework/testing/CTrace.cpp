#include "testing/CTrace.hpp"

#include <cstdarg>
#include <cstdio>

namespace Corvane { namespace Testing {

IO::CTextStream& CTrace::CTRACE_STREAM()
{
    // Built on first use, so tracing works from any static initialiser.
    static IO::CTextStream stream;
    return stream;
}

bool CTrace::openTraceFile(const Basics::CSystemString& path)
{
    return CTRACE_STREAM().openStream(path, IO::CTextStream::e_write);
}

void CTrace::closeTraceFile()
{
    CTRACE_STREAM().closeStream();
}

void CTrace::trace(const char* format, ...)
{
    IO::CTextStream& stream = CTRACE_STREAM();
    if (format == nullptr || !stream.validForOutput()) {
        return;
    }
    char message[CTRACE_BUFFER_SIZE] = {};
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof(message), format, arguments);
    va_end(arguments);
    stream << message << "\n";
    stream.flushToDisk();
}

void CTrace::trace(const Basics::CCountedObject& object, const Basics::CString& text)
{
    IO::CTextStream& stream = CTRACE_STREAM();
    if (!stream.validForOutput()) {
        return;
    }
    char description[CTRACE_DESCRIPTION_SIZE] = {};
    object.getObjectDescription(description, CTRACE_DESCRIPTION_SIZE);
    description[CTRACE_DESCRIPTION_SIZE - 1] = '\0';
    stream << text << description << "\n";
    stream.flushToDisk();
}

}}  // namespace Corvane::Testing
