#include "support/TestGame.h"

#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

#include "game/core/Shutdown.h"
#include "support/BuildPaths.h"

namespace zanbora::testing {

namespace fs = std::filesystem;

TempGameDir::TempGameDir(bool withData) {
    std::random_device random;
    fs::path dir = fs::temp_directory_path() /
                   ("zanbora-test-" + std::to_string(getpid()) + "-" + std::to_string(random()));
    fs::create_directories(dir);
    path_ = dir.string();
    if (!withData) return;
    const fs::path built(BuiltGameDir());
    std::error_code error;
    for (const char* name : {"map.dat", "items.lst", "libPadPort.so", "libResMode.so"})
        if (fs::exists(built / name)) fs::copy_file(built / name, dir / name, error);
    for (const char* folder : {"cg", "wave", "midi"})
        if (fs::exists(built / folder)) fs::create_directory_symlink(built / folder, dir / folder, error);
}

TempGameDir::~TempGameDir() {
    std::error_code error;
    fs::remove_all(path_, error);
}

void TempGameDir::write(const std::string& relative, const std::string& bytes) const {
    fs::path file = fs::path(path_) / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

TestGame::TestGame(bool withData) : dir(withData), game(std::make_unique<Game>(platform, dir.path())) {}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int RunUntilEnd(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const ProgramEnd& end) {
        return end.status;
    }
    return -1;
}

}  // namespace zanbora::testing
