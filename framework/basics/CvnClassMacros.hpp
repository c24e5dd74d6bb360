#pragma once

#include "basics/CClass.hpp"
#include "basics/CClassRecordStorage.hpp"
#include "basics/CClassRegistrar.hpp"

#include <typeinfo>

/**
 * Declaring and defining the class record of a framework class.
 *
 * In the public part of the class body:
 * @code
 * class CKnob : public CControl
 * {
 * public:
 *     CKnob();
 *     ~CKnob() override;
 *     CVN_DECLARE_CLASS
 * };
 * @endcode
 *
 * In the source file, inside the class's namespace (the class name is used
 * unqualified as the record's name):
 * @code
 * CVN_IMPLEMENT_CLASS(CKnob, "CControl")
 *
 * CKnob::CKnob() { CVN_CONSTRUCT_CLASS; }
 * CKnob::~CKnob() { CVN_DESTRUCT_CLASS; }
 * @endcode
 *
 * Every constructor (copy constructors included) applies CVN_CONSTRUCT_CLASS
 * and the destructor CVN_DESTRUCT_CLASS, so an object is counted in the
 * records of all its classes.
 *
 * A class template defines its record in its header with the placeholder
 * "<TypeName>", resolved per instantiation:
 * @code
 * template <class T> class THolder : public Corvane::Basics::CCountedObject
 * {
 * public:
 *     THolder() { CVN_CONSTRUCT_CLASS; }
 *     ~THolder() override { CVN_DESTRUCT_CLASS; }
 *     CVN_DECLARE_CLASS
 * };
 * CVN_IMPLEMENT_TEMPLATE_CLASS(THolder, "THolder<TypeName>", "CCountedObject")
 * // or, when the parent is a template on the same type:
 * CVN_IMPLEMENT_TEMPLATE_CLASS_WITH_TEMPLATE_PARENT(TDerived, "TDerived<TypeName>", "THolder<TypeName>")
 * @endcode
 * The template macros expect a template of one type parameter.
 */
#define CVN_DECLARE_CLASS                                           \
    static Corvane::Basics::CClassRecordStorage CCLASS_STORAGE;     \
    static Corvane::Basics::CClass& CCLASS_THE_CLASS;               \
    static const Corvane::Basics::CClassRegistrar CCLASS_REGISTRAR; \
    const Corvane::Basics::CClass& getObjectClass() const override;

#define CVN_IMPLEMENT_CLASS(ClassName, ParentName)                                                                \
    Corvane::Basics::CClassRecordStorage ClassName::CCLASS_STORAGE(Corvane::Basics::CClass::CCLASS_STATIC_RECORD, \
                                                                   #ClassName, ParentName);                       \
    Corvane::Basics::CClass& ClassName::CCLASS_THE_CLASS = ClassName::CCLASS_STORAGE.record;                      \
    const Corvane::Basics::CClassRegistrar ClassName::CCLASS_REGISTRAR(ClassName::CCLASS_THE_CLASS);              \
    const Corvane::Basics::CClass& ClassName::getObjectClass() const                                              \
    {                                                                                                             \
        return CCLASS_THE_CLASS;                                                                                  \
    }

#define CVN_IMPLEMENT_TEMPLATE_CLASS(Template, TemplateName, ParentName)                                            \
    template <class T>                                                                                              \
    Corvane::Basics::CClassRecordStorage Template<T>::CCLASS_STORAGE(Corvane::Basics::CClass::CCLASS_STATIC_RECORD, \
                                                                     TemplateName, typeid(T), ParentName,           \
                                                                     static_cast<const std::type_info*>(nullptr));  \
    template <class T>                                                                                              \
    Corvane::Basics::CClass& Template<T>::CCLASS_THE_CLASS = Template<T>::CCLASS_STORAGE.record;                    \
    template <class T>                                                                                              \
    const Corvane::Basics::CClassRegistrar Template<T>::CCLASS_REGISTRAR(Template<T>::CCLASS_THE_CLASS);            \
    template <class T>                                                                                              \
    const Corvane::Basics::CClass& Template<T>::getObjectClass() const                                              \
    {                                                                                                               \
        return CCLASS_THE_CLASS;                                                                                    \
    }

#define CVN_IMPLEMENT_TEMPLATE_CLASS_WITH_TEMPLATE_PARENT(Template, TemplateName, ParentName)                         \
    template <class T>                                                                                                \
    Corvane::Basics::CClassRecordStorage Template<T>::CCLASS_STORAGE(Corvane::Basics::CClass::CCLASS_STATIC_RECORD,   \
                                                                     TemplateName, typeid(T), ParentName,             \
                                                                     static_cast<const std::type_info*>(&typeid(T))); \
    template <class T>                                                                                                \
    Corvane::Basics::CClass& Template<T>::CCLASS_THE_CLASS = Template<T>::CCLASS_STORAGE.record;                      \
    template <class T>                                                                                                \
    const Corvane::Basics::CClassRegistrar Template<T>::CCLASS_REGISTRAR(Template<T>::CCLASS_THE_CLASS);              \
    template <class T>                                                                                                \
    const Corvane::Basics::CClass& Template<T>::getObjectClass() const                                                \
    {                                                                                                                 \
        return CCLASS_THE_CLASS;                                                                                      \
    }

/**
 * Constructor hook: counts the new instance. Naming the registrar makes a
 * template instantiation register its record at load time as well.
 */
#define CVN_CONSTRUCT_CLASS (static_cast<void>(&CCLASS_REGISTRAR), CCLASS_THE_CLASS++)

/** Destructor hook: the instance is gone. */
#define CVN_DESTRUCT_CLASS CCLASS_THE_CLASS--
