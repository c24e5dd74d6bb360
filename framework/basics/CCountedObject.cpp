#include "basics/CCountedObject.hpp"

#include <cstdio>

namespace Corvane { namespace Basics {

CVN_IMPLEMENT_CLASS(CCountedObject, "UndefinedParent")

CCountedObject::CCountedObject() : m_referenceCount(0)
{
    CVN_CONSTRUCT_CLASS;
}

CCountedObject::CCountedObject(const CCountedObject& /*other*/) : ICountedObject(), m_referenceCount(0)
{
    CVN_CONSTRUCT_CLASS;
}

CCountedObject& CCountedObject::operator=(const CCountedObject& /*other*/)
{
    // The holders of this object are unchanged by assigning its contents.
    return *this;
}

CCountedObject::~CCountedObject()
{
    CVN_DESTRUCT_CLASS;
}

void CCountedObject::referenced()
{
    ++m_referenceCount;
}

void CCountedObject::dereference()
{
    if (--m_referenceCount <= 0) {
        delete this;
    }
}

long CCountedObject::getReferenceCount() const
{
    return m_referenceCount;
}

void CCountedObject::getObjectDescription(char* buffer, long size) const
{
    if (buffer == nullptr || size <= 0) {
        return;
    }
    std::snprintf(buffer, static_cast<std::size_t>(size), "[CCounted Object Base Reference Count = %ld",
                  static_cast<long>(m_referenceCount));
}

}}  // namespace Corvane::Basics
