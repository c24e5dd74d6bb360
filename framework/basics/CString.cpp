#include "basics/CString.hpp"

#include "basics/CPascalString.hpp"
#include "exceptions/CException.hpp"

#include <strings.h>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace Corvane { namespace Basics {

CVN_IMPLEMENT_CLASS(CString, "CCountedObject")

namespace {

// The two texts an operation's guard raises with.
struct SFailureTexts {
    const char* function;
    const char* caught;
    const char* unknown;
};

const SFailureTexts CONSTRUCTION = {"CString", "Caught exception during string construction, more below\n\n",
                                    "Caught unknown exception during string construction"};
const SFailureTexts APPEND = {"appendString", "Caught exception during string append, more below\n\n",
                              "Caught unknown exception during string append"};
const SFailureTexts APPEND_OPERATOR = {"operator+=", APPEND.caught, APPEND.unknown};
const SFailureTexts ASSIGNMENT = {"operator=", "Caught exception during string assignment, more below\n\n",
                                  "Caught unknown exception during string assignment"};
const SFailureTexts EQUALITY = {"operator==", "Caught exception during string comparison, more below\n\n",
                                "Caught unknown exception during string comparison"};
const SFailureTexts INEQUALITY = {"operator!=", EQUALITY.caught, EQUALITY.unknown};
const SFailureTexts EQUALS = {"equals", EQUALITY.caught, "Caught unknown exception string comparison"};
const SFailureTexts EQUALS_IGNORING_CASE = {"equalsIgnoringCase", EQUALITY.caught, EQUALS.unknown};
const SFailureTexts INDEXING = {"operator[]", "Caught exception during string indexing, more below\n\n",
                                "Caught unknown exception during string indexing"};
const SFailureTexts STORING = {"setString", "Caught exception during string storing, more below\n\n",
                               "Caught unknown exception during string storing"};
const SFailureTexts FORMATTING = {"setStringWithFormat",
                                  "Caught exception during string storing (printf), more below\n\n",
                                  "Caught unknown exception during string storing (printf)"};
const SFailureTexts GETTING = {"getString", "Caught exception during string get, more below\n\n",
                               "Caught unknown exception during string get"};
const SFailureTexts SUB_STRING = {"getSubString", "Caught exception during sub string get, more below\n\n",
                                  "Caught unknown exception during sub string get"};
const SFailureTexts TRIMMING = {"removeTrailingAndLeadingWhiteSpace",
                                "Caught exception during white space removal, more below\n\n",
                                "Caught unknown exception during white space removal"};
const SFailureTexts TRIMMING_LEADING = {"removeLeadingWhiteSpace",
                                        "Caught exception during leading white space removal, more below\n\n",
                                        "Caught unknown exception during leading white space removal"};
const SFailureTexts TRIMMING_TRAILING = {"removeTrailingWhiteSpace",
                                         "Caught exception during trailing white space removal, more below\n\n",
                                         "Caught unknown exception during trailing white space removal"};
const SFailureTexts REMOVING_LAST = {"removeLastCharacter",
                                     "Caught exception during removal of last character, more below\n\n",
                                     "Caught unknown exception during removal of last character"};
const SFailureTexts REPLACING_CHAR = {"replaceCharWithString",
                                      "Caught exception during character replacement, more below\n\n",
                                      "Caught unknown exception during character replacement"};
const SFailureTexts REPLACING_STRING = {"replaceStringWithChar", REPLACING_CHAR.caught, REPLACING_CHAR.unknown};
const SFailureTexts FINDING = {"findSubString", "Caught exception during substring find, more below\n\n",
                               "Caught unknown exception substring find"};
const SFailureTexts DESCRIBING = {"getObjectDescription",
                                  "Caught exception during get object description, more below\n\n",
                                  "Caught unknown exception get object description"};
const SFailureTexts UPPER_CASE = {"toUpperCase", "Caught exception during upper case change, more below\n\n",
                                  "Caught unknown exception upper case change"};
const SFailureTexts LOWER_CASE = {"toLowerCase", "Caught exception during lower case change, more below\n\n",
                                  "Caught unknown exception lower case change"};

// Runs body; a CException from inside is re-raised with the operation's text
// in front of the inner reason and function, anything else (an allocation
// failure) is replaced by a CException with the operation's second text.
template <class Body>
auto guarded(const SFailureTexts& texts, Body&& body) -> decltype(body())
{
    try {
        return body();
    } catch (const Exceptions::CException& inner) {
        std::string reason = texts.caught;
        reason += inner.getErrorReason().getString();
        reason += "\n\n";
        reason += inner.getFunctionName().getString();
        throw Exceptions::CException(CString(reason.c_str()), CString(texts.function), true);
    } catch (...) {
        throw Exceptions::CException(CString(texts.unknown), CString(texts.function), true);
    }
}

}  // namespace

