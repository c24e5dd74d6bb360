#pragma once

#include "basics/CCountedObject.hpp"
#include "collections/TCountedObjectDeleter.hpp"
#include "collections/TPointerDeleter.hpp"

#include <cstdio>

namespace Corvane { namespace Collections {

/**
 * Holds one pointer and lets go of it through its deleter: with the default
 * (counted) deleter the held object gains a reference when it is taken and
 * loses it when it is replaced, freed or the holder is destroyed. Without a
 * deleter the holder destroys the object outright when it lets go; use that
 * only for objects nobody else holds.
 *
 * @code
 * TAutomaticPointer<CKnob> knob;       // empty
 * knob = new CKnob(...);               // the knob's count is 1
 * knob->setValue(0.5);
 * knob.freePointer();                  // count 0: the knob is destroyed
 * @endcode
 */
template <class T>
class TAutomaticPointer : public Basics::CCountedObject {
public:
    /** The counted deleter every automatic pointer of this type uses by default. */
    static TCountedObjectDeleter<T> TAUTOMATICPOINTER_DEFAULT_DELETER;

    explicit TAutomaticPointer(TPointerDeleter<T>* deleter = &TAUTOMATICPOINTER_DEFAULT_DELETER)
        : m_pointer(nullptr),
          m_deleter(deleter)
    {
        CVN_CONSTRUCT_CLASS;
    }

    /** Takes pointer at once, as assigning it would. */
    TAutomaticPointer(T* pointer, TPointerDeleter<T>* deleter) : m_pointer(nullptr), m_deleter(deleter)
    {
        CVN_CONSTRUCT_CLASS;
        *this = pointer;
    }

    TAutomaticPointer(const TAutomaticPointer&) = delete;
    TAutomaticPointer& operator=(const TAutomaticPointer&) = delete;

    ~TAutomaticPointer() override
    {
        freePointer();
        CVN_DESTRUCT_CLASS;
    }

    /**
     * Lets go of the held pointer and takes pointer. Assigning the pointer
     * already held changes nothing: the object stays alive with its count.
     */
    TAutomaticPointer& operator=(T* pointer)
    {
        if (pointer != nullptr && pointer == m_pointer) {
            return *this;
        }
        if (m_pointer != nullptr) {
            letGo();
        }
        m_pointer = pointer;
        if (m_deleter != nullptr && m_pointer != nullptr) {
            m_deleter->pointerAdded(m_pointer);
        }
        return *this;
    }

    /** Lets go of the held pointer; the holder is empty afterwards. */
    void freePointer() { letGo(); }

    T* getPointer() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    T& operator*() const { return *m_pointer; }
    bool hasPointer() const { return m_pointer != nullptr; }

    TPointerDeleter<T>* getDeleter() const { return m_deleter; }
    /** Installs another deleter; the held pointer (if any) is not told. */
    void setDeleter(TPointerDeleter<T>* deleter) { m_deleter = deleter; }

    void getObjectDescription(char* buffer, long size) const override
    {
        if (buffer != nullptr && size > 0) {
            std::snprintf(buffer, static_cast<std::size_t>(size), "[%s holding %p]", getObjectClass().getClassName(),
                          static_cast<const void*>(m_pointer));
        }
    }

    CVN_DECLARE_CLASS

private:
    void letGo()
    {
        // Cleared before the deleter runs, so a destructor reaching back into
        // this holder sees it empty.
        T* old = m_pointer;
        m_pointer = nullptr;
        if (m_deleter != nullptr) {
            m_deleter->deletePointer(old);
        } else {
            delete old;
        }
    }

    T* m_pointer;
    TPointerDeleter<T>* m_deleter;
};

template <class T>
TCountedObjectDeleter<T> TAutomaticPointer<T>::TAUTOMATICPOINTER_DEFAULT_DELETER;

CVN_IMPLEMENT_TEMPLATE_CLASS(TAutomaticPointer, "TAutomaticPointer<TypeName>", "CCountedObject")

}}  // namespace Corvane::Collections
