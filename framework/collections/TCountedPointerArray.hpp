#pragma once

#include "collections/TCountedObjectDeleter.hpp"
#include "collections/TPointerCollection.hpp"

namespace Corvane { namespace Collections {

/**
 * A pointer collection that holds one reference on each element: adding
 * references it, and removing, clearing or destroying the array dereferences it.
 */
template <class T>
class TCountedPointerArray : public TPointerCollection<T> {
public:
    static TCountedObjectDeleter<T> TCOUNTEDPOINTER_ARRAY_DEFAULT_DELETER;

    TCountedPointerArray() : TPointerCollection<T>(&TCOUNTEDPOINTER_ARRAY_DEFAULT_DELETER) { CVN_CONSTRUCT_CLASS; }
    ~TCountedPointerArray() override { CVN_DESTRUCT_CLASS; }

    CVN_DECLARE_CLASS
};

template <class T>
TCountedObjectDeleter<T> TCountedPointerArray<T>::TCOUNTEDPOINTER_ARRAY_DEFAULT_DELETER;

CVN_IMPLEMENT_TEMPLATE_CLASS_WITH_TEMPLATE_PARENT(TCountedPointerArray, "TCountedPointerArray<TypeName>",
                                                  "TPointerCollection<TypeName>")

}}  // namespace Corvane::Collections
