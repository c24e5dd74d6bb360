#include "basics/CStringTokeniser.hpp"

#include <cstdio>
#include <cstring>

namespace Corvane { namespace Basics {

CVN_IMPLEMENT_CLASS(CStringTokeniser, "CCountedObject")

CStringTokeniser::CStringTokeniser(const char* text)
    : m_numberOfTokens(0),
      m_currentToken(0),
      m_readPosition(0),
      m_text{},
      m_delimiter(',')
{
    CVN_CONSTRUCT_CLASS;
    copyText(text);
}

CStringTokeniser::CStringTokeniser(const CString& text) : CStringTokeniser(text.getString()) {}

CStringTokeniser::CStringTokeniser(const char* text, char delimiter) : CStringTokeniser(text)
{
    m_delimiter = delimiter;
    getNumberOfTokens();
}

CStringTokeniser::CStringTokeniser(const CString& text, char delimiter) : CStringTokeniser(text.getString(), delimiter)
{}

CStringTokeniser::~CStringTokeniser()
{
    CVN_DESTRUCT_CLASS;
}

void CStringTokeniser::copyText(const char* text)
{
    std::memset(m_text, 0, sizeof(m_text));
    if (text == nullptr) {
        return;
    }
    std::size_t length = std::strlen(text);
    if (length > static_cast<std::size_t>(CSTRINGTOKENISER_MAX_LENGTH)) {
        length = static_cast<std::size_t>(CSTRINGTOKENISER_MAX_LENGTH);
    }
    std::memcpy(m_text, text, length);
}

void CStringTokeniser::rewind()
{
    m_currentToken = 0;
    m_readPosition = 0;
}

long CStringTokeniser::getNumberOfTokens()
{
    std::int32_t count = 0;
    bool mayStart = m_text[0] != '_';
    for (const char* c = m_text; *c != '\0'; ++c) {
        if (*c == m_delimiter) {
            mayStart = true;
        } else if (mayStart) {
            ++count;
            mayStart = false;
        }
    }
    m_numberOfTokens = count;
    return m_numberOfTokens;
}

// "Less than" rather than "differs": a recount below the tokens already
// handed out must end the reading instead of handing out empty tokens for ever.
bool CStringTokeniser::hasMoreTokens() const
{
    return m_currentToken < m_numberOfTokens;
}

void CStringTokeniser::setTokenizationCharacter(char delimiter)
{
    m_delimiter = delimiter;
    rewind();
}

void CStringTokeniser::setStringToTokenize(const char* text)
{
    if (text == nullptr) {
        return;
    }
    // The text may be one handed out by this tokeniser's own buffer.
    char copy[CSTRINGTOKENISER_BUFFER_SIZE];
    std::strncpy(copy, text, sizeof(copy) - 1);
    copy[sizeof(copy) - 1] = '\0';
    copyText(copy);
    rewind();
}

char* CStringTokeniser::getNextToken()
{
    if (!hasMoreTokens()) {
        return nullptr;
    }
    // Delimiters before the token are skipped, so no empty token is handed out
    // where the count saw none.
    std::int32_t start = m_readPosition;
    while (m_text[start] != '\0' && m_text[start] == m_delimiter) {
        ++start;
    }
    std::int32_t end = start;
    while (m_text[end] != '\0' && m_text[end] != m_delimiter) {
        ++end;
    }
    const std::size_t length = static_cast<std::size_t>(end - start);
    char* token = new char[length + 1]();
    std::memcpy(token, m_text + start, length);
    m_readPosition = m_text[end] == m_delimiter && m_text[end] != '\0' ? end + 1 : end;
    ++m_currentToken;
    return token;
}

bool CStringTokeniser::getNextToken(CString& token)
{
    char* text = getNextToken();
    if (text == nullptr) {
        return false;
    }
    try {
        token.setString(text);
    } catch (...) {
        delete[] text;
        throw;
    }
    delete[] text;
    return true;
}

void CStringTokeniser::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<std::size_t>(size), "[CStringTokeniser token %ld of %ld, delimiter '%c']",
                      static_cast<long>(m_currentToken), static_cast<long>(m_numberOfTokens), m_delimiter);
    }
}

}}  // namespace Corvane::Basics
