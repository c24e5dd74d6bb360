#include "CorvaneProbe.hpp"
#include "ScratchFile.hpp"

#include "basics/CClass.hpp"
#include "basics/CClassManager.hpp"
#include "basics/CHtmlString.hpp"
#include "basics/CString.hpp"
#include "basics/CSystemString.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "collections/TCountedPointerArray.hpp"
#include "io/CTextStream.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace Corvane::Basics;
using namespace Corvane::Collections;
using Corvane::GUI::Controls::CTestKnob;

namespace {

CClassManager& globalManager()
{
    EXPECT_NE(CClass::CCLASSCLASS_MANAGER, nullptr);
    return *CClass::CCLASSCLASS_MANAGER;
}

std::string templateName(const char* name, const std::type_info& type, long size = CClass::CCLASS_NAME_SIZE)
{
    char buffer[CClass::CCLASS_NAME_SIZE + 8];
    std::fill(buffer, buffer + sizeof(buffer), 'Z');
    EXPECT_TRUE(CClass::computeTemplateName(name, type, buffer, size));
    EXPECT_EQ(buffer[size], 'Z') << "written past the bound";
    return buffer;
}

const char* const RULE = "+-----------------------------------------------------------------+----------+----------+\n";

std::string reportHead()
{
    return std::string(RULE) +
           "| Corvane class information                                       |          |          |\n" + RULE +
           "| Class Name                                                      | Instance |   Total  |\n" + RULE;
}

}  // namespace

TEST(ClassRecord, TemplateInstantiationsResolveTheirNamesAndKinshipFollowsRegisteredParents)
{
    TAutomaticPointer<CTestKnob> holder;
    TCountedPointerArray<CTestKnob> array;
    EXPECT_STREQ(holder.getObjectClass().getClassName(), "TAutomaticPointer<CTestKnob>");
    EXPECT_STREQ(holder.getObjectClass().getParentName(), "CCountedObject");
    EXPECT_STREQ(array.getObjectClass().getClassName(), "TCountedPointerArray<CTestKnob>");
    EXPECT_STREQ(array.getObjectClass().getParentName(), "TPointerCollection<CTestKnob>");
    EXPECT_STREQ(TCountedObjectDeleter<CTestKnob>::CCLASS_THE_CLASS.getParentName(), "TPointerDeleter<CTestKnob>");

    // Registered at load time, so the ancestry is known by name.
    EXPECT_NE(globalManager().getClassWithName("TPointerDeleter<CTestKnob>"), nullptr);
    EXPECT_TRUE(array.getObjectClass().isSubClassOf(CCountedObject::CCLASS_THE_CLASS));
    EXPECT_FALSE(holder.getObjectClass().isSubClassOf(TPointerCollection<CTestKnob>::CCLASS_THE_CLASS));
    EXPECT_FALSE(CString::CCLASS_THE_CLASS.isSubClassOf(CSystemString::CCLASS_THE_CLASS));
    EXPECT_TRUE(CHtmlString::CCLASS_THE_CLASS.isSubClassOf(CString::CCLASS_THE_CLASS));

    // A chain ending at an unregistered parent falls back to the names themselves; parents that loop end it too.
    CClass orphan("TestOrphan", "TestNoSuchParent");
    EXPECT_FALSE(orphan.isSubClassOf(CCountedObject::CCLASS_THE_CLASS));
    CClass loopA("TestLoopA", "TestLoopB");
    CClass loopB("TestLoopB", "TestLoopA");
    EXPECT_FALSE(loopA.isSubClassOf(CCountedObject::CCLASS_THE_CLASS));
}

TEST(ClassRecord, ComputeTemplateName)
{
    EXPECT_EQ(templateName("TPointerDeleter<TypeName>", typeid(CTestKnob)), "TPointerDeleter<CTestKnob>");
    EXPECT_EQ(templateName("CString", typeid(CTestKnob)), "CString");
    EXPECT_EQ(templateName("TAutomaticPointer<TypeName>", typeid(int)), "TAutomaticPointer<int>");
    EXPECT_EQ(templateName("TAutomaticPointer<TypeName>", typeid(unsigned long)), "TAutomaticPointer<long>");
    // A template argument keeps its own arguments, without qualifiers.
    EXPECT_EQ(templateName("TCountedObjectDeleter<TypeName>", typeid(TAutomaticPointer<CString>)),
              "TCountedObjectDeleter<TAutomaticPointer<CString>>");
    // Bounded by the buffer size, always terminated.
    EXPECT_EQ(templateName("TPointerDeleter<TypeName>", typeid(CTestKnob), 9), "TPointer");
    EXPECT_EQ(templateName("TPointerDeleter<TypeName>", typeid(CTestKnob), 1), "");
}

