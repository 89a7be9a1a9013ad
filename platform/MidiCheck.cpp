#include "platform/MidiCheck.h"

#include <cstdint>

namespace zanbora {

namespace {

// Reads through one chunk's bytes; every read checks that it stays inside.
class ChunkReader {
public:
    explicit ChunkReader(std::string_view bytes) : bytes_(bytes) {}
    bool done() const { return at_ >= bytes_.size(); }
    bool byte(uint8_t& out) {
        if (done()) return false;
        out = uint8_t(bytes_[at_++]);
        return true;
    }
    bool skip(uint32_t count) {
        if (count > bytes_.size() - at_) return false;
        at_ += count;
        return true;
    }
    // A variable-length quantity: at most four bytes of seven bits.
    bool number(uint32_t& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b;
            if (!byte(b)) return false;
            out = (out << 7) | (b & 0x7Fu);
            if (!(b & 0x80u)) return true;
        }
        return false;
    }

private:
    std::string_view bytes_;
    size_t at_ = 0;
};

uint32_t BigEndian(std::string_view bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | uint8_t(bytes[at + size_t(i)]);
    return value;
}

// Counts the sounding notes of one track and its length in ticks.
bool ReadTrack(std::string_view track, long& notes, uint64_t& ticks, std::string& why) {
    ChunkReader in(track);
    uint8_t status = 0;
    uint64_t time = 0;
    while (!in.done()) {
        uint32_t delta;
        uint8_t first;
        if (!in.number(delta) || !in.byte(first)) {
            why = "a track ends in the middle of an event";
            return false;
        }
        time += delta;
        if (first == 0xFF) {  // meta event
            uint8_t type;
            uint32_t length;
            if (!in.byte(type) || !in.number(length) || !in.skip(length)) {
                why = "a meta event runs past its track";
                return false;
            }
            if (type == 0x2F) break;  // end of track
            continue;
        }
        if (first == 0xF0 || first == 0xF7) {  // system exclusive
            uint32_t length;
            if (!in.number(length) || !in.skip(length)) {
                why = "a system exclusive message runs past its track";
                return false;
            }
            continue;
        }
        uint8_t data1 = first;
        if (first & 0x80u) {
            if (first > 0xEF) {
                why = "a track holds an unknown event";
                return false;
            }
            status = first;
            if (!in.byte(data1)) {
                why = "a track ends in the middle of an event";
                return false;
            }
        } else if (status == 0) {
            why = "a track starts with running status";
            return false;
        }
        const uint8_t kind = status & 0xF0u;
        uint8_t data2 = 0;
        if (kind != 0xC0 && kind != 0xD0 && !in.byte(data2)) {
            why = "a track ends in the middle of an event";
            return false;
        }
        if (kind == 0x90 && data2 > 0) ++notes;
    }
    if (time > ticks) ticks = time;
    return true;
}

}  // namespace

bool MidiIsPlayable(std::string_view bytes, std::string& why) {
    if (bytes.size() < 14 || bytes.substr(0, 4) != "MThd") {
        why = bytes.empty() ? "the file is empty" : "not a standard MIDI file";
        return false;
    }
    const uint32_t headerLength = BigEndian(bytes, 4, 4);
    const uint32_t tracks = BigEndian(bytes, 10, 2);
    const uint32_t division = BigEndian(bytes, 12, 2);
    if (headerLength < 6 || headerLength > bytes.size() - 8 || tracks == 0 || division == 0) {
        why = "the MIDI header is damaged";
        return false;
    }
    size_t at = 8 + size_t(headerLength);
    uint32_t found = 0;
    long notes = 0;
    uint64_t ticks = 0;
    while (found < tracks) {
        if (bytes.size() - at < 8) {
            why = "the file is cut short (" + std::to_string(found) + " of " + std::to_string(tracks) + " tracks)";
            return false;
        }
        const uint32_t length = BigEndian(bytes, at + 4, 4);
        if (length > bytes.size() - at - 8) {
            why = "the file is cut short inside a track";
            return false;
        }
        const std::string_view chunk = bytes.substr(at + 8, length);
        if (bytes.substr(at, 4) == "MTrk") {
            if (!ReadTrack(chunk, notes, ticks, why)) return false;
            ++found;
        }
        at += 8 + size_t(length);
    }
    if (notes == 0) {
        why = "the piece has no notes";
        return false;
    }
    if (ticks == 0) {
        why = "the piece lasts no time at all";
        return false;
    }
    return true;
}

}  // namespace zanbora
