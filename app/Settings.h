// The settings file "tarnova.ini": three bytes for the zoom level, the day duration and the
// end-of-cycle report, in the working folder.
#pragma once

#include <QString>

inline constexpr const char* SettingsFileName = "tarnova.ini";

struct Settings {
    int ZoomLevel = 0;      // 0..3, stored as 'I'..'L'
    int TickSetting = 6;    // quarter seconds 1..12, stored as one hexadecimal digit
    bool ShowReport = true; // stored as '1' or '0'
};

inline const QString LoadErrorText = QStringLiteral(
    "Ошибка при открытии файла \"tarnova.ini\".  Установки программы будут установлены по умолчанию.");
inline const QString SaveErrorText = QStringLiteral(
    "Ошибка при открытии файла \"tarnova.ini\". Установки программы не будут сохранены.");
inline const QString CreateErrorText = QStringLiteral(
    "Ошибка при создании файла \"tarnova.ini\". Установки программы не будут сохранены.");

// Reads the file into `s`. A short or malformed file gives the default for each missing or bad
// byte. Returns false, with all defaults, when the file cannot be opened or read at all.
bool ReadSettingsFile(const char* path, Settings& s);

// At exit: rewrites only the zoom byte of an existing file, or creates the file with the whole
// record. Returns false when the file could not be written.
bool SaveZoomAtClose(const char* path, const Settings& s);

// The setup dialog: creates or empties the file and writes the whole record.
bool WriteSettingsFile(const char* path, const Settings& s);
