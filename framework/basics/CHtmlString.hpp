#pragma once

#include "basics/CSystemString.hpp"

namespace Corvane { namespace Basics {

/** A location text (a web address or a local page) for the framework's menu links. */
class CHtmlString : public CSystemString {
public:
    CHtmlString(const char* text);
    CHtmlString(const CSystemString& text);
    CHtmlString(const CHtmlString& other);
    ~CHtmlString() override;

    using CSystemString::operator=;
    CHtmlString& operator=(const CHtmlString& other);

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS
};

}}  // namespace Corvane::Basics
