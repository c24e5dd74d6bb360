#pragma once

#include <atomic>
#include <typeinfo>

namespace Corvane { namespace Basics {

class CClassManager;

/**
 * Name-based run-time class information.
 *
 * Every framework class owns one static record, CCLASS_THE_CLASS, holding the
 * class name, the parent class name and two instance counters (alive now and
 * ever constructed). The records register with the process-wide
 * CClassManager, which finds records by name, answers kinship questions and
 * writes the class report.
 *
 * A record is normally declared and defined with the macros of
 * basics/CvnClassMacros.hpp. A template record is named with the placeholder
 * "<TypeName>", which is replaced per instantiation by the unqualified name of
 * the template argument (see computeTemplateName).
 *
 * Static records are built by a constant-evaluated constructor (the
 * EStaticRecord forms), so their counters are valid before any dynamic
 * initialisation runs; their registration happens at load time through a
 * CClassRegistrar. Records built at run time register at once.
 */
class CClass {
public:
    /** Size of the name arrays, terminator included. */
    static constexpr long CCLASS_NAME_SIZE = 128;

    /** The manager of all registered records; null until the first record registers. */
    static CClassManager* CCLASSCLASS_MANAGER;

    /** Tag selecting the load-time constructors used by the class macros. */
    enum EStaticRecord {
        CCLASS_STATIC_RECORD
    };

    /** "UndefinedClass" / "UndefinedParent"; creates the manager if needed but does not register. */
    CClass();
    explicit CClass(const char* name);
    CClass(const char* name, const char* parent);
    CClass(const char* name, const std::type_info& type);
    CClass(const char* name, const std::type_info& type, const char* parent);
    CClass(const char* name, const std::type_info& type, const char* parent, const std::type_info& parentType);

    /** Load-time record of a plain class; registered later by registerRecord(). */
    constexpr CClass(EStaticRecord, const char* name, const char* parent)
        : m_className{},
          m_parentName{},
          m_instanceCount(0),
          m_totalCount(0),
          m_type(nullptr),
          m_parentType(nullptr)
    {
        constantCopy(m_className, name != nullptr ? name : "UndefinedClass");
        constantCopy(m_parentName, parent != nullptr ? parent : "UndefinedParent");
    }

    /**
     * Load-time record of a template instantiation. The names keep their
     * placeholder until registerRecord() resolves them with the given types
     * (parentType may be null when the parent is a plain class).
     */
    constexpr CClass(EStaticRecord, const char* name, const std::type_info& type, const char* parent,
                     const std::type_info* parentType)
        : m_className{},
          m_parentName{},
          m_instanceCount(0),
          m_totalCount(0),
          m_type(&type),
          m_parentType(parentType)
    {
        constantCopy(m_className, name != nullptr ? name : "UndefinedClass");
        constantCopy(m_parentName, parent != nullptr ? parent : "UndefinedParent");
    }

    /** Removes the record from the manager, so no dangling record stays registered (static records are never destroyed). */
    virtual ~CClass();

    CClass(const CClass&) = delete;

    /** Copies the class name only. */
    CClass& operator=(const CClass& other);

    /** A new instance: instance count and total count + 1. */
    void operator++(int);
    /** An instance went away: instance count - 1. */
    void operator--(int);

    /** Resolves a pending template name and registers with the manager (creating it if needed). */
    void registerRecord();

    /** Replaces the class name; null is ignored. */
    void setClassInformation(const char* name);

    const char* getClassName() const { return m_className; }
    const char* getParentName() const { return m_parentName; }
    long getInstanceCount() const { return m_instanceCount.load(std::memory_order_relaxed); }
    long getTotalCount() const { return m_totalCount.load(std::memory_order_relaxed); }

    bool isTypeOf(const char* name) const;
    bool isTypeOf(const CClass& other) const;
    bool operator==(const CClass& other) const;

    /** True when other is this class or one of its registered ancestors. */
    bool isSubClassOf(const CClass& other) const;

    /** qsort comparison of record slots: null slots after every record, else by class name. */
    static int compareClasses(const CClass** a, const CClass** b);

    /**
     * Resolves a template name such as "TAutomaticPointer<TypeName>" for the
     * given type into buffer (bounded by size, always terminated when size > 0):
     * "TAutomaticPointer<CKnob>" for Corvane::GUI::Controls::CKnob. A name
     * without "<" is copied unchanged.
     */
    static bool computeTemplateName(const char* name, const std::type_info& type, char* buffer, long size);

    /**
     * Writes the class report to path (when a path is given and a manager exists),
     * then destroys the manager.
     */
    static void deleteClassManager(const char* path);

private:
    template <long N>
    static constexpr void constantCopy(char (&target)[N], const char* source)
    {
        long i = 0;
        for (; i < N - 1 && source[i] != '\0'; ++i) {
            target[i] = source[i];
        }
        target[i] = '\0';
    }

    void initialise(const char* name, const char* parent);
    void resolveTemplateNames();
    static CClassManager& getManager();

    char m_className[CCLASS_NAME_SIZE];
    char m_parentName[CCLASS_NAME_SIZE];
    // Effects and GUI objects are made and released on several host threads at once.
    std::atomic<int> m_instanceCount;
    std::atomic<int> m_totalCount;
    const std::type_info* m_type;
    const std::type_info* m_parentType;
};

}}  // namespace Corvane::Basics
