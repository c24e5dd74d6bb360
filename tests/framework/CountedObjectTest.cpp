#include "CorvaneProbe.hpp"

#include "basics/CCountedObject.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "collections/TObjectDeleter.hpp"
#include "collections/TObjectNuller.hpp"

#include <gtest/gtest.h>

namespace Corvane { namespace GUI { namespace Controls {
CVN_IMPLEMENT_CLASS(CTestKnob, "CCountedObject")
}}}  // namespace Corvane::GUI::Controls

using namespace Corvane::Collections;
using Corvane::Basics::CCountedObject;
using Corvane::GUI::Controls::CTestKnob;

TEST(CountedObject, CountStartsAtZeroTheLastDereferenceDestroysAndCopiesStartUnreferenced)
{
    int destroyed = 0;
    const long alive = CTestKnob::CCLASS_THE_CLASS.getInstanceCount();
    const long total = CTestKnob::CCLASS_THE_CLASS.getTotalCount();

    CTestKnob* lone = new CTestKnob(&destroyed);
    EXPECT_EQ(lone->getReferenceCount(), 0);
    EXPECT_EQ(CTestKnob::CCLASS_THE_CLASS.getInstanceCount(), alive + 1);
    EXPECT_EQ(CTestKnob::CCLASS_THE_CLASS.getTotalCount(), total + 1);
    lone->dereference();
    EXPECT_EQ(destroyed, 1);

    CTestKnob* shared = new CTestKnob(&destroyed);
    shared->referenced();
    shared->referenced();
    EXPECT_EQ(shared->getReferenceCount(), 2);
    shared->dereference();
    EXPECT_EQ(destroyed, 1);
    shared->dereference();
    EXPECT_EQ(destroyed, 2);

    EXPECT_EQ(CTestKnob::CCLASS_THE_CLASS.getInstanceCount(), alive);
    EXPECT_EQ(CTestKnob::CCLASS_THE_CLASS.getTotalCount(), total + 2);

    CCountedObject original;
    original.referenced();
    CCountedObject copy(original);
    EXPECT_EQ(copy.getReferenceCount(), 0);
    copy = original;  // keeps its own count
    EXPECT_EQ(copy.getReferenceCount(), 0);
    EXPECT_EQ(original.getReferenceCount(), 1);
}

TEST(AutomaticPointer, DefaultDeleterReferencesAndReleasesInOrderAndOnce)
{
    int destroyed = 0;
    CTestKnob* first = new CTestKnob(&destroyed);
    CTestKnob* second = new CTestKnob(&destroyed);
    first->referenced();  // held elsewhere too, so it survives being replaced
    {
        TAutomaticPointer<CTestKnob> holder;
        holder = first;
        EXPECT_EQ(first->getReferenceCount(), 2);
        holder = second;
        EXPECT_EQ(first->getReferenceCount(), 1);
        EXPECT_EQ(holder->getReferenceCount(), 1);

        holder = nullptr;  // only releases
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(holder.getPointer(), nullptr);

        holder = first;
        EXPECT_EQ(first->getReferenceCount(), 2);
    }  // the holder's destruction lets go
    EXPECT_EQ(first->getReferenceCount(), 1);
    first->dereference();
    EXPECT_EQ(destroyed, 2);

    // Assigning the held pointer again keeps it alive and counted once.
    TAutomaticPointer<CTestKnob> holder;
    CTestKnob* knob = new CTestKnob(&destroyed);
    holder = knob;
    holder = knob;
    holder = holder.getPointer();
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(knob->getReferenceCount(), 1);
    holder.freePointer();
    EXPECT_EQ(destroyed, 3);
    holder.freePointer();  // empty holder: nothing happens
    EXPECT_EQ(destroyed, 3);
}

TEST(AutomaticPointer, DeleterPolicies)
{
    int destroyed = 0;
    TObjectNuller<CTestKnob> nuller;
    TObjectDeleter<CTestKnob> destroyer;
    CTestKnob* borrowed = new CTestKnob(&destroyed);
    {
        TAutomaticPointer<CTestKnob> forgetting(&nuller);
        forgetting = borrowed;
        EXPECT_EQ(borrowed->getReferenceCount(), 0);
    }
    EXPECT_EQ(destroyed, 0);

    {
        TAutomaticPointer<CTestKnob> owning(&destroyer);
        owning = borrowed;
        EXPECT_EQ(borrowed->getReferenceCount(), 0);
    }
    EXPECT_EQ(destroyed, 1);

    {
        // Without a deleter the holder destroys outright, whatever the count.
        TAutomaticPointer<CTestKnob> outright(nullptr);
        CTestKnob* knob = new CTestKnob(&destroyed);
        knob->referenced();
        outright = knob;
        outright = new CTestKnob(&destroyed);
        EXPECT_EQ(destroyed, 2);
    }
    EXPECT_EQ(destroyed, 3);
}
