#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CString.hpp"

namespace Corvane { namespace Exceptions {

/**
 * The framework's one exception type. It carries a human-readable reason, the
 * signature of the operation that raised it and a flag telling whether the
 * failure is serious (every exception the framework raises is).
 *
 * Exceptions are thrown and caught by value:
 * @code
 * throw CException("Control root is null", "CControl::setControlRoot(IControlRoot *)", true);
 * @endcode
 */
class CException : public Basics::CCountedObject {
public:
    CException(const Basics::CString& reason, const Basics::CString& functionName, bool serious);
    CException(const CException& other);
    CException& operator=(const CException& other);
    ~CException() override;

    const Basics::CString& getErrorReason() const;
    const Basics::CString& getFunctionName() const;
    bool errorIsSerious() const;

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    Basics::CString m_errorReason;
    Basics::CString m_functionName;
    bool m_serious;
};

}}  // namespace Corvane::Exceptions
