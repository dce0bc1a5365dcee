#pragma once

#include "RegularFile.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

namespace veridi {

// The program's INI-style settings file. Sections and keys are matched without regard to case.
// The file is read into memory once, at the first read, and the later reads are answered from
// that copy. Only a regular file of at most kMaxBytes is read; anything else reads as empty (the
// defaults) and is never written over.
// A written key replaces the old line in place (a new section is appended). The writes between
// beginSave() and endSave() are one save: the file is read afresh once when it begins, and
// replaced atomically once when it ends; a write outside a save is a save of its own.
// Texts are code page 932, or UTF-8 behind a byte-order mark when a text does not fit code page
// 932; lines end in CR LF.
class IniFile {
public:
    // A settings file holds a few kilobytes.
    static constexpr qint64 kMaxBytes = qint64{1} << 20;

    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    // Saves may nest; only the outermost reads and writes the file. endSave() returns false when
    // the file could not be written; it is then unchanged.
    void beginSave();
    bool endSave();

    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    // Decimal, or hexadecimal after "$" or "0x"; anything else gives the fallback.
    qint32 readInteger(const QString& section, const QString& key, qint32 fallback) const;
    // An integer; any value but 0 is true.
    bool readBool(const QString& section, const QString& key, bool fallback) const;
    // A number read independently of the locale; a text without any digit gives 0.
    double readReal(const QString& section, const QString& key, double fallback) const;

    // Outside a save, each returns false when the file could not be written; the file is then
    // unchanged. Within a save they change the copy in memory and return true.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, qint32 value);
    bool writeBool(const QString& section, const QString& key, bool value);
    bool writeReal(const QString& section, const QString& key, double value);

    // Removes the temporary copies a save of the file at path left behind when it was killed
    // ("veridi.ini.Ab12Cd" beside "veridi.ini") that are older than maxAge; returns how many.
    static int removeStaleCopies(const QString& path, std::chrono::seconds maxAge);

    // The text a real is stored as: general format, up to 15 significant digits, ".".
    static QString formatReal(double value);
    // Reads a real as the settings file does: the longest well-formed leading number, 0 without one;
    // a number beyond the largest finite double gives that (with its sign).
    static double parseReal(const QString& text);

private:
    struct Content {
        FileKind kind = FileKind::Missing;
        QStringList lines;
    };
    static Content load(const QString& path);
    const Content& content() const;
    std::optional<QString> rawValue(const QString& section, const QString& key) const;

    QString path_;
    mutable std::optional<Content> read_; // the copy reads are answered from
    std::optional<Content> saving_;       // the copy an open save changes
    int saveDepth_ = 0;
};

// One save for the lifetime of a scope; commit() ends it and tells whether the file was written.
class IniSave {
public:
    explicit IniSave(IniFile& ini) : ini_(ini) { ini_.beginSave(); }
    // A save its scope leaves without commit() is committed then.
    ~IniSave() {
        if (!done_)
            ini_.endSave();
    }
    IniSave(const IniSave&) = delete;
    IniSave& operator=(const IniSave&) = delete;

    bool commit() {
        done_ = true;
        return ini_.endSave();
    }

private:
    IniFile& ini_;
    bool done_ = false;
};

} // namespace veridi
