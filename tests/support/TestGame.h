#pragma once
// A game on the headless platform, in a private copy of the game folder.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "game/core/Game.h"
#include "platform/HeadlessPlatform.h"

namespace zanbora::testing {

// A fresh temporary folder holding copies (or links) of the built game data,
// removed again when the object goes.
class TempGameDir {
public:
    explicit TempGameDir(bool withData = true);
    ~TempGameDir();
    const std::string& path() const { return path_; }
    void write(const std::string& relative, const std::string& bytes) const;

private:
    std::string path_;
};

struct TestGame {
    explicit TestGame(bool withData = true);
    TempGameDir dir;
    HeadlessPlatform platform;
    std::unique_ptr<Game> game;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Runs fn until the program ends (ProgramEnd); returns its status, or -1 if
// fn returned by itself.
int RunUntilEnd(const std::function<void()>& fn);

}  // namespace zanbora::testing
