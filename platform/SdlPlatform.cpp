#include "platform/SdlPlatform.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "platform/EndSignals.h"
#include "platform/FastForwardMark.h"
#include "platform/FontRenderer.h"
#include "platform/FrameRenderer.h"
#include "platform/IconFile.h"
#include "platform/ImageLoader.h"
#include "platform/InstanceLock.h"
#include "platform/KeyMapping.h"
#include "platform/LoadedLibraryDl.h"
#include "platform/SdlAudio.h"
#include "platform/SdlFullScreen.h"
#include "platform/Screenshot.h"
#include "platform/Settings.h"
#include "platform/TextureUpload.h"
#include "platform/WindowScale.h"

namespace zanbora {

namespace {
constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;
constexpr int kScreenX = 64;
constexpr int kScreenY = 64;
constexpr int kScreenWidth = 512;
constexpr int kScreenHeight = 350;

// The scale the player chose as far as the usable desktop holds it, or the
// biggest that fits, at most 2 (the default for screens that fit it).
int StartScale(int chosen) {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return std::max(chosen, 1);
    const int scale = FitWindowScale(chosen, usable.w, usable.h);
    if (scale < chosen)
        std::fprintf(stderr, "ZANBORA: scale %d does not fit the desktop (%d x %d); using %d\n", chosen, usable.w,
                     usable.h, scale);
    return scale;
}
}  // namespace

struct SdlPlatform::Impl {
    std::string appDir;
    UserDirs userDirs;
    Settings settings;
    Pixels shown;         // the frame in the window now
    bool redraw = true;   // draw even an unchanged frame: the window was uncovered, resized or replaced
    bool plainKeys = false;  // keys as the keyboard's own, not the game keys of settings.ini
    bool fastForward = false;  // the mark shows beside the picture
    int drawnFrames = 0;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* screen = nullptr;
    FontRenderer fonts;
    std::unique_ptr<SdlAudio> audio;
    std::unique_ptr<SdlFullScreen> fullScreen;  // Form2, once shown
};

SdlPlatform::SdlPlatform(std::string appDir, UserDirs userDirs) : impl_(std::make_unique<Impl>()) {
    impl_->appDir = std::move(appDir);
    impl_->userDirs = std::move(userDirs);
}

static std::string SettingsPath(const UserDirs& dirs) { return dirs.config + "/settings.ini"; }

static void SetWindowIcon(SDL_Window* window, const std::string& appDir) {
    const std::string path = appDir + "/cg/icon.png";
    std::string bytes, why;
    if (!ReadIconFile(path, bytes, why)) {
        if (!why.empty()) std::fprintf(stderr, "ZANBORA: icon %s not used: %s\n", path.c_str(), why.c_str());
        return;
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    if (SDL_Surface* icon = source ? IMG_LoadTyped_RW(source, 1, "PNG") : nullptr) {
        SDL_SetWindowIcon(window, icon);
        SDL_FreeSurface(icon);
    }
}

// Alt+Enter: the window covers the whole desktop without a mode change (the
// canvas keeps its whole-number scale, with black bars), or goes back.
static void SetDesktopFullScreen(SDL_Window* window, bool on) {
    SDL_SetWindowFullscreen(window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    SDL_ShowCursor(on ? SDL_DISABLE : SDL_ENABLE);
}

SdlPlatform::~SdlPlatform() {
    impl_->audio.reset();
    impl_->fullScreen.reset();
    if (impl_->screen) SDL_DestroyTexture(impl_->screen);
    if (impl_->renderer) SDL_DestroyRenderer(impl_->renderer);
    if (impl_->window) SDL_DestroyWindow(impl_->window);
    SDL_Quit();
}

bool SdlPlatform::showMainWindow() {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) != 0) {
        std::fprintf(stderr, "ZANBORA: cannot open the display: %s\n", SDL_GetError());
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    impl_->settings = LoadSettingsFile(SettingsPath(impl_->userDirs));
    int scale = StartScale(impl_->settings.scale);
    impl_->window = SDL_CreateWindow("ザンボラ戦記", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                     kCanvasWidth * scale, kCanvasHeight * scale, SDL_WINDOW_RESIZABLE);
    if (!impl_->window) {
        std::fprintf(stderr, "ZANBORA: cannot open the window: %s\n", SDL_GetError());
        return false;
    }
    SDL_SetWindowMinimumSize(impl_->window, kCanvasWidth, kCanvasHeight);
    SetWindowIcon(impl_->window, impl_->appDir);
    if (impl_->settings.fullScreen) SetDesktopFullScreen(impl_->window, true);
    impl_->renderer = CreateFrameRenderer(impl_->window);
    if (!impl_->renderer) {
        std::fprintf(stderr, "ZANBORA: cannot draw into the window: %s\n", SDL_GetError());
        return false;
    }
    // The input method stays off except while a name is typed, so it never
    // takes the game's keys.
    SDL_StopTextInput();
    SDL_RenderSetLogicalSize(impl_->renderer, kCanvasWidth, kCanvasHeight);
    SDL_RenderSetIntegerScale(impl_->renderer, SDL_TRUE);
    impl_->screen = SDL_CreateTexture(impl_->renderer, kFrameTextureFormat, SDL_TEXTUREACCESS_STREAMING,
                                      kScreenWidth, kScreenHeight);
    impl_->audio = std::make_unique<SdlAudio>();
    musicVolume(65535);
    Mix_Volume(-1, MIX_MAX_VOLUME * impl_->settings.effectVolume / 100);
    return impl_->screen != nullptr;
}

int64_t SdlPlatform::ticks() { return int64_t(SDL_GetTicks64()); }

bool SdlPlatform::pollEvent(PlatformEvent& event) {
    if (EndSignalled()) {
        event = {PlatformEvent::Kind::Quit, 0};
        return true;
    }
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT:
                event = {PlatformEvent::Kind::Quit, 0};
                return true;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    impl_->redraw = true;
                    drawShownFrame();
                }
                // Closing Form2 leaves the hidden Form1, so SDL sends no quit.
                if (e.window.event != SDL_WINDOWEVENT_CLOSE) break;
                event = {PlatformEvent::Kind::Quit, 0};
                return true;
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                if (handleDesktopKey(e.key)) break;
                const SDL_Keycode sym = e.key.keysym.sym;
                int key = impl_->plainKeys ? PlainVirtualKey(sym) : impl_->settings.virtualKey(sym);
                // A game key held when the start screen took the keyboard
                // is still let go there: fast-forward must not stay on.
                if (key == 0 && e.type == SDL_KEYUP) key = impl_->settings.virtualKey(sym);
                if (key == 0) key = VirtualKeyFromSdl(sym);
                if (key == 0) break;
                event = {e.type == SDL_KEYDOWN ? PlatformEvent::Kind::KeyDown : PlatformEvent::Kind::KeyUp, key};
                return true;
            }
            case SDL_TEXTINPUT:
                event = {PlatformEvent::Kind::TextInput, 0};
                event.text = e.text.text;
                return true;
            case SDL_TEXTEDITING:
                event = {PlatformEvent::Kind::TextEditing, e.edit.start};
                event.text = e.edit.text;
                return true;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                // Only the main button; the renderer has already turned the
                // point into canvas pixels, whatever the scale and letterbox.
                if (e.button.button != SDL_BUTTON_LEFT) break;
                event = {e.type == SDL_MOUSEBUTTONDOWN ? PlatformEvent::Kind::MouseDown : PlatformEvent::Kind::MouseUp, 0};
                event.x = e.button.x - kScreenX;
                event.y = e.button.y - kScreenY;
                event.clicks = e.button.clicks;
                return true;
            case SDL_MOUSEMOTION:
                event = {PlatformEvent::Kind::MouseMove, 0};
                event.x = e.motion.x - kScreenX;
                event.y = e.motion.y - kScreenY;
                return true;
            case SDL_MOUSEWHEEL:
                event = {PlatformEvent::Kind::MouseWheel, 0};
                event.y = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
                return true;
            default: break;
        }
    }
    return false;
}

