#include "platform/ImageLoader.h"

#include <SDL.h>
#include <SDL_image.h>

namespace zanbora {

bool LoadPictureFile(const std::string& path, Pixels& out) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
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
