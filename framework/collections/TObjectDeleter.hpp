#pragma once

#include "collections/TPointerDeleter.hpp"

namespace Corvane { namespace Collections {

/** Exclusively owned objects: letting go destroys the object. */
template <class T>
class TObjectDeleter : public TPointerDeleter<T> {
public:
    TObjectDeleter() { CVN_CONSTRUCT_CLASS; }
    TObjectDeleter(const TObjectDeleter& other) : TPointerDeleter<T>(other) { CVN_CONSTRUCT_CLASS; }
    ~TObjectDeleter() override { CVN_DESTRUCT_CLASS; }

    void pointerAdded(T* /*pointer*/) const override {}

    void deletePointer(T* pointer) const override { delete pointer; }

    CVN_DECLARE_CLASS
};

CVN_IMPLEMENT_TEMPLATE_CLASS_WITH_TEMPLATE_PARENT(TObjectDeleter, "TObjectDeleter<TypeName>",
                                                  "TPointerDeleter<TypeName>")

}}  // namespace Corvane::Collections
