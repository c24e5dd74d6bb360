#pragma once

#include "basics/CSystemString.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace CorvaneTests {

/** A file in the test scratch folder, named for this process and removed when the object goes. */
class CScratchFile {
public:
    explicit CScratchFile(const char* name)
        : m_path(::testing::TempDir() + "corvane_" + std::to_string(getpid()) + "_" + name)
    {}
    ~CScratchFile() { std::remove(m_path.c_str()); }
    CScratchFile(const CScratchFile&) = delete;
    CScratchFile& operator=(const CScratchFile&) = delete;

    const char* path() const { return m_path.c_str(); }
    Corvane::Basics::CSystemString systemPath() const { return Corvane::Basics::CSystemString(m_path.c_str()); }

    std::string contents() const
    {
        std::ifstream in(m_path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void write(const std::string& contents) const { std::ofstream(m_path, std::ios::binary) << contents; }

private:
    std::string m_path;
};

}  // namespace CorvaneTests
