#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CString.hpp"

#include <cstdint>

namespace Corvane { namespace Basics {

/**
 * Splits a text at one delimiter character (default ",").
 *
 * The one-argument constructors do not count: call getNumberOfTokens() before
 * reading tokens. Runs of delimiters make no empty tokens, neither when
 * counting nor when reading. A text that starts with "_" does not count its
 * first token. Texts longer than CSTRINGTOKENISER_MAX_LENGTH characters are cut.
 *
 * @code
 * CStringTokeniser tokeniser("10,20,30,40", ',');
 * CString token;
 * while (tokeniser.getNextToken(token)) { ... }
 * @endcode
 */
class CStringTokeniser : public CCountedObject {
public:
    static constexpr long CSTRINGTOKENISER_BUFFER_SIZE = 2048;
    static constexpr long CSTRINGTOKENISER_MAX_LENGTH = CSTRINGTOKENISER_BUFFER_SIZE - 1;

    explicit CStringTokeniser(const char* text);
    explicit CStringTokeniser(const CString& text);
    /** Also sets the delimiter and counts the tokens. */
    CStringTokeniser(const char* text, char delimiter);
    CStringTokeniser(const CString& text, char delimiter);
    ~CStringTokeniser() override;

    /** Counts, stores and returns the tokens. */
    virtual long getNumberOfTokens();
    /** True until as many tokens as last counted have been handed out. */
    virtual bool hasMoreTokens() const;
    /** Sets the delimiter and rewinds; does not recount. */
    virtual void setTokenizationCharacter(char delimiter);
    /** Copies a new text (null is ignored) and rewinds; does not recount. */
    virtual void setStringToTokenize(const char* text);

    /** The next token as a new array the caller releases with delete[]; null when there is none. */
    virtual char* getNextToken();
    /** Stores the next token in token; false when there is none. */
    bool getNextToken(CString& token);

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    void copyText(const char* text);
    void rewind();

    std::int32_t m_numberOfTokens;
    std::int32_t m_currentToken;
    std::int32_t m_readPosition;
    char m_text[CSTRINGTOKENISER_BUFFER_SIZE];
    char m_delimiter;
};

}}  // namespace Corvane::Basics
