#include "resmode/XrandrModeSource.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace resmode {

namespace {

// X errors arrive asynchronously and the default handler ends the program;
// while a switch is under way they are only noted.
bool xErrorSeen = false;

int noteXError(Display*, XErrorEvent*)
{
    xErrorSeen = true;
    return 0;
}

class XErrorTrap {
public:
    explicit XErrorTrap(Display* display) : display_(display), previous_(XSetErrorHandler(noteXError))
    {
        xErrorSeen = false;
    }
    ~XErrorTrap() { XSetErrorHandler(previous_); }
    // Waits for the server to answer everything sent so far.
    bool failed()
    {
        XSync(display_, False);
        return xErrorSeen;
    }

private:
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*);
};

int32_t refreshHz(const XRRModeInfo& mode)
{
    double lines = mode.vTotal;
    if (mode.modeFlags & RR_DoubleScan)
        lines *= 2;
    if (mode.modeFlags & RR_Interlace)
        lines /= 2;
    if (mode.hTotal == 0 || lines <= 0)
        return 0;
    return static_cast<int32_t>(std::lround(mode.dotClock / (mode.hTotal * lines)));
}

int32_t bitsPerPixel(Display* display, int screen)
{
    const int depth = DefaultDepth(display, screen);
    int count = 0;
    int32_t bits = depth;
    if (XPixmapFormatValues* formats = XListPixmapFormats(display, &count)) {
        for (int i = 0; i < count; ++i)
            if (formats[i].depth == depth)
                bits = formats[i].bits_per_pixel;
        XFree(formats);
    }
    return bits;
}

bool sideways(Rotation rotation)
{
    return rotation & (RR_Rotate_90 | RR_Rotate_270);
}

struct ScreenSize {
    int width;
    int height;
};

class XrandrModeSource : public ModeSource {
public:
    XrandrModeSource(Display* display, XRRScreenResources* resources, XRROutputInfo* info)
        : display_(display),
          screen_(DefaultScreen(display)),
          root_(RootWindow(display, screen_)),
          resources_(resources),
          info_(info),
          bits_(bitsPerPixel(display, screen_))
    {
    }

    ~XrandrModeSource() override
    {
        XRRFreeOutputInfo(info_);
        XRRFreeScreenResources(resources_);
        XCloseDisplay(display_);
    }

    std::optional<VideoMode> listedMode(int32_t number) override
    {
        if (number < 0 || number >= info_->nmode)
            return std::nullopt;
        return describe(info_->modes[number]);
    }

    std::optional<VideoMode> currentMode() override
    {
        if (!info_->crtc)
            return std::nullopt;
        XRRCrtcInfo* crtc = XRRGetCrtcInfo(display_, resources_, info_->crtc);
        if (!crtc)
            return std::nullopt;
        const RRMode mode = crtc->mode;
        XRRFreeCrtcInfo(crtc);
        return mode ? describe(mode) : std::nullopt;
    }

    bool switchTo(int32_t number) override
    {
        if (number < 0 || number >= info_->nmode || !info_->crtc)
            return false;
        const XRRModeInfo* mode = findMode(info_->modes[number]);
        XRRCrtcInfo* crtc = XRRGetCrtcInfo(display_, resources_, info_->crtc);
        if (!mode || !crtc)
            return false;
        XGrabServer(display_);
        const bool switched = switchCrtc(*crtc, *mode);
        XUngrabServer(display_);
        XSync(display_, False);
        XRRFreeCrtcInfo(crtc);
        return switched;
    }

private:
    const XRRModeInfo* findMode(RRMode id) const
    {
        for (int i = 0; i < resources_->nmode; ++i)
            if (resources_->modes[i].id == id)
                return &resources_->modes[i];
        return nullptr;
    }

    std::optional<VideoMode> describe(RRMode id) const
    {
        const XRRModeInfo* mode = findMode(id);
        if (!mode)
            return std::nullopt;
        return VideoMode{static_cast<int32_t>(mode->width), static_cast<int32_t>(mode->height), bits_,
                         refreshHz(*mode)};
    }

