#include "CStateFile.hpp"

#include "CFileSystem.hpp"
#include "CRenderError.hpp"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace Tenvira { namespace Jack {

using Render::CFileSystem;
using Render::CRenderError;

namespace {

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

// A whole number of plain digits within 0..limit-1.
bool parseIndex(const std::string& text, int limit, int& index)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    index = std::atoi(text.c_str());
    return index < limit;
}

bool parseValue(const std::string& text, float& value)
{
    const char* end = text.data() + text.size();
    const std::from_chars_result result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && std::isfinite(value) && value >= 0.0f &&
           value <= 1.0f;
}

CStateFile::ELoad refuse(CStateFile::ELoad kind, const std::string& reason, std::string& why)
{
    why = reason;
    return kind;
}

void writeAll(int descriptor, const std::string& text, const std::string& path)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(descriptor, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw CRenderError("cannot write beside \"" + path + "\": " + std::strerror(errno));
        done += static_cast<std::size_t>(written);
    }
    if (::fsync(descriptor) != 0)
        throw CRenderError("cannot write beside \"" + path + "\": " + std::strerror(errno));
}

}  // namespace

std::string CStateFile::defaultPath()
{
    // Configuration lives where the XDG base directories say; a relative XDG_CONFIG_HOME is to be ignored.
    std::string folder;
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/') {
        folder = configHome;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') {
            const passwd* user = ::getpwuid(::getuid());
            home = user != nullptr ? user->pw_dir : "";
        }
        folder = std::string(home) + "/.config";
    }
    return folder + "/Tenvira/tenvira-jack.state";
}

CStateFile::ELoad CStateFile::load(const std::string& path, int programs, int parameters, SEffectState& state,
                                   std::string& why)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT)
            return ELoad::MISSING;
        return refuse(ELoad::FOREIGN, std::string("cannot read it: ") + std::strerror(errno), why);
    }
    struct stat info {};
    std::string text;
    ELoad result = ELoad::LOADED;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        result = refuse(ELoad::FOREIGN, "it is not a plain file", why);
    } else if (info.st_size > MAX_BYTES) {
        result = refuse(ELoad::FOREIGN, "it is far larger than a state file", why);
    } else {
        char buffer[4096];
        for (;;) {
            const ssize_t count = ::read(descriptor, buffer, sizeof(buffer));
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0)
                result = refuse(ELoad::FOREIGN, std::string("cannot read it: ") + std::strerror(errno), why);
            if (count <= 0)
                break;
            text.append(buffer, static_cast<std::size_t>(count));
            if (static_cast<long>(text.size()) > MAX_BYTES) {
                result = refuse(ELoad::FOREIGN, "it is far larger than a state file", why);
                break;
            }
        }
    }
    ::close(descriptor);
    return result == ELoad::LOADED ? parse(text, programs, parameters, state, why) : result;
}

CStateFile::ELoad CStateFile::parse(const std::string& text, int programs, int parameters, SEffectState& state,
                                    std::string& why)
{
    std::vector<std::string> lines = split(text, '\n');
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();  // the last line's newline
    const std::string header = std::string(HEADER) + " ";
    if (lines.empty() || lines[0].compare(0, header.size(), header) != 0)
        return refuse(ELoad::FOREIGN, "it is not a tenvira-jack state file", why);
    if (lines[0] != header + std::to_string(VERSION))
        return refuse(ELoad::FOREIGN, "it is in another version's format (\"" + lines[0].substr(0, 40) + "\")", why);

    SEffectState read;
    read.values.assign(static_cast<std::size_t>(parameters), 0.0f);
    std::vector<bool> seen(static_cast<std::size_t>(parameters), false);
    bool programSeen = false;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const std::vector<std::string> fields = split(lines[n], ' ');
        const std::string where = "line " + std::to_string(n + 1) + ": ";
        if (fields.size() == 2 && fields[0] == "program") {
            if (programSeen || !parseIndex(fields[1], programs, read.program))
                return refuse(ELoad::CORRUPT, where + "not a program of the plug-in, or a second one", why);
            programSeen = true;
        } else if (fields.size() == 3 && fields[0] == "parameter") {
            int index = 0;
            if (!parseIndex(fields[1], parameters, index) || seen[static_cast<std::size_t>(index)])
                return refuse(ELoad::CORRUPT, where + "not a parameter of the plug-in, or one given twice", why);
            if (!parseValue(fields[2], read.values[static_cast<std::size_t>(index)]))
                return refuse(ELoad::CORRUPT, where + "the value is not a number within 0..1", why);
            seen[static_cast<std::size_t>(index)] = true;
        } else {
            return refuse(ELoad::CORRUPT, where + "not a program or parameter line", why);
        }
    }
    if (!programSeen)
        return refuse(ELoad::CORRUPT, "the program is missing", why);
    for (int index = 0; index < parameters; ++index)
        if (!seen[static_cast<std::size_t>(index)])
            return refuse(ELoad::CORRUPT, "parameter " + std::to_string(index) + " is missing", why);
    state = read;
    return ELoad::LOADED;
}

std::string CStateFile::format(const SEffectState& state)
{
    std::string text = std::string(HEADER) + " " + std::to_string(VERSION) + "\n";
    text += "program " + std::to_string(state.program) + "\n";
    for (std::size_t index = 0; index < state.values.size(); ++index) {
        // The shortest text that reads back as the same float.
        char value[32];
        const std::to_chars_result result = std::to_chars(value, value + sizeof(value), state.values[index]);
        text += "parameter " + std::to_string(index) + " " + std::string(value, result.ptr) + "\n";
    }
    return text;
}

void CStateFile::save(const std::string& path, const SEffectState& state)
{
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0)
        CFileSystem::makeDirectories(path.substr(0, slash));
    int descriptor = -1;
    const std::string temporary = CFileSystem::createTemporary(path, descriptor);
    try {
        writeAll(descriptor, format(state), path);
        CFileSystem::closeDescriptor(descriptor);
        descriptor = -1;
        CFileSystem::replace(temporary, path);
    } catch (...) {
        CFileSystem::closeDescriptor(descriptor);
        CFileSystem::removeFile(temporary);
        throw;
    }
}

}}  // namespace Tenvira::Jack
