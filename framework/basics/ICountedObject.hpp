#pragma once

namespace Corvane { namespace Basics {

class CClass;

/**
 * A reference-counted object. Holders call referenced() when they take the
 * object and dereference() when they let go; the object destroys itself when
 * its count falls to 0 or below.
 */
class ICountedObject {
public:
    virtual ~ICountedObject() = default;

    virtual void referenced() = 0;
    virtual void dereference() = 0;
    virtual long getReferenceCount() const = 0;

    /** Writes a short description of the object into buffer, bounded by size. */
    virtual void getObjectDescription(char* buffer, long size) const = 0;

    /** The class record of the object's most derived framework class. */
    virtual const CClass& getObjectClass() const = 0;
};

}}  // namespace Corvane::Basics
