#include "platform/Screenshot.h"

#include <ctime>
#include <filesystem>

#include "platform/PngWriter.h"
#include "platform/SafeFile.h"

namespace zanbora {

std::string SaveScreenshot(const Pixels& frame, const std::string& userDir, std::string& error) {
    const std::string folder = userDir + "/screenshots";
    if (!EnsurePlainDirectory(folder, error)) return {};
    const std::string png = EncodePng(frame);
    if (png.empty()) {
        error = "the picture could not be compressed";
        return {};
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::string path;
    std::error_code ignored;
    for (int taken = 0; path.empty() || std::filesystem::exists(path, ignored); ++taken)
        path = folder + "/" + ScreenshotName(local, taken);
    if (!WriteFileAtomically(path, png, error)) return {};
    return path;
}

}  // namespace zanbora
