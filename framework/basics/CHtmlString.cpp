#include "basics/CHtmlString.hpp"

#include <cstdio>

namespace Corvane { namespace Basics {

CVN_IMPLEMENT_CLASS(CHtmlString, "CSystemString")

CHtmlString::CHtmlString(const char* text) : CSystemString(text)
{
    CVN_CONSTRUCT_CLASS;
}

CHtmlString::CHtmlString(const CSystemString& text) : CSystemString(text)
{
    CVN_CONSTRUCT_CLASS;
}

CHtmlString::CHtmlString(const CHtmlString& other) : CSystemString(other)
{
    CVN_CONSTRUCT_CLASS;
}

CHtmlString::~CHtmlString()
{
    CVN_DESTRUCT_CLASS;
}

CHtmlString& CHtmlString::operator=(const CHtmlString& other)
{
    CSystemString::operator=(other);
    return *this;
}

void CHtmlString::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<std::size_t>(size), "[CHtmlString \"%s\"]", getString());
    }
}

}}  // namespace Corvane::Basics
