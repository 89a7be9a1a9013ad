#include "platform/FontRenderer.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

namespace zanbora {

static std::string FindGothicFace() {
    std::string path;
    if (!FcInit()) return path;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("IPAPGothic"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) path = reinterpret_cast<char*>(file);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return path;
}

FontRenderer::FontRenderer() : fontPath_(FindGothicFace()) {
    if (!TTF_WasInit()) TTF_Init();
}

FontRenderer::~FontRenderer() {
    for (auto& [points, font] : fonts_) TTF_CloseFont(static_cast<TTF_Font*>(font));
}

void* FontRenderer::fontFor(int points) {
    auto it = fonts_.find(points);
    if (it != fonts_.end()) return it->second;
    TTF_Font* font = fontPath_.empty() ? nullptr : TTF_OpenFontDPI(fontPath_.c_str(), points, 96, 96);
    fonts_[points] = font;
    return font;
}

const Pixels& FontRenderer::render(const std::string& utf8, int points) {
    auto key = std::make_pair(points, utf8);
    auto it = cache_.find(key);
    if (it != cache_.end()) return it->second;
    if (cache_.size() > 4096) cache_.clear();  // a long game shows many different numbers
    Pixels& out = cache_[key];
    auto* font = static_cast<TTF_Font*>(fontFor(points));
    if (!font || utf8.empty()) return out;
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* line = TTF_RenderUTF8_Blended(font, utf8.c_str(), white);
    if (!line) return out;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(line, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(line);
    if (!argb) return out;
    out = Pixels(argb->w, argb->h);
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < argb->w; ++x) out.at(x, y) = row[x] >> 24;
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return out;
}

}  // namespace zanbora
