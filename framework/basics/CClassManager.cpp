#include "basics/CClassManager.hpp"

#include "basics/CSystemString.hpp"
#include "io/CTextStream.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Corvane { namespace Basics {

namespace {

const char* const REPORT_RULE =
    "+-----------------------------------------------------------------+----------+----------+\n";
const char* const REPORT_TITLE =
    "| Corvane class information                                       |          |          |\n";
const char* const REPORT_HEADER =
    "| Class Name                                                      | Instance |   Total  |\n";

int compareClassSlots(const void* a, const void* b)
{
    return CClass::compareClasses(static_cast<const CClass**>(const_cast<void*>(a)),
                                  static_cast<const CClass**>(const_cast<void*>(b)));
}

}  // namespace

CClassManager::CClassManager() : m_nuller(), m_classes(&m_nuller) {}

CClassManager::~CClassManager() = default;

void CClassManager::registerClass(CClass* record)
{
    if (record == nullptr || isClassRegistered(*record)) {
        return;
    }
    m_classes.addElement(record);
}

void CClassManager::unregisterClass(const CClass* record)
{
    const long index = m_classes.getIndexOfPointer(record);
    if (index >= 0) {
        m_classes.deletePointerAtIndex(index);
    }
}

CClass* CClassManager::getClassWithName(const char* name) const
{
    if (name == nullptr) {
        return nullptr;
    }
    for (long i = 0; i < m_classes.getArraySize(); ++i) {
        CClass* record = m_classes.getElementAtIndex(i);
        if (record != nullptr && record->isTypeOf(name)) {
            return record;
        }
    }
    return nullptr;
}

bool CClassManager::isClassRegistered(const CClass& record) const
{
    return getClassWithName(record.getClassName()) != nullptr;
}

void CClassManager::sortClasses()
{
    CClass** slots = m_classes.getArray();
    if (slots != nullptr) {
        std::qsort(slots, static_cast<std::size_t>(m_classes.getArraySize()), sizeof(CClass*), compareClassSlots);
    }
}

std::string CClassManager::getClassInformation() const
{
    std::string report;
    report += REPORT_RULE;
    report += REPORT_TITLE;
    report += REPORT_RULE;
    report += REPORT_HEADER;
    report += REPORT_RULE;

    long instances = 0;
    long totals = 0;
    char line[256];
    for (long i = 0; i < m_classes.getArraySize(); ++i) {
        const CClass* record = m_classes.getElementAtIndex(i);
        if (record == nullptr || record->getInstanceCount() == 0) {
            continue;
        }
        std::snprintf(line, sizeof(line), "| %63s |%10li|%10li|\n", record->getClassName(), record->getInstanceCount(),
                      record->getTotalCount());
        report += line;
        instances += record->getInstanceCount();
        totals += record->getTotalCount();
    }

    report += REPORT_RULE;
    std::snprintf(line, sizeof(line),
                  "|                                                                 |%10li|%10li|\n", instances,
                  totals);
    report += line;
    report += REPORT_RULE;
    return report;
}

void CClassManager::logClassInformation(IO::CTextStream* stream) const
{
    if (stream == nullptr || !stream->validForOutput()) {
        return;
    }
    *stream << getClassInformation().c_str();
}

}}  // namespace Corvane::Basics
