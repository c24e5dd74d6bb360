#pragma once

#include "basics/CCountedObject.hpp"

#include <cstdint>

namespace Corvane { namespace Basics {

class CPascalString;

/**
 * The framework's text: a heap-held, zero-terminated 8-bit string with value
 * semantics.
 *
 * getNumberOfCharacters() counts the terminating zero: an empty text has 1.
 * Every index bound below is stated against that number. Bad indices give
 * neutral answers (a blank from characterAt, "" from getSubString, -1 from
 * the searches). Every change allocates an array of the exact size.
 *
 * The compound operations (assignment, +=, the white-space and replacement
 * operations) work through the virtual primitives setString and appendString,
 * so a subclass that overrides a primitive changes them too. Resource failures
 * inside an operation surface as a Corvane::Exceptions::CException whose
 * reason names the failed activity and whose function name is the operation.
 */
class CString : public CCountedObject {
public:
    /** The text a string built from a null pointer holds: one blank. */
    static constexpr const char* CSTRING_EMPTY_STRING = " ";
    /** The empty text that failed look-ups answer. */
    static constexpr const char* CSTRING_NULL_STRING = "";
    /** Bound of setStringWithFormat: at most this many characters survive. */
    static constexpr long CSTRING_MAX_FORMATTED_LENGTH = 1023;

    /** The empty text "". */
    CString();
    /** Copies text; a null pointer gives CSTRING_EMPTY_STRING. */
    CString(const char* text);
    CString(const CString& other);
    ~CString() override;

    void getObjectDescription(char* buffer, long size) const override;

    virtual CString& operator=(const CString& other);
    /** Copies only when the texts differ. */
    virtual CString& operator=(CString& other);
    virtual CString& operator=(const char* text);
    /** The value printed with "%.3f". */
    virtual CString& operator=(float value);
    /** The value printed with "%.3li": at least three digits. */
    virtual CString& operator=(long value);
    virtual CString& operator=(int value);
    /** "True" or "False". */
    virtual CString& operator=(bool value);

    virtual CString& operator+=(const CString& other);
    virtual CString& operator+=(const char* text);

    virtual bool operator==(const char* text) const;
    virtual bool operator==(const CString& other) const;
    virtual bool operator!=(const char* text) const;
    virtual bool operator!=(const CString& other) const;
    /** True only for a string without characters, which a constructed string never is. */
    virtual bool operator!() const;
    /** As characterAt. */
    virtual char operator[](long index) const;

    /** A new length-prefixed copy (256-byte buffer, text cut to fit); the caller releases it. */
    virtual CPascalString* getStringAsPascalString() const;

    /** Replaces the text with a copy of text; null leaves the string unchanged. */
    virtual void setString(const char* text);
    virtual void setString(const CString& other);
    /** printf-style formatting, cut to CSTRING_MAX_FORMATTED_LENGTH characters. */
    virtual void setStringWithFormat(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    virtual void appendString(char character);
    /** Appends text; null is ignored. */
    virtual void appendString(const char* text);
    virtual void appendString(const CString& other);

    /**
     * Copies into buffer of size bytes: the buffer is zero-filled, and a text
     * that does not fit is cut to size - 1 characters. A null buffer or a size
     * below 1 does nothing.
     */
    virtual void getString(char* buffer, long size) const;
    /** Copies the whole text; buffer must hold getNumberOfCharacters() bytes. */
    virtual void getString(char* buffer) const;
    /** Characters start through end inclusive; "" when start < 0, end < start or end > getNumberOfCharacters(). */
    virtual CString getSubString(long start, long end) const;
    /** The text itself, valid until the next change. */
    virtual const char* getString() const;
    /** Length + 1. */
    virtual long getNumberOfCharacters() const;
    /** The character at index for 0 <= index < getNumberOfCharacters() (the last is the zero byte), else a blank. */
    virtual char characterAt(int index) const;

    virtual void toUpperCase();
    virtual void toLowerCase();
    virtual void removeTrailingAndLeadingWhiteSpace();
    /** A text of white space only becomes "". */
    virtual void removeLeadingWhiteSpace();
    /** A text of white space only is left unchanged. */
    virtual void removeTrailingWhiteSpace();
    virtual void removeLastCharacter();
    virtual void replaceCharWithChar(char from, char to);
    virtual void replaceCharWithString(char from, const CString& to);
    /** Replaces each occurrence found by findSubString(from) with the single character to. */
    virtual void replaceStringWithChar(char to, const CString& from);

    virtual bool equals(const char* text) const;
    virtual bool equals(const CString& other) const;
    virtual bool equalsIgnoringCase(const char* text) const;
    virtual bool equalsIgnoringCase(const CString& other) const;

    /** Smallest index in 0 .. getNumberOfCharacters() - 1 holding character, else -1. */
    virtual long findForward(char character) const;
    /** Largest such index, else -1. */
    virtual long findBackwards(char character) const;

    /**
     * Tries only the first occurrence of text's first character: its index
     * when text matches there, else -1. An empty text is never found.
     */
    long findSubString(const CString& text) const;

    static double toDouble(const char* text);
    static double toDouble(const CString& text);
    static float toFloat(const char* text);
    static float toFloat(const CString& text);
    static long toLong(const char* text);
    static long toLong(const CString& text);
    static int toInt(const char* text);
    static int toInt(const CString& text);

    /** Size of the arrays returned by toString. */
    static constexpr long CSTRING_CONVERSION_SIZE = 256;
    /** A new array of CSTRING_CONVERSION_SIZE bytes printed with "%.3li"; the caller releases it with delete[]. */
    static char* toString(long value);
    static char* toString(int value);
    /** As above, printed with "%.3f". */
    static char* toString(float value);

    /** "%03li" */
    static CString valueToString(long value);
    /** "%03i" */
    static CString valueToString(int value);
    /** "%.3f" */
    static CString valueToString(float value);
    static CString valueToString(double value);

    static char toUpperCase(char character);
    static char toLowerCase(char character);
    /** Blank and the codes 9 to 13. */
    static bool isWhiteSpace(char character);

    CVN_DECLARE_CLASS

private:
    /** Stores a copy of length characters of text; text may point into this string. */
    void storeText(const char* text, std::size_t length);
    std::size_t getLength() const
    {
        return static_cast<std::size_t>(m_numberOfCharacters - 1);
    }

    char* m_text;
    std::int32_t m_numberOfCharacters;
};

}}  // namespace Corvane::Basics
