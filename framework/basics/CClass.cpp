#include "basics/CClass.hpp"

#include "basics/CClassManager.hpp"
#include "basics/CSystemString.hpp"
#include "io/CTextStream.hpp"

#include <cxxabi.h>
#include <cstdlib>
#include <cstring>
#include <string>

namespace Corvane { namespace Basics {

CClassManager* CClass::CCLASSCLASS_MANAGER = nullptr;

namespace {

// Copies source into a buffer of size bytes: the buffer is zero-filled, at
// most size - 1 characters are copied, so the text is always terminated.
void boundedCopy(char* buffer, long size, const char* source)
{
    if (buffer == nullptr || size <= 0) {
        return;
    }
    std::memset(buffer, 0, static_cast<std::size_t>(size));
    if (source == nullptr) {
        return;
    }
    std::size_t length = std::strlen(source);
    if (length > static_cast<std::size_t>(size - 1)) {
        length = static_cast<std::size_t>(size - 1);
    }
    std::memcpy(buffer, source, length);
}

bool isIdentifierCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The unqualified label of a demangled type name.
std::string typeLabel(const std::string& demangled)
{
    if (demangled.find('<') != std::string::npos) {
        // A template type: drop every namespace qualifier, inside the
        // arguments too, so Corvane::Collections::TTreeNode<Corvane::Basics::CString>
        // reads TTreeNode<CString>.
        std::string label;
        for (std::size_t i = 0; i < demangled.size(); ++i) {
            if (demangled[i] == ':' && i + 1 < demangled.size() && demangled[i + 1] == ':') {
                while (!label.empty() && isIdentifierCharacter(label.back())) {
                    label.pop_back();
                }
                ++i;
                continue;
            }
            label.push_back(demangled[i]);
        }
        return label;
    }
    std::size_t cut = demangled.rfind(':');
    if (cut == std::string::npos) {
        cut = demangled.rfind(' ');
    }
    return cut == std::string::npos ? demangled : demangled.substr(cut + 1);
}

}  // namespace

CClass::CClass()
    : m_className{},
      m_parentName{},
      m_instanceCount(0),
      m_totalCount(0),
      m_type(nullptr),
      m_parentType(nullptr)
{
    initialise("UndefinedClass", "UndefinedParent");
    getManager();
}

CClass::CClass(const char* name) : CClass(name, static_cast<const char*>(nullptr)) {}

CClass::CClass(const char* name, const char* parent)
    : m_className{},
      m_parentName{},
      m_instanceCount(0),
      m_totalCount(0),
      m_type(nullptr),
      m_parentType(nullptr)
{
    initialise(name, parent);
    registerRecord();
}

CClass::CClass(const char* name, const std::type_info& type) : CClass(name, type, nullptr) {}

CClass::CClass(const char* name, const std::type_info& type, const char* parent)
    : m_className{},
      m_parentName{},
      m_instanceCount(0),
      m_totalCount(0),
      m_type(&type),
      m_parentType(nullptr)
{
    initialise(name, parent);
    registerRecord();
}

CClass::CClass(const char* name, const std::type_info& type, const char* parent, const std::type_info& parentType)
    : m_className{},
      m_parentName{},
      m_instanceCount(0),
      m_totalCount(0),
      m_type(&type),
      m_parentType(&parentType)
{
    initialise(name, parent);
    registerRecord();
}

CClass::~CClass()
{
    if (CCLASSCLASS_MANAGER != nullptr) {
        CCLASSCLASS_MANAGER->unregisterClass(this);
    }
}

void CClass::initialise(const char* name, const char* parent)
{
    boundedCopy(m_className, CCLASS_NAME_SIZE, name != nullptr ? name : "UndefinedClass");
    boundedCopy(m_parentName, CCLASS_NAME_SIZE, parent != nullptr ? parent : "UndefinedParent");
}

CClass& CClass::operator=(const CClass& other)
{
    if (this != &other) {
        boundedCopy(m_className, CCLASS_NAME_SIZE, other.m_className);
    }
    return *this;
}

void CClass::operator++(int)
{
    m_instanceCount.fetch_add(1, std::memory_order_relaxed);
    m_totalCount.fetch_add(1, std::memory_order_relaxed);
}

void CClass::operator--(int)
{
    m_instanceCount.fetch_sub(1, std::memory_order_relaxed);
}

void CClass::resolveTemplateNames()
{
    char buffer[CCLASS_NAME_SIZE];
    if (m_type != nullptr) {
        computeTemplateName(m_className, *m_type, buffer, CCLASS_NAME_SIZE);
        boundedCopy(m_className, CCLASS_NAME_SIZE, buffer);
        if (m_parentType != nullptr) {
            computeTemplateName(m_parentName, *m_parentType, buffer, CCLASS_NAME_SIZE);
            boundedCopy(m_parentName, CCLASS_NAME_SIZE, buffer);
        }
    }
    m_type = nullptr;
    m_parentType = nullptr;
}

void CClass::registerRecord()
{
    resolveTemplateNames();
    getManager().registerClass(this);
}

CClassManager& CClass::getManager()
{
    if (CCLASSCLASS_MANAGER == nullptr) {
        CCLASSCLASS_MANAGER = new CClassManager();
    }
    return *CCLASSCLASS_MANAGER;
}

void CClass::setClassInformation(const char* name)
{
    if (name != nullptr) {
        boundedCopy(m_className, CCLASS_NAME_SIZE, name);
    }
}

bool CClass::isTypeOf(const char* name) const
{
    return name != nullptr && std::strcmp(m_className, name) == 0;
}

bool CClass::isTypeOf(const CClass& other) const
{
    return isTypeOf(other.m_className);
}

bool CClass::operator==(const CClass& other) const
{
    return isTypeOf(other);
}

bool CClass::isSubClassOf(const CClass& other) const
{
    if (CCLASSCLASS_MANAGER != nullptr) {
        const CClass* ancestor = CCLASSCLASS_MANAGER->getClassWithName(m_parentName);
        // Bounded by the number of records, so a cycle of parent names cannot loop forever.
        long steps = CCLASSCLASS_MANAGER->getNumberOfClasses();
        while (ancestor != nullptr && steps-- >= 0) {
            if (ancestor->isTypeOf(other)) {
                return true;
            }
            ancestor = CCLASSCLASS_MANAGER->getClassWithName(ancestor->m_parentName);
        }
    }
    return isTypeOf(other);
}

int CClass::compareClasses(const CClass** a, const CClass** b)
{
    if (*a == *b) {
        return 0;
    }
    if (*a == nullptr) {
        return 1;
    }
    if (*b == nullptr) {
        return -1;
    }
    return std::strcmp((*a)->m_className, (*b)->m_className);
}

bool CClass::computeTemplateName(const char* name, const std::type_info& type, char* buffer, long size)
{
    if (name == nullptr) {
        boundedCopy(buffer, size, "");
        return true;
    }
    const char* const lessThan = std::strchr(name, '<');
    if (lessThan == nullptr) {
        boundedCopy(buffer, size, name);
        return true;
    }

    int status = -1;
    char* demangled = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    const std::string typeName = (status == 0 && demangled != nullptr) ? demangled : type.name();
    std::free(demangled);

    std::string result(name, static_cast<std::size_t>(lessThan - name));
    result += '<';
    result += typeLabel(typeName);
    result += '>';
    boundedCopy(buffer, size, result.c_str());
    return true;
}

void CClass::deleteClassManager(const char* path)
{
    CClassManager* manager = CCLASSCLASS_MANAGER;
    if (manager == nullptr) {
        return;
    }
    if (path != nullptr) {
        IO::CTextStream stream(CSystemString(path), IO::CTextStream::e_write);
        manager->sortClasses();
        manager->logClassInformation(&stream);
    }
    // Cleared before the manager goes, so records destroyed meanwhile do not reach it.
    CCLASSCLASS_MANAGER = nullptr;
    delete manager;
}

}}  // namespace Corvane::Basics
