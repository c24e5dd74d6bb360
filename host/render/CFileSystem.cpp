#include "CFileSystem.hpp"

#include "CRenderError.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace Tenvira { namespace Render {

std::string CFileSystem::createTemporary(const std::string& path, int& descriptor)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty())
        throw CRenderError("\"" + path + "\" names a folder, not a file");

    std::string pattern = folder + "." + name + ".part-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    descriptor = ::mkstemp(buffer.data());
    if (descriptor < 0)
        throw CRenderError("cannot create a file beside \"" + path + "\": " + std::strerror(errno));
    // mkstemp makes the file private; give the result the permissions of any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
    return std::string(buffer.data());
}

void CFileSystem::closeDescriptor(int descriptor)
{
    if (descriptor >= 0)
        ::close(descriptor);
}

void CFileSystem::checkWritable(const std::string& path)
{
    int descriptor = -1;
    const std::string probe = createTemporary(path, descriptor);
    closeDescriptor(descriptor);
    removeFile(probe);
}

bool CFileSystem::sameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool CFileSystem::samePath(const std::string& a, const std::string& b)
{
    if (sameFile(a, b))
        return true;
    std::error_code error;
    const std::filesystem::path first = std::filesystem::weakly_canonical(std::filesystem::absolute(a, error), error);
    if (error)
        return a == b;
    const std::filesystem::path second = std::filesystem::weakly_canonical(std::filesystem::absolute(b, error), error);
    if (error)
        return a == b;
    return first == second;
}

bool CFileSystem::exists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

void CFileSystem::makeDirectories(const std::string& path)
{
    std::size_t position = 0;
    while (position != std::string::npos) {
        position = path.find('/', position + 1);
        const std::string prefix = path.substr(0, position);
        if (prefix.empty())
            continue;
        if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
            throw CRenderError("cannot create folder \"" + prefix + "\": " + std::strerror(errno));
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        throw CRenderError("\"" + path + "\" is not a folder");
}

void CFileSystem::replace(const std::string& from, const std::string& to)
{
    if (std::rename(from.c_str(), to.c_str()) != 0)
        throw CRenderError("cannot move the result into \"" + to + "\": " + std::strerror(errno));
}

void CFileSystem::removeFile(const std::string& path)
{
    std::remove(path.c_str());
}

bool CFileSystem::errorStreamIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

}}  // namespace Tenvira::Render
