#pragma once

#include "basics/CCountedObject.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "collections/TCountedObjectDeleter.hpp"
#include "collections/TCountedPointerArray.hpp"
#include "collections/TObjectNuller.hpp"

#include <cstdio>

namespace Corvane { namespace Collections {

/**
 * A node of a tree of counted data: it references its children and its data,
 * and knows its parent.
 *
 * The parent link only borrows its node: a child that referenced its parent
 * would keep the whole tree alive through the cycle. Releasing a node
 * releases its references to its children, so dereferencing the root frees
 * every node nobody else holds.
 */
template <class T>
class TTreeNode : public Basics::CCountedObject {
public:
    /** The deleter of child links. */
    static TCountedObjectDeleter<TTreeNode<T>> TTREENODE_DEFAULT_DELETER;

    explicit TTreeNode(T* data = nullptr) : m_parent(&PARENT_NULLER)
    {
        CVN_CONSTRUCT_CLASS;
        m_children.setDeleter(&TTREENODE_DEFAULT_DELETER);
        m_data = data;
    }

    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    ~TTreeNode() override
    {
        for (long i = 0; i < m_children.getArraySize(); ++i) {
            TTreeNode<T>* child = m_children.getElementAtIndex(i);
            if (child != nullptr) {
                child->m_parent = nullptr;
            }
        }
        CVN_DESTRUCT_CLASS;
    }

    /**
     * Appends child (referencing it) and makes this node its parent; a node
     * with a parent, this node itself and its ancestors are refused.
     */
    bool addChild(TTreeNode<T>* child)
    {
        if (child == nullptr || child->getParent() != nullptr) {
            return false;
        }
        // A node cannot hold one of its own ancestors (or itself): the counted
        // references would form a ring that nothing ever releases.
        for (const TTreeNode<T>* ancestor = this; ancestor != nullptr; ancestor = ancestor->getParent()) {
            if (ancestor == child) {
                return false;
            }
        }
        m_children.addElement(child);
        child->m_parent = this;
        return true;
    }

    /** Removes child (dereferencing it); false when it is not a child of this node. */
    bool removeChild(TTreeNode<T>* child)
    {
        const long index = child != nullptr ? m_children.getIndexOfPointer(child) : -1;
        if (index < 0) {
            return false;
        }
        child->m_parent = nullptr;
        m_children.deletePointerAtIndex(index);
        m_children.reorder(false);
        return true;
    }

    long getNumberOfChildren() const { return m_children.getInsertIndex(); }
    TTreeNode<T>* getChild(long index) const
    {
        return index < getNumberOfChildren() ? m_children.getElementAtIndex(index) : nullptr;
    }
    TTreeNode<T>* getParent() const { return m_parent.getPointer(); }

    T* getData() const { return m_data.getPointer(); }
    /** Holds data with a reference, releasing the data held before. */
    void setData(T* data) { m_data = data; }

    void getObjectDescription(char* buffer, long size) const override
    {
        if (buffer != nullptr && size > 0) {
            std::snprintf(buffer, static_cast<std::size_t>(size), "[%s with %ld children]",
                          getObjectClass().getClassName(), getNumberOfChildren());
        }
    }

    CVN_DECLARE_CLASS

private:
    static TObjectNuller<TTreeNode<T>> PARENT_NULLER;

    TCountedPointerArray<TTreeNode<T>> m_children;
    TAutomaticPointer<TTreeNode<T>> m_parent;
    TAutomaticPointer<T> m_data;
};

template <class T>
TCountedObjectDeleter<TTreeNode<T>> TTreeNode<T>::TTREENODE_DEFAULT_DELETER;

template <class T>
TObjectNuller<TTreeNode<T>> TTreeNode<T>::PARENT_NULLER;

CVN_IMPLEMENT_TEMPLATE_CLASS(TTreeNode, "TTreeNode<TypeName>", "CCountedObject")

}}  // namespace Corvane::Collections
