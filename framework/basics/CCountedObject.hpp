#pragma once

#include "basics/CClass.hpp"
#include "basics/CvnClassMacros.hpp"
#include "basics/ICountedObject.hpp"

#include <cstdint>

namespace Corvane { namespace Basics {

/**
 * The reference-counted base of the framework's classes.
 *
 * The count is 0 after construction: the first holder raises it to 1, and
 * the dereference() that brings it to 0 or below destroys the object. An
 * object that nobody ever referenced is therefore destroyed by a single
 * dereference(). Counts are plain integers: a counted object is created,
 * held and released on one thread.
 *
 * Copying an object never copies its count: a copy starts unreferenced.
 *
 * The interface is a virtual base, so an interface that is itself counted
 * (a control, an image, a window) and this implementation meet in one
 * ICountedObject: a class deriving from both needs no forwarding.
 */
class CCountedObject : public virtual ICountedObject {
public:
    CCountedObject();
    CCountedObject(const CCountedObject& other);
    CCountedObject& operator=(const CCountedObject& other);
    ~CCountedObject() override;

    void referenced() override;
    void dereference() override;
    long getReferenceCount() const override;

    /** "[CCounted Object Base Reference Count = N", bounded by size. */
    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    std::int32_t m_referenceCount;
};

}}  // namespace Corvane::Basics