// Each constructor counts the instance only once its text is stored, so a
// construction that fails leaves the class record as it was.
CString::CString() : m_text(nullptr), m_numberOfCharacters(0)
{
    guarded(CONSTRUCTION, [this] { storeText("", 0); });
    CVN_CONSTRUCT_CLASS;
}

CString::CString(const char* text) : m_text(nullptr), m_numberOfCharacters(0)
{
    const char* source = text != nullptr ? text : CSTRING_EMPTY_STRING;
    guarded(CONSTRUCTION, [this, source] { storeText(source, std::strlen(source)); });
    CVN_CONSTRUCT_CLASS;
}

CString::CString(const CString& other) : CCountedObject(other), m_text(nullptr), m_numberOfCharacters(0)
{
    guarded(CONSTRUCTION, [this, &other] { storeText(other.m_text, other.getLength()); });
    CVN_CONSTRUCT_CLASS;
}

CString::~CString()
{
    delete[] m_text;
    CVN_DESTRUCT_CLASS;
}

void CString::storeText(const char* text, std::size_t length)
{
    // The new array is filled before the old one goes, so text may point into it.
    char* fresh = new char[length + 1];
    std::memcpy(fresh, text, length);
    fresh[length] = '\0';
    delete[] m_text;
    m_text = fresh;
    m_numberOfCharacters = static_cast<std::int32_t>(length + 1);
}

void CString::getObjectDescription(char* buffer, long size) const
{
    guarded(DESCRIBING, [&] {
        if (buffer != nullptr && size > 0) {
            std::snprintf(buffer, static_cast<std::size_t>(size), "[CString \"%s\" of %ld characters]", m_text,
                          static_cast<long>(m_numberOfCharacters));
        }
    });
}

CString& CString::operator=(const CString& other)
{
    if (this != &other) {
        guarded(ASSIGNMENT, [&] { setString(other); });
    }
    return *this;
}

CString& CString::operator=(CString& other)
{
    guarded(ASSIGNMENT, [&] {
        if (*this != other) {
            setString(other);
        }
    });
    return *this;
}

CString& CString::operator=(const char* text)
{
    guarded(ASSIGNMENT, [&] { setString(text); });
    return *this;
}

CString& CString::operator=(float value)
{
    guarded(ASSIGNMENT, [&] { setStringWithFormat("%.3f", static_cast<double>(value)); });
    return *this;
}

CString& CString::operator=(long value)
{
    guarded(ASSIGNMENT, [&] { setStringWithFormat("%.3li", value); });
    return *this;
}

CString& CString::operator=(int value)
{
    return *this = static_cast<long>(value);
}

CString& CString::operator=(bool value)
{
    guarded(ASSIGNMENT, [&] { setString(value ? "True" : "False"); });
    return *this;
}

CString& CString::operator+=(const CString& other)
{
    guarded(APPEND_OPERATOR, [&] { appendString(other); });
    return *this;
}

CString& CString::operator+=(const char* text)
{
    guarded(APPEND_OPERATOR, [&] { appendString(text); });
    return *this;
}

bool CString::operator==(const char* text) const
{
    return guarded(EQUALITY, [&] { return text != nullptr && std::strcmp(m_text, text) == 0; });
}

bool CString::operator==(const CString& other) const
{
    return guarded(EQUALITY, [&] { return std::strcmp(m_text, other.m_text) == 0; });
}

bool CString::operator!=(const char* text) const
{
    return guarded(INEQUALITY, [&] { return !(*this == text); });
}

bool CString::operator!=(const CString& other) const
{
    return guarded(INEQUALITY, [&] { return !(*this == other); });
}

bool CString::operator!() const
{
    return m_numberOfCharacters == 0;
}

char CString::operator[](long index) const
{
    return guarded(INDEXING, [&] {
        if (index < 0 || index >= m_numberOfCharacters) {
            return ' ';
        }
        return characterAt(static_cast<int>(index));
    });
}

CPascalString* CString::getStringAsPascalString() const
{
    return new CPascalString(m_text, CPascalString::CPASCALSTRING_DEFAULT_SIZE);
}

void CString::setString(const char* text)
{
    if (text == nullptr) {
        return;
    }
    guarded(STORING, [&] { storeText(text, std::strlen(text)); });
}

void CString::setString(const CString& other)
{
    setString(other.getString());
}

