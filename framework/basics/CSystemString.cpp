#include "basics/CSystemString.hpp"

#include <cstdio>
#include <cstring>
#include <string>

namespace Corvane { namespace Basics {

CVN_IMPLEMENT_CLASS(CSystemString, "CString")

namespace {
const char SEPARATOR = CSystemString::CSYSTEM_STRING_SEPERATOR_CHARACTER;
}  // namespace

CSystemString::CSystemString()
{
    CVN_CONSTRUCT_CLASS;
}

CSystemString::CSystemString(const char* text) : CString(text)
{
    CVN_CONSTRUCT_CLASS;
}

CSystemString::CSystemString(const CString& text) : CString(text)
{
    CVN_CONSTRUCT_CLASS;
}

CSystemString::CSystemString(const CSystemString& other) : CString(other)
{
    CVN_CONSTRUCT_CLASS;
}

CSystemString::~CSystemString()
{
    CVN_DESTRUCT_CLASS;
}

CSystemString& CSystemString::operator=(const CSystemString& other)
{
    CString::operator=(static_cast<const CString&>(other));
    return *this;
}

void CSystemString::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<std::size_t>(size), "[CSystemString \"%s\"]", getString());
    }
}

bool CSystemString::hasExtension() const
{
    return findBackwards('.') > 0;
}

bool CSystemString::hasExtension(const char* extension) const
{
    if (extension == nullptr) {
        return false;
    }
    const std::size_t extensionLength = std::strlen(extension);
    const std::size_t length = std::strlen(getString());
    if (extensionLength > length) {
        return false;
    }
    return std::memcmp(getString() + length - extensionLength, extension, extensionLength) == 0;
}

bool CSystemString::hasExtension(const CString& extension) const
{
    return hasExtension(extension.getString());
}

void CSystemString::appendNewExtension(const char* extension, bool replace)
{
    if (replace && hasExtension()) {
        removeExtension();
    }
    appendString('.');
    appendString(extension);
}

void CSystemString::appendNewExtension(const CString& extension, bool replace)
{
    appendNewExtension(extension.getString(), replace);
}

void CSystemString::removeExtension()
{
    const long dot = findBackwards('.');
    if (dot > 0) {
        setString(getSubString(0, dot - 1));
    }
}

bool CSystemString::isFolder() const
{
    return !hasExtension();
}

void CSystemString::stripFilename()
{
    setString(getFolderPath());
}

CSystemString CSystemString::getFolderPath() const
{
    const long separator = findBackwards(SEPARATOR);
    if (separator < 0) {
        return CSystemString(CSTRING_NULL_STRING);
    }
    return CSystemString(getSubString(0, separator));
}

void CSystemString::appendSystemSeperator()
{
    appendString(CSYSTEM_STRING_SYSTEM_SEPERATOR);
}

void CSystemString::appendPath(const CString& path)
{
    if (characterAt(static_cast<int>(getNumberOfCharacters()) - 2) != SEPARATOR) {
        appendSystemSeperator();
    }
    appendString(path);
}

CString CSystemString::getDriveLetter() const
{
    return CString(characterAt(0) == SEPARATOR ? CSYSTEM_STRING_SYSTEM_SEPERATOR : CSTRING_NULL_STRING);
}

CString CSystemString::getTheExtension() const
{
    const long dot = findBackwards('.');
    if (dot < 0) {
        return CString(CSTRING_NULL_STRING);
    }
    return CString(getString() + dot + 1);
}

CString CSystemString::getTheFilename() const
{
    const long separator = findBackwards(SEPARATOR);
    return CString(getString() + separator + 1);
}

namespace {

// Calls visit(start, length) for each non-empty component; stops when visit returns false.
template <class Visitor>
void forEachComponent(const char* text, Visitor&& visit)
{
    std::size_t i = 0;
    while (text[i] != '\0') {
        while (text[i] == SEPARATOR) {
            ++i;
        }
        const std::size_t start = i;
        while (text[i] != '\0' && text[i] != SEPARATOR) {
            ++i;
        }
        if (i > start && !visit(start, i - start)) {
            return;
        }
    }
}

}  // namespace

long CSystemString::getNumberOfPathComponents() const
{
    long count = 0;
    forEachComponent(getString(), [&count](std::size_t, std::size_t) {
        ++count;
        return true;
    });
    return count;
}

CString CSystemString::getPathComponent(long index) const
{
    std::string component;
    long current = 0;
    forEachComponent(getString(), [&](std::size_t start, std::size_t length) {
        if (current++ == index) {
            component.assign(getString() + start, length);
            return false;
        }
        return true;
    });
    return CString(component.c_str());
}

CString CSystemString::getLastPathComponent() const
{
    return getPathComponent(getNumberOfPathComponents() - 1);
}

void CSystemString::removeLastPathComponent()
{
    const long last = findBackwards(SEPARATOR) - 1;
    if (last > 0) {
        setString(getSubString(0, last));
    }
}

void CSystemString::removeFirstPathComponent()
{
    const char* text = getString();
    std::size_t end = 0;
    bool found = false;
    forEachComponent(text, [&](std::size_t start, std::size_t length) {
        end = start + length;
        found = true;
        return false;
    });
    if (!found) {
        return;
    }
    while (text[end] == SEPARATOR) {
        ++end;
    }
    std::string rest = text[0] == SEPARATOR ? CSYSTEM_STRING_SYSTEM_SEPERATOR : "";
    rest += text + end;
    setString(rest.c_str());
}

void CSystemString::replacePathSeperators()
{
    replaceCharWithChar('\\', SEPARATOR);
}

}}  // namespace Corvane::Basics
