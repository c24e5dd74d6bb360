#pragma once

#include "basics/CCountedObject.hpp"

namespace Corvane { namespace GUI { namespace Controls {

/**
 * A counted object that reports its destruction, for the ownership tests.
 * It lives in a nested namespace so template record names show that the
 * qualifiers are dropped.
 */
class CTestKnob : public Basics::CCountedObject {
public:
    explicit CTestKnob(int* destroyed = nullptr) : m_destroyed(destroyed) { CVN_CONSTRUCT_CLASS; }
    ~CTestKnob() override
    {
        if (m_destroyed != nullptr) {
            ++*m_destroyed;
        }
        CVN_DESTRUCT_CLASS;
    }

    CVN_DECLARE_CLASS

private:
    int* m_destroyed;
};

}}}  // namespace Corvane::GUI::Controls
