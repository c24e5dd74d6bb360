#include "basics/CCountedObject.hpp"
#include "collections/TAutomaticPointer.hpp"

#include <gtest/gtest.h>

using Corvane::Basics::CCountedObject;
using Corvane::Collections::TAutomaticPointer;

TEST(Smoke, LoneDereferenceDestroys)
{
    const long before = CCountedObject::CCLASS_THE_CLASS.getInstanceCount();
    CCountedObject* object = new CCountedObject();
    EXPECT_EQ(object->getReferenceCount(), 0);
    EXPECT_EQ(CCountedObject::CCLASS_THE_CLASS.getInstanceCount(), before + 1);
    object->dereference();
    EXPECT_EQ(CCountedObject::CCLASS_THE_CLASS.getInstanceCount(), before);
}
