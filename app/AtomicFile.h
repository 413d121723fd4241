#pragma once

#include <string>
#include <string_view>

// Writes a whole file so that a reader finds the old content or the new, never
// a part: the bytes go to a temporary file beside it, every write and the
// flush are checked, and only then is the file renamed into place. A full disk
// or a crash leaves the previous file as it was.
class AtomicFile {
public:
    enum class Mode {
        // Whatever is at the name, a file or a link, is replaced (a link is not followed).
        Replace,
        // The name is taken only if nothing is there, not even a dangling link: EEXIST otherwise.
        CreateNew,
    };

    // 0 when the file is in place, else the errno of the step that failed.
    static int write(const std::string& path, std::string_view bytes, Mode mode);

private:
    static int writeAll(int descriptor, std::string_view bytes);
    static int commit(const std::string& temporary, const std::string& path, Mode mode);
};
