// Preloaded into one run of kvr: a folder appears at $KVR_FOLDER_AT when a file is about to
// be linked or renamed there, as another program could make one between the write and the
// commit. The commit itself then fails, for real.
#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

namespace {

void FolderAt(const char *path) {
    if (const char *target = std::getenv("KVR_FOLDER_AT"); target && std::strcmp(path, target) == 0)
        ::mkdir(path, 0755);
}

template <typename Function> Function Real(const char *name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int rename(const char *from, const char *to) {
    static const auto real = Real<int (*)(const char *, const char *)>("rename");
    FolderAt(to);
    return real(from, to);
}

extern "C" int linkat(int fromFolder, const char *from, int toFolder, const char *to, int flags) {
    static const auto real = Real<int (*)(int, const char *, int, const char *, int)>("linkat");
    FolderAt(to);
    return real(fromFolder, from, toFolder, to, flags);
}
