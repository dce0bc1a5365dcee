#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace veridi::fuzz {

// A failed property of a fuzz target: says what failed and aborts, which libFuzzer reports as a
// finding and the replay run as a failed test.
void require(bool holds, const char* what);

// The input as bytes, shared rather than copied.
QByteArray bytesOf(const std::uint8_t* data, std::size_t size);

// Fonts, painting and image readers need a Gui application; it is made offscreen on first use,
// with the page fonts' substitutions, and lives until endGuiApplication.
void ensureGuiApplication();
void endGuiApplication();

// A folder of its own for files a target writes, made on first use and emptied at exit.
const QString& scratchFolder();

// Writes bytes to a file (replacing it); aborts when it cannot, as nothing could be tested then.
void writeFile(const QString& path, const QByteArray& bytes);

} // namespace veridi::fuzz
