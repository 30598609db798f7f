// The settings file.

#include "Settings.h"

#include <cctype>
#include <cstdio>

namespace {

constexpr int ZoomBase = 73;  // 'I' is level 0

int HexValue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Writes the three bytes and closes the file; false if any of it failed.
bool WriteRecordAndClose(std::FILE* f, const Settings& s) {
    const bool written = std::fprintf(f, "%c%1x%c", ZoomBase + s.ZoomLevel, s.TickSetting,
                                      s.ShowReport ? '1' : '0') == 3;
    const bool flushed = std::fflush(f) == 0;
    return (std::fclose(f) == 0) && written && flushed;
}

}  // namespace

bool ReadSettingsFile(const char* path, Settings& s) {
    s = Settings{};
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;

    // Zoom level: the byte less 'I'.
    const int zoom = std::fgetc(f) - ZoomBase;
    if (std::ferror(f)) {  // opened but unreadable, such as a folder of that name
        std::fclose(f);
        s = Settings{};
        return false;
    }
    if (zoom >= 0 && zoom <= 3) s.ZoomLevel = zoom;

    // Day duration: one hexadecimal digit after white space. Anything else is left unread for
    // the report byte; unlike scanf's "%1x", a sign is not taken either.
    int c = std::fgetc(f);
    while (c != EOF && std::isspace(c)) c = std::fgetc(f);
    const int digit = c == EOF ? -1 : HexValue(c);
    if (digit < 0) {
        if (c != EOF) std::ungetc(c, f);
    } else if (digit >= 1 && digit <= 12) {
        s.TickSetting = digit;
    }

    // Report flag: off only for '0'.
    s.ShowReport = std::fgetc(f) != '0';
    std::fclose(f);
    return true;
}

bool SaveZoomAtClose(const char* path, const Settings& s) {
    if (std::FILE* f = std::fopen(path, "r+b")) {
        const bool placed = std::fseek(f, 0, SEEK_SET) == 0;
        const bool written = placed && std::fputc(ZoomBase + s.ZoomLevel, f) != EOF;
        const bool flushed = std::fflush(f) == 0;
        return (std::fclose(f) == 0) && written && flushed;
    }
    std::FILE* f = std::fopen(path, "wb");
    return f && WriteRecordAndClose(f, s);
}

bool WriteSettingsFile(const char* path, const Settings& s) {
    std::FILE* f = std::fopen(path, "wb");
    return f && WriteRecordAndClose(f, s);
}
