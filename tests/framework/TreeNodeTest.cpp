#include "CorvaneProbe.hpp"

#include "collections/TTreeNode.hpp"

#include <gtest/gtest.h>

using Corvane::Collections::TTreeNode;
using Corvane::GUI::Controls::CTestKnob;

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