void CString::setStringWithFormat(const char* format, ...)
{
    if (format == nullptr) {
        return;
    }
    char buffer[CSTRING_MAX_FORMATTED_LENGTH + 2] = {};
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, CSTRING_MAX_FORMATTED_LENGTH + 1, format, arguments);
    va_end(arguments);
    guarded(FORMATTING, [&] { setString(buffer); });
}

void CString::appendString(char character)
{
    const char text[2] = {character, '\0'};
    appendString(text);
}

void CString::appendString(const char* text)
{
    if (text == nullptr) {
        return;
    }
    guarded(APPEND, [&] {
        const std::size_t oldLength = getLength();
        const std::size_t addedLength = std::strlen(text);
        char* fresh = new char[oldLength + addedLength + 1];
        std::memcpy(fresh, m_text, oldLength);
        // text may be this string's own array: it is still alive here.
        std::memcpy(fresh + oldLength, text, addedLength);
        fresh[oldLength + addedLength] = '\0';
        delete[] m_text;
        m_text = fresh;
        m_numberOfCharacters = static_cast<std::int32_t>(oldLength + addedLength + 1);
    });
}

void CString::appendString(const CString& other)
{
    appendString(other.getString());
}

void CString::getString(char* buffer, long size) const
{
    if (buffer == nullptr || size <= 0) {
        return;
    }
    guarded(GETTING, [&] {
        std::memset(buffer, 0, static_cast<std::size_t>(size));
        const std::size_t count = size >= m_numberOfCharacters ? getLength() : static_cast<std::size_t>(size - 1);
        std::memcpy(buffer, m_text, count);
    });
}

void CString::getString(char* buffer) const
{
    if (buffer != nullptr) {
        std::memcpy(buffer, m_text, static_cast<std::size_t>(m_numberOfCharacters));
    }
}

CString CString::getSubString(long start, long end) const
{
    return guarded(SUB_STRING, [&] {
        if (start < 0 || end < start || end > m_numberOfCharacters) {
            return CString(CSTRING_NULL_STRING);
        }
        const long length = static_cast<long>(getLength());
        const long stop = end + 1 < length ? end + 1 : length;
        CString result(CSTRING_NULL_STRING);
        if (start < stop) {
            result.storeText(m_text + start, static_cast<std::size_t>(stop - start));
        }
        return result;
    });
}

const char* CString::getString() const
{
    return m_text;
}

long CString::getNumberOfCharacters() const
{
    return m_numberOfCharacters;
}

char CString::characterAt(int index) const
{
    if (index < 0 || index >= m_numberOfCharacters) {
        return ' ';
    }
    return m_text[index];
}

void CString::toUpperCase()
{
    guarded(UPPER_CASE, [&] {
        for (std::int32_t i = 0; i < m_numberOfCharacters; ++i) {
            m_text[i] = toUpperCase(m_text[i]);
        }
    });
}

void CString::toLowerCase()
{
    guarded(LOWER_CASE, [&] {
        for (std::int32_t i = 0; i < m_numberOfCharacters; ++i) {
            m_text[i] = toLowerCase(m_text[i]);
        }
    });
}

void CString::removeTrailingAndLeadingWhiteSpace()
{
    guarded(TRIMMING, [&] {
        removeLeadingWhiteSpace();
        removeTrailingWhiteSpace();
    });
}

void CString::removeLeadingWhiteSpace()
{
    guarded(TRIMMING_LEADING, [&] {
        const std::size_t length = getLength();
        std::size_t first = 0;
        while (first < length && isWhiteSpace(m_text[first])) {
            ++first;
        }
        if (first > 0) {
            setString(std::string(m_text + first, length - first).c_str());
        }
    });
}

void CString::removeTrailingWhiteSpace()
{
    guarded(TRIMMING_TRAILING, [&] {
        std::size_t end = getLength();
        while (end > 0 && isWhiteSpace(m_text[end - 1])) {
            --end;
        }
        // A text of white space only is kept as it is.
        if (end > 0 && end < getLength()) {
            setString(std::string(m_text, end).c_str());
        }
    });
}

void CString::removeLastCharacter()
{
    guarded(REMOVING_LAST, [&] {
        if (m_numberOfCharacters > 1) {
            setString(std::string(m_text, getLength() - 1).c_str());
        }
    });
}

void CString::replaceCharWithChar(char from, char to)
{
    const std::size_t length = getLength();
    for (std::size_t i = 0; i < length; ++i) {
        if (m_text[i] == from) {
            m_text[i] = to;
        }
    }
    if (to == '\0' && from != '\0') {
        // A zero cuts the text: keep the character count in step with it.
        storeText(m_text, std::strlen(m_text));
    }
}

