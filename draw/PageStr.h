#pragma once

#include <QString>

namespace veridi {

class IniFile;

// A page string: a short text of the page (header, footer, title, subtitle, date line) with the
// font it is drawn in and its place. Position modes: 0 not drawn, 1 left, 2 right, 3 centred,
// 4 (and above) at (psX, psY).
class TPageStr {
public:
    QString psStr;
    qint32 psPos = 0;
    QString psX;
    QString psY;
    bool psItalic = false;
    bool psBold = false;
    qint32 psSize = 0;
    QString psName;
    // Transient: already drawn on the page being drawn. Never stored, never copied.
    bool psDrawn = false;

    // Loads the stored fields from section sName; S, nPos, X and Y are the defaults of the text,
    // the position mode and the coordinates.
    void GetIniSets(const IniFile& ini, const QString& sName, const QString& S, qint32 nPos, const QString& X,
                    const QString& Y);
    // Writes the stored fields to section sName; false when a key could not be written, and
    // the keys after it are then left as they were.
    bool SetIniSets(IniFile& ini, const QString& sName) const;

    void SetSets(const QString& sStr, const QString& sName, qint32 nSize, qint32 nPos, const QString& X,
                 const QString& Y, bool fBold, bool fItalic);
    void GetSets(QString& sStr, QString& sName, qint32& nSize, qint32& nPos, QString& X, QString& Y,
                 bool& fBold, bool& fItalic) const;

    // Copies every field but psDrawn: the target keeps its own flag.
    void Assign(const TPageStr& v);

    // A record never placed (mode 0 at "0", "0") gets mode 4 at (X, Y) with that font size.
    void placeIfUnset(qint32 size, const QString& X, const QString& Y);
};

} // namespace veridi
