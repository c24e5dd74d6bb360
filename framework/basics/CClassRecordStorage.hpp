#pragma once

#include "basics/CClass.hpp"

namespace Corvane { namespace Basics {

/**
 * Static storage of one class record that is built at compile time and never
 * destroyed. Objects with static storage (default deleters, constants of other
 * classes) may be destroyed after a record's own translation unit has been
 * torn down at unload; their destructors still count into the record, which
 * therefore has to stay valid until the process or module is gone.
 */
class CClassRecordStorage {
public:
    template <class... Arguments>
    constexpr explicit CClassRecordStorage(const Arguments&... arguments) : record(arguments...)
    {}

    // Deliberately leaves the record alone (see above).
    ~CClassRecordStorage() {}

    CClassRecordStorage(const CClassRecordStorage&) = delete;
    CClassRecordStorage& operator=(const CClassRecordStorage&) = delete;

    union {
        CClass record;
    };
};

}}  // namespace Corvane::Basics
