#pragma once

#include <QString>

#include <optional>

namespace veridi {

// The program's INI-style settings file. Sections and keys are matched without regard to case;
// the file is read on every call and nothing is cached. A written key replaces the old line in
// place (a new section is appended) and every write replaces the whole file atomically.
// Texts are code page 932, or UTF-8 behind a byte-order mark when a text does not fit code page
// 932; lines end in CR LF.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    // Decimal, or hexadecimal after "$" or "0x"; anything else gives the fallback.
    qint32 readInteger(const QString& section, const QString& key, qint32 fallback) const;
    // An integer; any value but 0 is true.
    bool readBool(const QString& section, const QString& key, bool fallback) const;
    // A number read independently of the locale; a text without any digit gives 0.
    double readReal(const QString& section, const QString& key, double fallback) const;

    // Each returns false when the file could not be written; the file is then unchanged.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, qint32 value);
    bool writeBool(const QString& section, const QString& key, bool value);
    bool writeReal(const QString& section, const QString& key, double value);

    // The text a real is stored as: general format, up to 15 significant digits, ".".
    static QString formatReal(double value);
    // Reads a real as the settings file does: the longest well-formed leading number, 0 without one.
    static double parseReal(const QString& text);

private:
    std::optional<QString> rawValue(const QString& section, const QString& key) const;

    QString path_;
};

} // namespace veridi
