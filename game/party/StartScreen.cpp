// The start screen's loop: window events move the focus, type the name,
// pick and delete saves and start the game.
#include "game/party/StartScreen.h"
#include "game/core/StartPlaying.h"

#include <algorithm>
#include <filesystem>

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/HeroName.h"
#include "game/party/NameFile.h"
#include "game/party/SaveFile.h"
#include "game/party/StartScreenUi.h"
#include "platform/KeyCodes.h"

namespace zanbora {

using namespace start_layout;

namespace {

constexpr int kFrameMs = 30;

void UpdateTextInput(Game& game, const StartScreenUi& ui) {
    if (ui.focus == StartFocus::Name)
        game.platform.startTextInput(kNameBox.x1, kNameBox.y1, kNameBox.x2 - kNameBox.x1, kNameBox.y2 - kNameBox.y1);
    else
        game.platform.stopTextInput();
}

void Focus(Game& game, StartScreenUi& ui, StartFocus focus) {
    ui.focus = focus;
    UpdateTextInput(game, ui);
}

void MoveFocus(Game& game, StartScreenUi& ui, int step) {
    const int next = (int(ui.focus) + step + kStartControls) % kStartControls;
    Focus(game, ui, StartFocus(next));
}

void NameChanged(Game& game, const StartScreenUi& ui) {
    game.start.Text1 = ui.name.text();
    game.start.Notice.clear();
}

void RefreshList(Game& game, StartScreenUi& ui) {
    ui.saves = ListSaves(SaveFolder(game));
    ui.selected = -1;
    ui.top = 0;
    ui.preview.reset();
}

void ScrollTo(StartScreenUi& ui, int top) {
    ui.top = std::clamp(top, 0, std::max(0, int(ui.saves.size()) - kListRows));
}

// File1's click: the name box takes the save's name and the preview shows it.
void Select(Game& game, StartScreenUi& ui, int index) {
    if (ui.saves.empty()) return;
    index = std::clamp(index, 0, int(ui.saves.size()) - 1);
    ui.selected = index;
    if (index < ui.top) ScrollTo(ui, index);
    if (index >= ui.top + kListRows) ScrollTo(ui, index - kListRows + 1);
    const std::string& name = ui.saves[size_t(index)];
    ui.name.setText(name);
    NameChanged(game, ui);
    SavePreview preview;
    if (ReadSavePreview(SavePath(game, name), name, preview)) ui.preview = preview;
    else ui.preview.reset();
    game.player.Work = 0;
}

void StartFromScreen(Game& game) {
    game.keys.KeyAct = false;
    PPPN(game);
}

// Command1: asks, then deletes the save of the name in the box.
void DeleteSave(Game& game, StartScreenUi& ui) {
    const std::string name = NormaliseHeroName(game.start.Text1);
    if (name.empty()) return;
    std::string reason;
    if (!CheckHeroName(name, reason)) {
        game.start.Notice = reason;
        return;
    }
    const std::string path = SavePath(game, name);
    std::error_code error;
    const auto kind = std::filesystem::symlink_status(path, error).type();
    if (kind != std::filesystem::file_type::regular && kind != std::filesystem::file_type::symlink) {
        game.start.Notice = "「" + name + "」のセーブはありません。";
        return;
    }
    if (!game.platform.messageBox(name + "を消去します。よろしいですか。", "ザンボラ戦記", MessageBoxKind::OkCancel)) return;
    if (!std::filesystem::remove(path, error))
        game.platform.messageBox("消去できませんでした。\n" + path + "\n" + error.message(), "ザンボラ戦記",
                                 MessageBoxKind::Ok);
    RefreshList(game, ui);
}

void SetSlider(Game& game, int value) { game.start.check1 = std::clamp(value, 1, kMaxDrawSkip); }

void ListKey(Game& game, StartScreenUi& ui, int key) {
    const int last = int(ui.saves.size()) - 1;
    switch (key) {
        case vk::Up: Select(game, ui, ui.selected < 0 ? 0 : ui.selected - 1); break;
        case vk::Down: Select(game, ui, ui.selected + 1); break;
        case vk::Home: Select(game, ui, 0); break;
        case vk::End: Select(game, ui, last); break;
        case vk::PageUp: Select(game, ui, ui.selected - kListRows); break;
        case vk::PageDown: Select(game, ui, ui.selected + kListRows); break;
        case vk::Enter: StartFromScreen(game); break;
        default: break;
    }
}

void NameKey(Game& game, StartScreenUi& ui, int key) {
    switch (key) {
        case vk::Backspace: ui.name.backspace(); NameChanged(game, ui); break;
        case vk::Delete: ui.name.deleteForward(); NameChanged(game, ui); break;
        case vk::Left: ui.name.left(); break;
        case vk::Right: ui.name.right(); break;
        case vk::Home: ui.name.home(); break;
        case vk::End: ui.name.end(); break;
        case vk::Enter: StartFromScreen(game); break;
        default: break;
    }
}

void KeyDown(Game& game, StartScreenUi& ui, int key) {
    if (key == vk::Shift) ui.shiftHeld = true;
    // While the input method composes, the keys are its own.
    if (ui.focus == StartFocus::Name && ui.name.composing()) return;
    if (key == vk::Tab) return MoveFocus(game, ui, ui.shiftHeld ? -1 : 1);
    const bool press = key == vk::Space || key == vk::Enter;
    switch (ui.focus) {
        case StartFocus::Name: NameKey(game, ui, key); break;
        case StartFocus::List: ListKey(game, ui, key); break;
        case StartFocus::Delete: if (press) DeleteSave(game, ui); break;
        case StartFocus::Ok: if (press) StartFromScreen(game); break;
        case StartFocus::Slider:
            if (key == vk::Left || key == vk::Down) SetSlider(game, game.start.check1 - 1);
            if (key == vk::Right || key == vk::Up) SetSlider(game, game.start.check1 + 1);
            if (key == vk::Home) SetSlider(game, 1);
            if (key == vk::End) SetSlider(game, kMaxDrawSkip);
            break;
        case StartFocus::FullScreen: if (key == vk::Space) game.start.Check2 = !game.start.Check2; break;
    }
}

// The caret goes to the character boundary nearest the click.
void PlaceCaret(Game& game, StartScreenUi& ui, int x) {
    const std::string text = ui.name.text();
    const int left = NameTextLeft(game, ui);
    size_t best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0;; ++i) {
        const size_t offset = Utf8Offset(text, i);
        const std::string prefix = text.substr(0, offset);
        const int distance = std::abs(left + (prefix.empty() ? 0 : game.platform.renderText(prefix, 15).width) - x);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
        if (offset >= text.size()) break;
    }
    ui.name.setCaret(best);
}

void ListClick(Game& game, StartScreenUi& ui, const PlatformEvent& e) {
    const int count = int(ui.saves.size());
    if (count > kListRows && kScrollBar.contains(e.x, e.y)) {
        // A click beside the thumb turns a page.
        const int middle = (kScrollBar.y1 + kScrollBar.y2) / 2;
        ScrollTo(ui, ui.top + (e.y < middle ? -kListRows : kListRows));
        return;
    }
    const int row = (e.y - kFirstRowY) / kRowHeight;
    if (e.y < kFirstRowY || row >= kListRows || ui.top + row >= count) return;
    Select(game, ui, ui.top + row);
    if (e.clicks >= 2) StartFromScreen(game);
}

const Box& BoxOf(StartFocus control) {
    switch (control) {
        case StartFocus::Name: return kNameBox;
        case StartFocus::List: return kList;
        case StartFocus::Delete: return kDeleteButton;
        case StartFocus::Ok: return kOkButton;
        case StartFocus::Slider: return kSliderBox;
        case StartFocus::FullScreen: break;
    }
    return kFullScreenBox;
}

void MouseDown(Game& game, StartScreenUi& ui, const PlatformEvent& e) {
    for (int i = 0; i < kStartControls; ++i) {
        const StartFocus control = StartFocus(i);
        if (!BoxOf(control).contains(e.x, e.y)) continue;
        if (ui.focus == StartFocus::Name && ui.name.composing()) return;  // finish the word first
        Focus(game, ui, control);
        switch (control) {
            case StartFocus::Name: PlaceCaret(game, ui, e.x); break;
            case StartFocus::List: ListClick(game, ui, e); break;
            case StartFocus::Delete:
            case StartFocus::Ok: ui.pressed = control; break;
            case StartFocus::Slider:
                ui.draggingSlider = true;
                SetSlider(game, SliderValueAt(e.x));
                break;
            case StartFocus::FullScreen: game.start.Check2 = !game.start.Check2; break;
        }
        return;
    }
}

void MouseUp(Game& game, StartScreenUi& ui, const PlatformEvent& e) {
    ui.draggingSlider = false;
    if (!ui.pressed) return;
    const StartFocus pressed = *ui.pressed;
    ui.pressed.reset();
    if (!BoxOf(pressed).contains(e.x, e.y)) return;
    if (pressed == StartFocus::Delete) DeleteSave(game, ui);
    else StartFromScreen(game);
}

void HandleEvent(Game& game, StartScreenUi& ui, const PlatformEvent& e) {
    using Kind = PlatformEvent::Kind;
    switch (e.kind) {
        case Kind::KeyDown: KeyDown(game, ui, e.key); break;
        case Kind::KeyUp:
            if (e.key == vk::Shift) ui.shiftHeld = false;
            break;
        case Kind::TextInput:
            if (ui.focus != StartFocus::Name) break;
            ui.name.insert(e.text);
            NameChanged(game, ui);
            break;
        case Kind::TextEditing:
            if (ui.focus == StartFocus::Name) ui.name.compose(e.text);
            break;
        case Kind::MouseDown: MouseDown(game, ui, e); break;
        case Kind::MouseUp: MouseUp(game, ui, e); break;
        case Kind::MouseMove:
            if (ui.draggingSlider) SetSlider(game, SliderValueAt(e.x));
            break;
        case Kind::MouseWheel: ScrollTo(ui, ui.top - e.y); break;
        case Kind::Quit: break;
    }
}

}  // namespace

void ShowStartScreen(Game& game) {
    StartScreenUi ui;
    ui.name.setText(game.start.Text1);
    RefreshList(game, ui);
    game.start.events.clear();
    game.start.visible = true;
    game.platform.plainKeys(true);
    Focus(game, ui, StartFocus::Name);
    while (game.start.visible) {
        DrawStartScreen(game, ui);
        Present(game);
        Wait(game, kFrameMs);
        std::vector<PlatformEvent> events;
        events.swap(game.start.events);
        for (const PlatformEvent& e : events) {
            HandleEvent(game, ui, e);
            if (!game.start.visible) return;
        }
    }
}

}  // namespace zanbora
