#pragma once

#include "collections/TPointerDeleter.hpp"

namespace Corvane { namespace Collections {

/** Shared objects: taking a pointer references it, letting go dereferences it. */
template <class T>
class TCountedObjectDeleter : public TPointerDeleter<T> {
public:
    TCountedObjectDeleter() { CVN_CONSTRUCT_CLASS; }
    TCountedObjectDeleter(const TCountedObjectDeleter& other) : TPointerDeleter<T>(other) { CVN_CONSTRUCT_CLASS; }
    ~TCountedObjectDeleter() override { CVN_DESTRUCT_CLASS; }

    void pointerAdded(T* pointer) const override
    {
        if (pointer != nullptr) {
            pointer->referenced();
        }
    }

    void deletePointer(T* pointer) const override
    {
        if (pointer != nullptr) {
            pointer->dereference();
        }
    }

    CVN_DECLARE_CLASS
};

CVN_IMPLEMENT_TEMPLATE_CLASS_WITH_TEMPLATE_PARENT(TCountedObjectDeleter, "TCountedObjectDeleter<TypeName>",
                                                  "TPointerDeleter<TypeName>")

}}  // namespace Corvane::Collections
