#pragma once

#include "collections/TPointerDeleter.hpp"

namespace Corvane { namespace Collections {

/** Borrowed pointers: the holder only forgets them. */
template <class T>
class TObjectNuller : public TPointerDeleter<T> {
public:
    TObjectNuller() { CVN_CONSTRUCT_CLASS; }
    TObjectNuller(const TObjectNuller& other) : TPointerDeleter<T>(other) { CVN_CONSTRUCT_CLASS; }
    ~TObjectNuller() override { CVN_DESTRUCT_CLASS; }

    void pointerAdded(T* /*pointer*/) const override {}
    void deletePointer(T* /*pointer*/) const override {}

    CVN_DECLARE_CLASS
};

CVN_IMPLEMENT_TEMPLATE_CLASS_WITH_TEMPLATE_PARENT(TObjectNuller, "TObjectNuller<TypeName>", "TPointerDeleter<TypeName>")

}}  // namespace Corvane::Collections
