#include "io/CTextStream.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ios>
#include <limits>
#include <string>

namespace Corvane { namespace IO {

CVN_IMPLEMENT_CLASS(CTextStream, "CCountedObject")

namespace {
const long CTEXTSTREAM_DESCRIPTION_SIZE = 256;
}

CTextStream::CTextStream() : m_open(false), m_mode(e_read), m_fileName(""), m_lineBuffer{}
{
    CVN_CONSTRUCT_CLASS;
}

CTextStream::CTextStream(const Basics::CSystemString& path, EStreamMode mode) : CTextStream()
{
    openStream(path, mode);
}

CTextStream::~CTextStream()
{
    closeStream();
    CVN_DESTRUCT_CLASS;
}

bool CTextStream::openStream(const Basics::CSystemString& path, EStreamMode mode)
{
    closeStream();
    m_mode = mode;
    m_fileName = path;
    m_lineBuffer[0] = '\0';
    if (mode == e_write) {
        m_output.clear();
        m_output.open(path.getString(), std::ios::out | std::ios::trunc);
        m_open = m_output.is_open();
    } else if (mode == e_read) {
        m_input.clear();
        m_input.open(path.getString(), std::ios::in);
        m_open = m_input.is_open();
    }
    return m_open;
}

void CTextStream::closeStream()
{
    if (m_output.is_open()) {
        m_output.flush();
        m_output.close();
    }
    if (m_input.is_open()) {
        m_input.close();
    }
    m_open = false;
}

bool CTextStream::validForOutput() const
{
    return m_open && m_mode == e_write;
}

bool CTextStream::validForInput() const
{
    return m_open && m_mode == e_read;
}

CTextStream& CTextStream::operator<<(const char* text)
{
    if (validForOutput() && text != nullptr) {
        m_output << text;
        m_output.flush();
    }
    return *this;
}

CTextStream& CTextStream::operator<<(const Basics::CString& text)
{
    if (validForOutput()) {
        m_output << text.getString();
    }
    return *this;
}

CTextStream& CTextStream::operator<<(const Basics::CSystemString& text)
{
    if (validForOutput()) {
        m_output << text.getString();
    }
    return *this;
}

CTextStream& CTextStream::operator<<(const Basics::CCountedObject& object)
{
    if (validForOutput()) {
        char description[CTEXTSTREAM_DESCRIPTION_SIZE] = {};
        object.getObjectDescription(description, CTEXTSTREAM_DESCRIPTION_SIZE);
        description[CTEXTSTREAM_DESCRIPTION_SIZE - 1] = '\0';
        m_output << description;
    }
    return *this;
}

template <typename T>
CTextStream& CTextStream::writeNumber(T value)
{
    if (validForOutput()) {
        m_output << value;
    }
    return *this;
}

CTextStream& CTextStream::operator<<(long value)
{
    return writeNumber(value);
}

CTextStream& CTextStream::operator<<(int value)
{
    return writeNumber(value);
}

CTextStream& CTextStream::operator<<(bool value)
{
    return writeNumber(value ? "true" : "false");
}

CTextStream& CTextStream::operator<<(float value)
{
    return *this << static_cast<double>(value);
}

CTextStream& CTextStream::operator<<(double value)
{
    if (validForOutput()) {
        const std::ios::fmtflags flags = m_output.flags();
        const std::streamsize precision = m_output.precision();
        m_output.setf(std::ios::fixed, std::ios::floatfield);
        m_output.setf(std::ios::showpoint);
        m_output.precision(20);
        m_output << value;
        m_output.flags(flags);
        m_output.precision(precision);
    }
    return *this;
}

void CTextStream::flushToDisk()
{
    if (validForOutput()) {
        m_output.flush();
    }
}

bool CTextStream::readLine()
{
    if (!validForInput()) {
        return false;
    }
    m_lineBuffer[0] = '\0';
    if (m_input.peek() == std::ifstream::traits_type::eof()) {
        // Nothing left to read: the targets keep their values.
        m_input.clear(m_input.rdstate() | std::ios::eofbit);
        return false;
    }
    // Reads straight into the line buffer, so however long a line in the file
    // is, no more than the buffer is ever held.
    m_input.getline(m_lineBuffer, CTEXTSTREAM_LINE_BUFFER_SIZE);
    if (m_input.fail() && !m_input.bad() && !m_input.eof()) {
        // The line was longer than the buffer: keep its start, skip the rest.
        m_input.clear();
        m_input.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    } else if (m_input.eof()) {
        // A last line without a line end: the next read finds nothing.
        m_input.clear(std::ios::eofbit);
    }
    const std::size_t length = std::strlen(m_lineBuffer);
    if (length > 0 && m_lineBuffer[length - 1] == '\r') {
        m_lineBuffer[length - 1] = '\0';
    }
    return true;
}

CTextStream& CTextStream::operator>>(char* text)
{
    if (readLine() && text != nullptr) {
        std::memcpy(text, m_lineBuffer, std::strlen(m_lineBuffer) + 1);
    }
    return *this;
}

CTextStream& CTextStream::operator>>(Basics::CString& text)
{
    if (readLine()) {
        text.setString(m_lineBuffer);
    }
    return *this;
}

CTextStream& CTextStream::operator>>(Basics::CSystemString& text)
{
    if (readLine()) {
        text.setString(m_lineBuffer);
    }
    return *this;
}

CTextStream& CTextStream::operator>>(long& value)
{
    if (readLine()) {
        value = std::atol(m_lineBuffer);
    }
    return *this;
}

CTextStream& CTextStream::operator>>(int& value)
{
    if (readLine()) {
        value = std::atoi(m_lineBuffer);
    }
    return *this;
}

CTextStream& CTextStream::operator>>(double& value)
{
    if (readLine()) {
        value = std::atof(m_lineBuffer);
    }
    return *this;
}

CTextStream& CTextStream::operator>>(float& value)
{
    if (readLine()) {
        value = static_cast<float>(std::atof(m_lineBuffer));
    }
    return *this;
}

CTextStream& CTextStream::operator>>(bool& value)
{
    if (readLine()) {
        value = std::strcmp(m_lineBuffer, "true") == 0;
    }
    return *this;
}

bool CTextStream::hasReachedEOF()
{
    if (!m_open) {
        return true;
    }
    if (m_mode == e_write) {
        return false;
    }
    return m_input.peek() == std::ifstream::traits_type::eof();
}

void CTextStream::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<size_t>(size), "[CTextStream %s, %s, %s]", m_fileName.getString(),
                      m_mode == e_write ? "write" : "read", m_open ? "open" : "closed");
    }
}

}}  // namespace Corvane::IO
