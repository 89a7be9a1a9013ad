#include "platform/ImageLoader.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>

#include "platform/FileRead.h"
#include "platform/PictureHeader.h"

namespace zanbora {

namespace {
// Far above any picture of the game (a 4096 x 4096 BMP of 24 bits is 48 MB).
constexpr size_t kPictureFileLimit = 64 * 1024 * 1024;
}  // namespace

bool LoadPictureFile(const std::string& path, Pixels& out) {
    std::string bytes;
    const FileReadResult read = ReadRegularFile(path, kPictureFileLimit, bytes);
    if (read.problem == FileProblem::Missing) return false;
    // Only a picture whose header the game has checked reaches the decoder;
    // any other is treated as missing, with one line for whoever looks.
    PictureHeader header;
    std::string why = "the file cannot be read";
    if (read.problem != FileProblem::None || !CheckPictureHeader(bytes, header, why)) {
        std::fprintf(stderr, "ZANBORA: picture %s not used: %s\n", path.c_str(), why.c_str());
        return false;
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    SDL_Surface* loaded = source ? IMG_LoadTyped_RW(source, 1, header.kind == PictureKind::Bmp ? "BMP" : "JPG") : nullptr;
    if (!loaded) return false;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!rgb) return false;
    out = Pixels(rgb->w, rgb->h);
    SDL_LockSurface(rgb);
    for (int y = 0; y < rgb->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch);
        for (int x = 0; x < rgb->w; ++x) out.at(x, y) = row[x] & 0x00FFFFFFu;
    }
    SDL_UnlockSurface(rgb);
    SDL_FreeSurface(rgb);
    return true;
}

}  // namespace zanbora
