#pragma once

#include "basics/CCountedObject.hpp"

#include <cstdio>

namespace Corvane { namespace Collections {

/**
 * What a holder does with a pointer it takes (pointerAdded) and with one it
 * lets go of (deletePointer). One holder type thus serves shared, owned and
 * borrowed pointers. Holders never own their deleter.
 */
template <class T>
class TPointerDeleter : public Basics::CCountedObject {
public:
    TPointerDeleter() { CVN_CONSTRUCT_CLASS; }
    TPointerDeleter(const TPointerDeleter& other) : Basics::CCountedObject(other) { CVN_CONSTRUCT_CLASS; }
    ~TPointerDeleter() override { CVN_DESTRUCT_CLASS; }

    virtual void pointerAdded(T* pointer) const = 0;
    virtual void deletePointer(T* pointer) const = 0;

    void getObjectDescription(char* buffer, long size) const override
    {
        if (buffer != nullptr && size > 0) {
            std::snprintf(buffer, static_cast<std::size_t>(size), "[%s]", getObjectClass().getClassName());
        }
    }

    CVN_DECLARE_CLASS
};

CVN_IMPLEMENT_TEMPLATE_CLASS(TPointerDeleter, "TPointerDeleter<TypeName>", "CCountedObject")

}}  // namespace Corvane::Collections
