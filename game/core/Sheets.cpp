#include "game/core/Sheets.h"

#include "game/core/Game.h"
#include "platform/AppDir.h"

namespace zanbora {

// A sheet keeps its stated size even if its picture is smaller, so cells
// the code names always exist (reading black where nothing was drawn).
static void LoadSheet(Game& game, Surface& sheet, const char* gamePath) {
    Pixels picture;
    if (!game.platform.loadPicture(ResolveGamePath(game.AppDir, gamePath), picture)) return;
    int w = sheet.width(), h = sheet.height();
    sheet.setPicture(picture);
    sheet.ensureSize(w, h);
}

void LoadSheets(Game& game) {
    Sheets& s = game.sheets;
    LoadSheet(game, s.map_c, "\\cg\\map_c.bmp");
    LoadSheet(game, s.chr3, "\\cg\\chr3.bmp");
    LoadSheet(game, s.chr_m, "\\cg\\chr_m.bmp");
    LoadSheet(game, s.item_c, "\\cg\\item_c.bmp");
    LoadSheet(game, s.ch, "\\cg\\ch.bmp");
    LoadSheet(game, s.effect, "\\cg\\effect.bmp");
    // The hero's battle sheet: chr_m's battle graphics over the icon rows of
    // ch, then the default hero strip at (32, 0).
    s.ch.blt(0, 0, 320, 256, s.chr_m, 0, 0);
    s.ch.blt(32, 0, 160, 32, s.chr_m, 160, 96);
}

bool LoadIntoMonsC(Game& game, const std::string& gamePath) {
    Pixels picture;
    if (!game.platform.loadPicture(ResolveGamePath(game.AppDir, gamePath), picture)) return false;
    game.sheets.mons_c.setPicture(picture);
    return true;
}

}  // namespace zanbora
