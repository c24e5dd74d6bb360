#pragma once

#include <stdexcept>
#include <string>

namespace Tenvira { namespace Render {

/** A failure the user can act on; the message is printed as it stands. */
class CRenderError : public std::runtime_error {
public:
    explicit CRenderError(const std::string& message) : std::runtime_error(message) {}
};

/** A malformed command line: the message is followed by a hint to --help. */
class CUsageError : public CRenderError {
public:
    explicit CUsageError(const std::string& message) : CRenderError(message) {}
};

}}  // namespace Tenvira::Render
