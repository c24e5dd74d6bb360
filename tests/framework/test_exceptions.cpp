#include "exceptions/CException.hpp"

#include <gtest/gtest.h>

using Corvane::Basics::CString;
using Corvane::Exceptions::CException;

namespace {

void raise(const char* reason)
{
    throw CException(CString(reason), CString("CControl::setControlRoot(IControlRoot *)"), true);
}

}  // namespace

TEST(Exceptions, CopiesAreIndependentValues)
{
    const CException original(CString("Control root is null"), CString("initialise"), true);
    CException copy(original);
    EXPECT_STREQ(copy.getErrorReason().getString(), "Control root is null");
    EXPECT_TRUE(copy.errorIsSerious());

    CException other(CString("Context is NULL"), CString("other"), false);
    copy = other;
    EXPECT_STREQ(copy.getErrorReason().getString(), "Context is NULL");
    EXPECT_STREQ(copy.getFunctionName().getString(), "other");
    EXPECT_FALSE(copy.errorIsSerious());
    // The source is not disturbed by the copy, nor by changes to the copy afterwards.
    other = original;
    EXPECT_STREQ(copy.getErrorReason().getString(), "Context is NULL");
    EXPECT_STREQ(original.getErrorReason().getString(), "Control root is null");
    copy = copy;
    EXPECT_STREQ(copy.getFunctionName().getString(), "other");
}

TEST(Exceptions, ThrownCaughtAndEveryCopyReleased)
{
    const long liveBefore = CException::CCLASS_THE_CLASS.getInstanceCount();
    try {
        raise("Failed to get bundle from identifier");
        FAIL() << "no exception";
    } catch (const CException& caught) {
        EXPECT_STREQ(caught.getErrorReason().getString(), "Failed to get bundle from identifier");
        EXPECT_STREQ(caught.getFunctionName().getString(), "CControl::setControlRoot(IControlRoot *)");
        EXPECT_TRUE(caught.errorIsSerious());
    }
    // Every copy made while throwing and catching was destroyed again.
    EXPECT_EQ(CException::CCLASS_THE_CLASS.getInstanceCount(), liveBefore);
}