void CString::replaceCharWithString(char from, const CString& to)
{
    guarded(REPLACING_CHAR, [&] {
        const std::size_t length = getLength();
        std::string result;
        bool replaced = false;
        for (std::size_t i = 0; i < length; ++i) {
            if (m_text[i] == from) {
                result += to.getString();
                replaced = true;
            } else {
                result += m_text[i];
            }
        }
        if (replaced) {
            setString(result.c_str());
        }
    });
}

void CString::replaceStringWithChar(char to, const CString& from)
{
    guarded(REPLACING_STRING, [&] {
        const long fromLength = static_cast<long>(from.getLength());
        // Nothing to find, or a one-character text replaced by itself: done
        // (replacing would find the same text again for ever).
        if (fromLength == 0 || (fromLength == 1 && from.m_text[0] == to)) {
            return;
        }
        long position = findSubString(from);
        while (position >= 0) {
            std::string result(m_text, static_cast<std::size_t>(position));
            result += to;
            result += m_text + position + fromLength;
            setString(result.c_str());
            position = findSubString(from);
        }
    });
}

bool CString::equals(const char* text) const
{
    return guarded(EQUALS, [&] { return text != nullptr && std::strcmp(m_text, text) == 0; });
}

bool CString::equals(const CString& other) const
{
    return guarded(EQUALS, [&] { return std::strcmp(m_text, other.m_text) == 0; });
}

bool CString::equalsIgnoringCase(const char* text) const
{
    return guarded(EQUALS_IGNORING_CASE, [&] { return text != nullptr && ::strcasecmp(m_text, text) == 0; });
}

bool CString::equalsIgnoringCase(const CString& other) const
{
    return guarded(EQUALS_IGNORING_CASE, [&] { return ::strcasecmp(m_text, other.m_text) == 0; });
}

long CString::findForward(char character) const
{
    for (std::int32_t i = 0; i < m_numberOfCharacters; ++i) {
        if (m_text[i] == character) {
            return i;
        }
    }
    return -1;
}

long CString::findBackwards(char character) const
{
    for (std::int32_t i = m_numberOfCharacters - 1; i >= 0; --i) {
        if (m_text[i] == character) {
            return i;
        }
    }
    return -1;
}

long CString::findSubString(const CString& text) const
{
    return guarded(FINDING, [&]() -> long {
        const long textLength = static_cast<long>(text.getLength());
        if (textLength == 0) {
            return -1;
        }
        const long position = findForward(text.m_text[0]);
        if (position < 0 || position + textLength > static_cast<long>(getLength())) {
            return -1;
        }
        return std::strncmp(m_text + position, text.m_text, static_cast<std::size_t>(textLength)) == 0 ? position : -1;
    });
}

double CString::toDouble(const char* text)
{
    return text != nullptr ? std::atof(text) : 0.0;
}
double CString::toDouble(const CString& text)
{
    return toDouble(text.getString());
}
float CString::toFloat(const char* text)
{
    return static_cast<float>(toDouble(text));
}
float CString::toFloat(const CString& text)
{
    return toFloat(text.getString());
}
long CString::toLong(const char* text)
{
    return text != nullptr ? std::atol(text) : 0L;
}
long CString::toLong(const CString& text)
{
    return toLong(text.getString());
}
int CString::toInt(const char* text)
{
    return text != nullptr ? std::atoi(text) : 0;
}
int CString::toInt(const CString& text)
{
    return toInt(text.getString());
}

char* CString::toString(long value)
{
    char* text = new char[CSTRING_CONVERSION_SIZE];
    std::snprintf(text, CSTRING_CONVERSION_SIZE, "%.3li", value);
    return text;
}

char* CString::toString(int value)
{
    return toString(static_cast<long>(value));
}

char* CString::toString(float value)
{
    char* text = new char[CSTRING_CONVERSION_SIZE];
    std::snprintf(text, CSTRING_CONVERSION_SIZE, "%.3f", static_cast<double>(value));
    return text;
}

CString CString::valueToString(long value)
{
    CString text;
    text.setStringWithFormat("%03li", value);
    return text;
}

CString CString::valueToString(int value)
{
    CString text;
    text.setStringWithFormat("%03i", value);
    return text;
}

CString CString::valueToString(float value)
{
    return valueToString(static_cast<double>(value));
}

CString CString::valueToString(double value)
{
    CString text;
    text.setStringWithFormat("%.3f", value);
    return text;
}

char CString::toUpperCase(char character)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
}

char CString::toLowerCase(char character)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
}

bool CString::isWhiteSpace(char character)
{
    return character == ' ' || (character >= 9 && character <= 13);
}

}}  // namespace Corvane::Basics
