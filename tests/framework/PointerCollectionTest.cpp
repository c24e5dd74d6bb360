#include "CorvaneProbe.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "collections/TCountedPointerArray.hpp"
#include "collections/TPointerCollection.hpp"
#include "collections/TTreeNode.hpp"

#include <gtest/gtest.h>

using namespace Corvane::Collections;
using Corvane::GUI::Controls::CTestKnob;

namespace {

using Borrowing = TPointerCollection<CTestKnob>;

// A borrowing collection over objects the fixture owns.
class PointerCollectionTest : public ::testing::Test {
protected:
    CTestKnob* knob(int i) { return &knobs[i]; }
    void addFirst(int count)
    {
        for (int i = 0; i < count; ++i)
            collection.addElement(knob(i));
    }

    CTestKnob knobs[40];
    Borrowing collection{&Borrowing::TPOINTER_COLLECTION_DEFAULT_NULLER};
};

}  // namespace

TEST_F(PointerCollectionTest, GrowsThirtyTwoSlotsAtATime)
{
    EXPECT_EQ(collection.getArraySize(), 0);
    EXPECT_EQ(collection.getElementAtIndex(0), nullptr);
    addFirst(32);
    EXPECT_EQ(collection.getArraySize(), 32);
    collection.addElement(knob(32));
    EXPECT_EQ(collection.getArraySize(), 64);
    EXPECT_EQ(collection.getInsertIndex(), 33);
    for (int i = 0; i < 33; ++i)
        ASSERT_EQ(collection.getElementAtIndex(i), knob(i)) << i;
    EXPECT_EQ(collection.getElementAtIndex(33), nullptr);
    EXPECT_EQ(collection.getIndexOfPointer(knob(32)), 32);
    EXPECT_EQ(collection.getIndexOfPointer(knob(39)), -1);
}

TEST_F(PointerCollectionTest, RemovalLeavesANullSlotAndBadIndicesAreHarmless)
{
    addFirst(3);
    collection.deletePointerAtIndex(0);
    EXPECT_EQ(collection.getElementAtIndex(0), nullptr);
    EXPECT_EQ(collection.getArraySize(), 32);
    EXPECT_EQ(collection.getInsertIndex(), 3);
    collection.addElement(knob(3));
    EXPECT_EQ(collection.getElementAtIndex(3), knob(3));

    EXPECT_EQ(collection.getElementAtIndex(-1), nullptr);
    EXPECT_EQ(collection.getElementAtIndex(32), nullptr);
    collection.deletePointerAtIndex(-1);
    collection.deletePointerAtIndex(32);
    collection.deletePointerAtIndex(0);  // already empty
    EXPECT_EQ(collection.getInsertIndex(), 4);
    EXPECT_EQ(collection.getIndexOfPointer(knob(0)), -1);
}

TEST_F(PointerCollectionTest, ReorderPacksOptionallyShrinksAndFreeingStartsOver)
{
    collection.reorder(true);  // no array: nothing to do
    EXPECT_EQ(collection.getArraySize(), 0);
    addFirst(3);
    collection.deletePointerAtIndex(1);
    collection.reorder(false);
    EXPECT_EQ(collection.getArraySize(), 32);
    EXPECT_EQ(collection.getInsertIndex(), 2);
    EXPECT_EQ(collection.getElementAtIndex(0), knob(0));
    EXPECT_EQ(collection.getElementAtIndex(1), knob(2));
    EXPECT_EQ(collection.getElementAtIndex(2), nullptr);

    collection.reorder(true);
    EXPECT_EQ(collection.getArraySize(), 2);
    EXPECT_EQ(collection.getElementAtIndex(1), knob(2));
    collection.reorder(true);  // nothing null: unchanged
    EXPECT_EQ(collection.getArraySize(), 2);

    // A full shrunken array still grows by 32.
    collection.addElement(knob(5));
    EXPECT_EQ(collection.getArraySize(), 34);
    EXPECT_EQ(collection.getElementAtIndex(2), knob(5));

    // Freed, the collection starts over.
    collection.freePointers();
    EXPECT_EQ(collection.getArraySize(), 0);
    EXPECT_EQ(collection.getIndexOfPointer(knob(0)), -1);
    collection.addElement(knob(1));
    EXPECT_EQ(collection.getArraySize(), 32);
    EXPECT_EQ(collection.getElementAtIndex(0), knob(1));
}

TEST(PointerCollection, OwningCollectionDestroysItsElementsAndANullingOneLeavesThemAlive)
{
    int destroyed = 0;
    int borrowedDestroyed = 0;
    CTestKnob borrowed(&borrowedDestroyed);
    {
        TPointerCollection<CTestKnob> owning;
        owning.addElement(new CTestKnob(&destroyed));
        owning.addElement(new CTestKnob(&destroyed));
        owning.addElement(nullptr);
        owning.deletePointerAtIndex(0);
        EXPECT_EQ(destroyed, 1);

        Borrowing borrowing(&Borrowing::TPOINTER_COLLECTION_DEFAULT_NULLER);
        borrowing.addElement(&borrowed);
        borrowing.addElement(&borrowed);
    }
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(borrowedDestroyed, 0);
    EXPECT_EQ(borrowed.getReferenceCount(), 0);
}

TEST(CountedPointerArray, HoldsOneReferencePerElementBesideOtherHolders)
{
    int destroyed = 0;
    CTestKnob* knob = new CTestKnob(&destroyed);
    {
        TAutomaticPointer<CTestKnob> editorHolder;
        editorHolder = knob;
        TCountedPointerArray<CTestKnob> root;
        root.addElement(knob);
        EXPECT_EQ(knob->getReferenceCount(), 2);
        root.deletePointerAtIndex(0);
        EXPECT_EQ(knob->getReferenceCount(), 1);
        root.addElement(knob);
        root.freePointers();
        EXPECT_EQ(knob->getReferenceCount(), 1);
        root.addElement(knob);
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);

    TCountedPointerArray<CTestKnob> lone;
    lone.addElement(new CTestKnob(&destroyed));
    lone.deletePointerAtIndex(0);
    EXPECT_EQ(destroyed, 2);
}

TEST(TreeNode, ReleasingTheRootFreesTheTreeAndItsData)
{
    int destroyed = 0;
    using Node = TTreeNode<CTestKnob>;
    const long nodesBefore = Node::CCLASS_THE_CLASS.getInstanceCount();

    Node* root = new Node(new CTestKnob(&destroyed));
    root->referenced();
    Node* child = new Node(new CTestKnob(&destroyed));
    Node* grandChild = new Node();
    EXPECT_TRUE(root->addChild(child));
    EXPECT_TRUE(child->addChild(grandChild));
    EXPECT_FALSE(root->addChild(grandChild));  // already has a parent
    EXPECT_FALSE(root->addChild(root));
    EXPECT_FALSE(grandChild->addChild(root));  // an ancestor: the tree would hold itself and never be freed
    EXPECT_EQ(root->getParent(), nullptr);
    EXPECT_EQ(grandChild->getNumberOfChildren(), 0);
    EXPECT_EQ(grandChild->getParent(), child);
    EXPECT_EQ(root->getChild(0), child);
    EXPECT_EQ(root->getChild(1), nullptr);
    EXPECT_EQ(child->getReferenceCount(), 1);
    EXPECT_EQ(root->getData()->getReferenceCount(), 1);

    grandChild->setData(new CTestKnob(&destroyed));
    grandChild->setData(nullptr);
    EXPECT_EQ(destroyed, 1);

    root->dereference();
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(Node::CCLASS_THE_CLASS.getInstanceCount(), nodesBefore);
}
