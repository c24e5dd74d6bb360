#pragma once

#include "basics/CCountedObject.hpp"
#include "collections/TObjectDeleter.hpp"
#include "collections/TObjectNuller.hpp"
#include "collections/TPointerDeleter.hpp"

#include <cstdint>
#include <cstdio>

namespace Corvane { namespace Collections {

/**
 * A growable array of pointers whose release policy is its deleter.
 *
 * Indices are slot numbers: removing an element leaves a null slot and moves
 * nothing, and new elements always go after the last filled slot, until
 * reorder() packs the array. The array grows 32 slots at a time. Bad indices
 * never fail: reads give null, deletions are ignored, searches give -1.
 *
 * Without a deleter the collection never notifies anyone about its pointers.
 */
template <class T>
class TPointerCollection : public Basics::CCountedObject {
public:
    /** Destroys the elements it lets go of. */
    static TObjectDeleter<T> TPOINTER_COLLECTION_DEFAULT_DELETER;
    /** Only forgets the elements it lets go of. */
    static TObjectNuller<T> TPOINTER_COLLECTION_DEFAULT_NULLER;

    static constexpr std::int32_t TPOINTER_COLLECTION_GROWTH = 32;

    explicit TPointerCollection(TPointerDeleter<T>* deleter = &TPOINTER_COLLECTION_DEFAULT_DELETER)
        : m_array(nullptr),
          m_deleter(deleter),
          m_arraySize(0),
          m_growth(TPOINTER_COLLECTION_GROWTH),
          m_insertIndex(0)
    {
        CVN_CONSTRUCT_CLASS;
    }

    TPointerCollection(const TPointerCollection&) = delete;
    TPointerCollection& operator=(const TPointerCollection&) = delete;

    ~TPointerCollection() override
    {
        freePointers();
        CVN_DESTRUCT_CLASS;
    }

    /** Installs another deleter; meant for owners, before any element is added. */
    void setDeleter(TPointerDeleter<T>* deleter) { m_deleter = deleter; }
    TPointerDeleter<T>* getDeleter() const { return m_deleter; }

    /** Stores pointer after the last filled slot, growing the array when full. */
    void addElement(T* pointer)
    {
        if (m_array == nullptr) {
            m_array = new T*[static_cast<std::size_t>(m_growth)]();
            m_arraySize = m_growth;
        }
        if (m_insertIndex >= m_arraySize) {
            expand();
        }
        m_array[m_insertIndex++] = pointer;
        if (m_deleter != nullptr) {
            m_deleter->pointerAdded(pointer);
        }
    }

    /** Adds growth-many null slots, keeping the filled ones where they are. */
    void expand()
    {
        const std::int32_t newSize = m_arraySize + m_growth;
        T** larger = new T*[static_cast<std::size_t>(newSize)]();
        for (std::int32_t i = 0; i < m_arraySize; ++i) {
            larger[i] = m_array[i];
        }
        delete[] m_array;
        m_array = larger;
        m_arraySize = newSize;
    }

    /** The slot's content; null for bad indices and empty slots. */
    T* getElementAtIndex(long index) const
    {
        if (m_array == nullptr || index < 0 || index >= m_arraySize) {
            return nullptr;
        }
        return m_array[index];
    }

    /** Lets go of the slot's element through the deleter and nulls the slot; bad indices are ignored. */
    void deletePointerAtIndex(long index)
    {
        if (m_array == nullptr || index < 0 || index >= m_arraySize) {
            return;
        }
        T* old = m_array[index];
        m_array[index] = nullptr;
        if (m_deleter != nullptr && old != nullptr) {
            m_deleter->deletePointer(old);
        }
    }

    /** The first slot holding pointer, or -1. */
    long getIndexOfPointer(const T* pointer) const
    {
        if (m_array == nullptr) {
            return -1;
        }
        for (std::int32_t i = 0; i < m_arraySize; ++i) {
            if (m_array[i] == pointer) {
                return i;
            }
        }
        return -1;
    }

    /** Number of slots, empty ones included. */
    long getArraySize() const { return m_arraySize; }
    /** The slot the next element goes to: the number of slots filled so far. */
    long getInsertIndex() const { return m_insertIndex; }

    /**
     * The slot array itself, for owners that sort it in place (qsort over
     * getArraySize() slots, null slots last). Null when there is no array.
     */
    T** getArray() { return m_array; }

    /** Lets go of every element and releases the array; the collection stays usable. */
    void freePointers()
    {
        T** array = m_array;
        const std::int32_t size = m_arraySize;
        // Emptied first, so an element's destructor reaching back into this
        // collection finds it consistent.
        m_array = nullptr;
        m_arraySize = 0;
        m_insertIndex = 0;
        if (array == nullptr) {
            return;
        }
        for (std::int32_t i = 0; i < size; ++i) {
            if (array[i] != nullptr && m_deleter != nullptr) {
                m_deleter->deletePointer(array[i]);
            }
        }
        delete[] array;
    }

    /**
     * Moves the elements to the front, keeping their order; the insert index
     * becomes their number. With shrink set the array is cut to exactly that
     * many slots (nothing changes when no slot is empty).
     */
    void reorder(bool shrink)
    {
        if (m_array == nullptr) {
            return;
        }
        std::int32_t count = 0;
        for (std::int32_t i = 0; i < m_arraySize; ++i) {
            if (m_array[i] != nullptr) {
                m_array[count++] = m_array[i];
            }
        }
        if (shrink) {
            if (count == m_arraySize) {
                return;
            }
            if (count == 0) {
                delete[] m_array;
                m_array = nullptr;
                m_arraySize = 0;
                m_insertIndex = 0;
                return;
            }
            T** exact = new T*[static_cast<std::size_t>(count)];
            for (std::int32_t i = 0; i < count; ++i) {
                exact[i] = m_array[i];
            }
            delete[] m_array;
            m_array = exact;
            m_arraySize = count;
        } else {
            for (std::int32_t i = count; i < m_arraySize; ++i) {
                m_array[i] = nullptr;
            }
        }
        m_insertIndex = count;
    }

    void getObjectDescription(char* buffer, long size) const override
    {
        if (buffer != nullptr && size > 0) {
            std::snprintf(buffer, static_cast<std::size_t>(size), "[%s with %ld slots, %ld filled]",
                          getObjectClass().getClassName(), static_cast<long>(m_arraySize),
                          static_cast<long>(m_insertIndex));
        }
    }

    CVN_DECLARE_CLASS

private:
    T** m_array;
    TPointerDeleter<T>* m_deleter;
    std::int32_t m_arraySize;
    std::int32_t m_growth;
    std::int32_t m_insertIndex;
};

template <class T>
TObjectDeleter<T> TPointerCollection<T>::TPOINTER_COLLECTION_DEFAULT_DELETER;

template <class T>
TObjectNuller<T> TPointerCollection<T>::TPOINTER_COLLECTION_DEFAULT_NULLER;

CVN_IMPLEMENT_TEMPLATE_CLASS(TPointerCollection, "TPointerCollection<TypeName>", "CCountedObject")

}}  // namespace Corvane::Collections
