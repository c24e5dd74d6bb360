#include "exceptions/CException.hpp"

#include <cstdio>

namespace Corvane { namespace Exceptions {

CVN_IMPLEMENT_CLASS(CException, "CCountedObject")

CException::CException(const Basics::CString& reason, const Basics::CString& functionName, bool serious)
    : m_errorReason(reason),
      m_functionName(functionName),
      m_serious(serious)
{
    CVN_CONSTRUCT_CLASS;
}

CException::CException(const CException& other)
    : Basics::CCountedObject(),
      m_errorReason(other.m_errorReason),
      m_functionName(other.m_functionName),
      m_serious(other.m_serious)
{
    CVN_CONSTRUCT_CLASS;
}

CException& CException::operator=(const CException& other)
{
    if (this != &other) {
        m_errorReason = other.m_errorReason;
        m_functionName = other.m_functionName;
        m_serious = other.m_serious;
    }
    return *this;
}

CException::~CException()
{
    CVN_DESTRUCT_CLASS;
}

const Basics::CString& CException::getErrorReason() const
{
    return m_errorReason;
}

const Basics::CString& CException::getFunctionName() const
{
    return m_functionName;
}

bool CException::errorIsSerious() const
{
    return m_serious;
}

void CException::getObjectDescription(char* buffer, long size) const
{
    if (buffer == nullptr || size <= 0) {
        return;
    }
    std::snprintf(buffer, static_cast<size_t>(size), "[CException %s in %s%s]", m_errorReason.getString(),
                  m_functionName.getString(), m_serious ? ", serious" : "");
}

}}  // namespace Corvane::Exceptions
