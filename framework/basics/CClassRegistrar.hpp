#pragma once

#include "basics/CClass.hpp"

namespace Corvane { namespace Basics {

/**
 * Registers a static class record with the class manager at load time.
 * The class macros define one registrar next to each record; its only work
 * happens in the constructor.
 */
class CClassRegistrar {
public:
    explicit CClassRegistrar(CClass& record) { record.registerRecord(); }
};

}}  // namespace Corvane::Basics