TEST(ClassManager, DefaultRecordsStayOutFirstRegistrationWinsGoneRecordsAreForgottenAndObjectsCount)
{
    CClass undefined;
    EXPECT_STREQ(undefined.getClassName(), "UndefinedClass");
    EXPECT_EQ(globalManager().getClassWithName("UndefinedClass"), nullptr);
    const std::string longName(300, 'N');
    CClass record(longName.c_str(), longName.c_str());
    EXPECT_EQ(std::string(record.getParentName()), longName.substr(0, 127));
    undefined = record;  // copies the class name only
    EXPECT_EQ(std::string(undefined.getClassName()), longName.substr(0, 127));
    EXPECT_STREQ(undefined.getParentName(), "UndefinedParent");

    {
        CClass first("TestDuplicate", "CCountedObject");
        {
            CClass second("TestDuplicate", "CString");
            EXPECT_EQ(globalManager().getClassWithName("TestDuplicate"), &first);
            EXPECT_TRUE(globalManager().isClassRegistered(second));
        }
        EXPECT_EQ(globalManager().getClassWithName("TestDuplicate"), &first);
        globalManager().registerClass(nullptr);
    }
    EXPECT_EQ(globalManager().getClassWithName("TestDuplicate"), nullptr);
    EXPECT_EQ(globalManager().getClassWithName(nullptr), nullptr);

    // Objects are counted in the records of all their classes.
    const long strings = CString::CCLASS_THE_CLASS.getInstanceCount();
    const long paths = CSystemString::CCLASS_THE_CLASS.getInstanceCount();
    const long counted = CCountedObject::CCLASS_THE_CLASS.getInstanceCount();
    {
        CHtmlString link("index.html");
        CSystemString copy(link);
        EXPECT_EQ(CString::CCLASS_THE_CLASS.getInstanceCount(), strings + 2);
        EXPECT_EQ(CSystemString::CCLASS_THE_CLASS.getInstanceCount(), paths + 2);
        EXPECT_EQ(CHtmlString::CCLASS_THE_CLASS.getInstanceCount(), 1);
        EXPECT_EQ(CCountedObject::CCLASS_THE_CLASS.getInstanceCount(), counted + 2);
    }
    EXPECT_EQ(CString::CCLASS_THE_CLASS.getInstanceCount(), strings);
    EXPECT_EQ(CHtmlString::CCLASS_THE_CLASS.getInstanceCount(), 0);
    EXPECT_EQ(CCountedObject::CCLASS_THE_CLASS.getInstanceCount(), counted);
}

TEST(ClassManager, SortingPutsRecordsAlphabeticallyAndEmptySlotsLastAndTheReportListsLiveClasses)
{
    CClass zeta("TestZeta");
    CClass alpha("TestAlpha");
    CClass middle("TestMiddle");
    CClass gone("TestGone");
    CClassManager sorter;
    sorter.sortClasses();  // no array yet
    sorter.registerClass(&zeta);
    sorter.registerClass(&gone);
    sorter.registerClass(&alpha);
    sorter.registerClass(&middle);
    sorter.unregisterClass(&gone);
    sorter.sortClasses();
    ASSERT_EQ(sorter.getNumberOfClasses(), 32);
    const CClass* expected[] = {&alpha, &middle, &zeta};
    for (long i = 0; i < 32; ++i)
        EXPECT_EQ(sorter.getClassAtIndex(i), i < 3 ? expected[i] : nullptr) << i;

    CClass knobs("CKnob", "CControl");
    CClass labels("CTextLabel", "CControl");
    CClass meters("CLevelMeter", "CControl");
    CClassManager manager;
    manager.registerClass(&knobs);
    manager.registerClass(&labels);
    manager.registerClass(&meters);

    const std::string empty =
        reportHead() + RULE +
        "|                                                                 |         0|         0|\n" + RULE;
    EXPECT_EQ(manager.getClassInformation(), empty);

    for (int i = 0; i < 14; ++i)
        knobs++;
    labels++;
    labels--;
    meters++;
    knobs--;
    EXPECT_EQ(manager.getClassInformation(),
              reportHead() +
                  "|                                                           CKnob |        13|        14|\n"
                  "|                                                     CLevelMeter |         1|         1|\n" +
                  RULE + "|                                                                 |        14|        15|\n" +
                  RULE);

    // Written through a text stream, but only one open for output.
    const CorvaneTests::CScratchFile file("report.txt");
    {
        Corvane::IO::CTextStream stream(file.systemPath(), Corvane::IO::CTextStream::e_write);
        manager.logClassInformation(&stream);
        manager.logClassInformation(nullptr);
    }
    EXPECT_EQ(file.contents(), manager.getClassInformation());

    for (int i = 0; i < 13; ++i)
        knobs--;
    meters--;
    EXPECT_EQ(manager.getClassInformation(), empty);
}