void SdlPlatform::startTextInput(int x, int y, int w, int h) {
    if (!impl_->renderer) return;
    int left = 0, top = 0, right = 0, bottom = 0;
    SDL_RenderLogicalToWindow(impl_->renderer, float(kScreenX + x), float(kScreenY + y), &left, &top);
    SDL_RenderLogicalToWindow(impl_->renderer, float(kScreenX + x + w), float(kScreenY + y + h), &right, &bottom);
    SDL_Rect where{left, top, right - left, bottom - top};
    SDL_SetTextInputRect(&where);
    if (!SDL_IsTextInputActive()) SDL_StartTextInput();
}

void SdlPlatform::stopTextInput() { SDL_StopTextInput(); }

void SdlPlatform::plainKeys(bool on) { impl_->plainKeys = on; }

void SdlPlatform::waitForEvent(int timeoutMs) {
    if (timeoutMs > 0) SDL_WaitEventTimeout(nullptr, timeoutMs);
}

bool SdlPlatform::handleDesktopKey(const SDL_KeyboardEvent& key) {
    const SDL_Keycode sym = key.keysym.sym;
    const bool enter = sym == SDLK_RETURN || sym == SDLK_KP_ENTER;
    if (enter && (key.keysym.mod & KMOD_ALT)) {
        // Form2 of the start screen's full-screen play already covers the display.
        if (key.type == SDL_KEYDOWN && !key.repeat && !impl_->fullScreen) {
            const bool on = (SDL_GetWindowFlags(impl_->window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
            SetDesktopFullScreen(impl_->window, on);
            impl_->settings.fullScreen = on;
            SaveSetting(SettingsPath(impl_->userDirs), impl_->settings, "fullscreen", on ? "yes" : "no");
            impl_->redraw = true;
            drawShownFrame();
        }
        return true;
    }
    if (sym == SDLK_F12) {
        if (key.type == SDL_KEYDOWN && !key.repeat && !impl_->shown.data.empty()) {
            std::string error;
            const std::string path = SaveScreenshot(impl_->shown, impl_->userDirs.data, error);
            if (path.empty()) std::fprintf(stderr, "ZANBORA: the screenshot could not be saved: %s\n", error.c_str());
            else std::fprintf(stderr, "ZANBORA: screenshot saved as %s\n", path.c_str());
        }
        return true;
    }
    return false;
}

void SdlPlatform::present(const Pixels& frame) {
    Pixels& shown = impl_->shown;
    if (impl_->redraw || frame.width != shown.width || frame.height != shown.height) {
        shown = frame;
        return drawShownFrame();
    }
    const RowBand band = ChangedRows(shown, frame);
    if (band.empty()) return;  // the same picture is on screen already
    const size_t from = size_t(band.first) * size_t(shown.width);
    std::memcpy(&shown.data[from], &frame.data[from], size_t(band.end - band.first) * size_t(shown.width) * 4);
    drawShownRows(band.first, band.end);
}

int SdlPlatform::drawnFrames() const { return impl_->drawnFrames; }

void SdlPlatform::drawShownFrame() { drawShownRows(0, kScreenHeight); }

void SdlPlatform::drawShownRows(int first, int end) {
    const Pixels& frame = impl_->shown;
    if (frame.data.empty()) return;
    impl_->redraw = false;
    ++impl_->drawnFrames;
    if (impl_->fullScreen) return impl_->fullScreen->present(frame);
    if (!impl_->renderer) return;
    UploadRows(impl_->screen, kScreenWidth, kScreenHeight, frame, first, end);
    SDL_SetRenderDrawColor(impl_->renderer, 0, 0, 0, 255);
    SDL_RenderClear(impl_->renderer);
    SDL_Rect where{kScreenX, kScreenY, kScreenWidth, kScreenHeight};
    SDL_RenderCopy(impl_->renderer, impl_->screen, nullptr, &where);
    if (impl_->fastForward) DrawFastForwardMark(impl_->renderer);
    SDL_RenderPresent(impl_->renderer);
}

void SdlPlatform::showFastForward(bool on) {
    if (on == impl_->fastForward) return;
    impl_->fastForward = on;
    if (impl_->fullScreen) impl_->fullScreen->showFastForward(on);
    impl_->redraw = true;
    drawShownFrame();
}

bool SdlPlatform::showFullScreenWindow() {
    auto form2 = std::make_unique<SdlFullScreen>();
    if (!form2->open()) return false;
    form2->showFastForward(impl_->fastForward);
    impl_->fullScreen = std::move(form2);
    if (SDL_GetWindowFlags(impl_->window) & SDL_WINDOW_FULLSCREEN) SetDesktopFullScreen(impl_->window, false);
    SDL_HideWindow(impl_->window);
    impl_->redraw = true;
    return true;
}

void SdlPlatform::fitFullScreenWindow(int width, int height) {
    if (impl_->fullScreen) impl_->fullScreen->fit(width, height);
    impl_->redraw = true;
}

bool SdlPlatform::loadPicture(const std::string& path, Pixels& out) { return LoadPictureFile(path, out); }

const Pixels& SdlPlatform::renderText(const std::string& utf8, int points) { return impl_->fonts.render(utf8, points); }

void SdlPlatform::playWave(const std::string& path) { impl_->audio->playWave(path); }
bool SdlPlatform::musicOpen(const std::string& path) { return impl_->audio->musicOpen(path); }
bool SdlPlatform::musicPlay() { return impl_->audio->musicPlay(); }
void SdlPlatform::musicStop() { impl_->audio->musicStop(); }
void SdlPlatform::musicClose() { impl_->audio->musicClose(); }
bool SdlPlatform::musicPlaying() { return impl_->audio->musicPlaying(); }
void SdlPlatform::musicRewind() { impl_->audio->musicRewind(); }
void SdlPlatform::musicVolume(int volume) {
    impl_->audio->musicVolume(volume * impl_->settings.musicVolume / 100);
}

bool SdlPlatform::messageBox(const std::string& text, const std::string& caption, MessageBoxKind kind) {
    SDL_MessageBoxButtonData buttons[2] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "OK"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "キャンセル"},
    };
    SDL_MessageBoxData box{};
    box.flags = SDL_MESSAGEBOX_INFORMATION;
    box.window = impl_->fullScreen ? impl_->fullScreen->window() : impl_->window;
    box.title = caption.c_str();
    box.message = text.c_str();
    box.numbuttons = kind == MessageBoxKind::OkCancel ? 2 : 1;
    box.buttons = buttons;
    int chosen = 0;
    EndSignalsEndAtOnce waiting;
    if (SDL_ShowMessageBox(&box, &chosen) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return kind == MessageBoxKind::Ok;
    }
    return chosen == 1;
}

std::unique_ptr<LoadedLibrary> SdlPlatform::openLibrary(const std::string& path) { return OpenLibraryDl(path); }

intptr_t SdlPlatform::windowHandle() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!impl_->window || !SDL_GetWindowWMInfo(impl_->window, &info)) return 0;
    if (info.subsystem == SDL_SYSWM_X11) return intptr_t(info.info.x11.window);
    return 0;
}

InstanceLock SdlPlatform::acquireSingleInstance(std::string& why) {
    const InstanceLock lock = AcquireInstanceLock(impl_->userDirs.data + "/.zanbora.lock", why);
    if (lock != InstanceLock::Held) std::fprintf(stderr, "ZANBORA: %s\n", why.c_str());
    return lock;
}

}  // namespace zanbora
