#include "platform/LoadedLibraryDl.h"

#include <dlfcn.h>

namespace zanbora {

namespace {
class DlLibrary : public LoadedLibrary {
public:
    explicit DlLibrary(void* handle) : handle_(handle) {}
    ~DlLibrary() override { dlclose(handle_); }
    void* symbol(const char* name) override { return dlsym(handle_, name); }

private:
    void* handle_;
};
}  // namespace

std::unique_ptr<LoadedLibrary> OpenLibraryDl(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    return std::make_unique<DlLibrary>(handle);
}

}  // namespace zanbora
