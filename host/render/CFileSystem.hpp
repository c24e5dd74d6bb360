#pragma once

#include <string>

namespace Tenvira { namespace Render {

/** The few POSIX file operations the renderer needs, kept in one place. */
class CFileSystem {
public:
    /**
     * Creates a new hidden file beside `path` (same folder, so a rename onto
     * `path` is atomic) and answers its name; `descriptor` receives the open
     * file. Raises CRenderError when the folder is not writable.
     */
    static std::string createTemporary(const std::string& path, int& descriptor);
    static void closeDescriptor(int descriptor);
    /** Raises CRenderError unless a file can be created beside `path`. */
    static void checkWritable(const std::string& path);

    /** True when both names lead to the same existing file. */
    static bool sameFile(const std::string& a, const std::string& b);
    /** True when both names lead to the same file, whether or not it exists yet
     *  ("out.wav", "./out.wav" and a link to it are one file). */
    static bool samePath(const std::string& a, const std::string& b);
    static bool exists(const std::string& path);
    /** Creates the folder (and its parents); raises CRenderError on failure. */
    static void makeDirectories(const std::string& path);
    /** Moves `from` onto `to`, replacing it; raises CRenderError on failure. */
    static void replace(const std::string& from, const std::string& to);
    static void removeFile(const std::string& path);
    /** Whether standard error is a terminal. */
    static bool errorStreamIsTerminal();
};

}}  // namespace Tenvira::Render
