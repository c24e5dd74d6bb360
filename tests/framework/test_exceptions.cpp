#include "exceptions/CException.hpp"

#include <gtest/gtest.h>

using Corvane::Basics::CString;
using Corvane::Exceptions::CException;

TEST(Exceptions, ThrownByValueCopiedWholeAndEveryCopyReleased)
{
    const long liveBefore = CException::CCLASS_THE_CLASS.getInstanceCount();
    try {
        throw CException(CString("Failed to get bundle from identifier"),
                         CString("CControl::setControlRoot(IControlRoot *)"), true);
    } catch (const CException& caught) {
        CException copy(CString("Context is NULL"), CString("other"), false);
        copy = caught;
        copy = copy;
        EXPECT_STREQ(copy.getErrorReason().getString(), "Failed to get bundle from identifier");
        EXPECT_STREQ(copy.getFunctionName().getString(), "CControl::setControlRoot(IControlRoot *)");
        EXPECT_TRUE(copy.errorIsSerious());
    }
    // Every copy made while throwing and catching was destroyed again.
    EXPECT_EQ(CException::CCLASS_THE_CLASS.getInstanceCount(), liveBefore);
}