    // The screen must hold every lit CRTC, with ours showing `mode`.
    ScreenSize screenAfter(const XRRCrtcInfo& ours, const XRRModeInfo& mode) const
    {
        ScreenSize size{0, 0};
        for (int i = 0; i < resources_->ncrtc; ++i) {
            const RRCrtc id = resources_->crtcs[i];
            int right = 0;
            int bottom = 0;
            if (id == info_->crtc) {
                const bool turned = sideways(ours.rotation);
                right = ours.x + static_cast<int>(turned ? mode.height : mode.width);
                bottom = ours.y + static_cast<int>(turned ? mode.width : mode.height);
            } else if (XRRCrtcInfo* other = XRRGetCrtcInfo(display_, resources_, id)) {
                if (other->mode) {
                    right = other->x + static_cast<int>(other->width);
                    bottom = other->y + static_cast<int>(other->height);
                }
                XRRFreeCrtcInfo(other);
            }
            size.width = std::max(size.width, right);
            size.height = std::max(size.height, bottom);
        }
        return size;
    }

    bool resizeScreen(ScreenSize size)
    {
        const int width = DisplayWidth(display_, screen_);
        const int height = DisplayHeight(display_, screen_);
        if (size.width == width && size.height == height)
            return true;
        // Keep the screen's dots per millimetre.
        const int widthMm = DisplayWidthMM(display_, screen_) * size.width / std::max(width, 1);
        const int heightMm = DisplayHeightMM(display_, screen_) * size.height / std::max(height, 1);
        XErrorTrap trap(display_);
        XRRSetScreenSize(display_, root_, size.width, size.height, std::max(widthMm, 1), std::max(heightMm, 1));
        return !trap.failed();
    }

    bool setCrtc(const XRRCrtcInfo& crtc, RRMode mode)
    {
        XErrorTrap trap(display_);
        const Status status = XRRSetCrtcConfig(display_, resources_, info_->crtc, CurrentTime, crtc.x, crtc.y, mode,
                                               crtc.rotation, crtc.outputs, crtc.noutput);
        return !trap.failed() && status == RRSetConfigSuccess;
    }

    // Grows the screen first if the new mode needs more room, shrinks it
    // after, and puts the old size back if the CRTC refuses the mode.
    bool switchCrtc(const XRRCrtcInfo& crtc, const XRRModeInfo& mode)
    {
        const ScreenSize before{DisplayWidth(display_, screen_), DisplayHeight(display_, screen_)};
        const ScreenSize after = screenAfter(crtc, mode);
        int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
        if (!XRRGetScreenSizeRange(display_, root_, &minWidth, &minHeight, &maxWidth, &maxHeight) ||
            after.width > maxWidth || after.height > maxHeight)
            return false;
        const ScreenSize target{std::max(after.width, minWidth), std::max(after.height, minHeight)};
        const ScreenSize roomy{std::max(before.width, target.width), std::max(before.height, target.height)};
        if (!resizeScreen(roomy))
            return false;
        if (!setCrtc(crtc, mode.id)) {
            resizeScreen(before);
            return false;
        }
        return resizeScreen(target);
    }

    Display* display_;
    int screen_;
    Window root_;
    XRRScreenResources* resources_;
    XRROutputInfo* info_;
    int32_t bits_;
};

// The primary output if the desktop names one, else the first output that
// lights a screen, else the first connected one.
RROutput chooseOutput(Display* display, Window root, XRRScreenResources* resources, bool knowsPrimary)
{
    if (knowsPrimary)
        if (RROutput primary = XRRGetOutputPrimary(display, root))
            return primary;
    RROutput connected = 0;
    for (int i = 0; i < resources->noutput; ++i) {
        XRROutputInfo* info = XRRGetOutputInfo(display, resources, resources->outputs[i]);
        if (!info)
            continue;
        const bool lit = info->crtc != 0;
        const bool plugged = info->connection == RR_Connected;
        XRRFreeOutputInfo(info);
        if (lit)
            return resources->outputs[i];
        if (plugged && !connected)
            connected = resources->outputs[i];
    }
    return connected;
}

}  // namespace

std::unique_ptr<ModeSource> openPrimaryOutputModes()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &major, &minor) ||
        major < 1 || (major == 1 && minor < 2)) {
        XCloseDisplay(display);
        return nullptr;
    }
    const Window root = DefaultRootWindow(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    const RROutput output = resources ? chooseOutput(display, root, resources, major > 1 || minor >= 3) : 0;
    XRROutputInfo* info = output ? XRRGetOutputInfo(display, resources, output) : nullptr;
    if (!info) {
        if (resources)
            XRRFreeScreenResources(resources);
        XCloseDisplay(display);
        return nullptr;
    }
    return std::make_unique<XrandrModeSource>(display, resources, info);
}

}  // namespace resmode
