#pragma once

#include "basics/CClass.hpp"
#include "collections/TObjectNuller.hpp"
#include "collections/TPointerCollection.hpp"

#include <string>

namespace Corvane { namespace IO {
class CTextStream;
}}  // namespace Corvane::IO

namespace Corvane { namespace Basics {

/**
 * The process-wide register of class records, reached through
 * CClass::CCLASSCLASS_MANAGER. It only borrows the records (they are static
 * objects): its collection lets go of them through a nuller.
 */
class CClassManager {
public:
    CClassManager();
    virtual ~CClassManager();

    CClassManager(const CClassManager&) = delete;
    CClassManager& operator=(const CClassManager&) = delete;

    /** Appends record unless it is null or a record of the same class name is registered. */
    void registerClass(CClass* record);

    /** Forgets record (by identity); the slot becomes empty. */
    void unregisterClass(const CClass* record);

    /** The first registered record named name (case-sensitive), else null. */
    CClass* getClassWithName(const char* name) const;

    bool isClassRegistered(const CClass& record) const;

    /** Sorts the records alphabetically by class name, empty slots last. */
    void sortClasses();

    /** Writes the class report to stream; nothing when it is null or not open for output. */
    void logClassInformation(IO::CTextStream* stream) const;

    /** The class report as text: only classes with live instances, and the totals. */
    std::string getClassInformation() const;

    long getNumberOfClasses() const { return m_classes.getArraySize(); }
    const CClass* getClassAtIndex(long index) const { return m_classes.getElementAtIndex(index); }

private:
    Collections::TObjectNuller<CClass> m_nuller;
    Collections::TPointerCollection<CClass> m_classes;
};

}}  // namespace Corvane::Basics
