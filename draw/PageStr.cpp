#include "PageStr.h"

#include "IniFile.h"

namespace veridi {

void TPageStr::GetIniSets(const IniFile& ini, const QString& sName, const QString& S, qint32 nPos,
                          const QString& X, const QString& Y) {
    psStr = ini.readString(sName, QStringLiteral("String"), S);
    psPos = ini.readInteger(sName, QStringLiteral("Pos"), nPos);
    psBold = ini.readBool(sName, QStringLiteral("Bold"), false);
    psItalic = ini.readBool(sName, QStringLiteral("Italic"), false);
    psSize = ini.readInteger(sName, QStringLiteral("Size"), 9);
    psName = ini.readString(sName, QStringLiteral("Name"), QStringLiteral("ＭＳ 明朝"));
    psX = ini.readString(sName, QStringLiteral("X"), X);
    psY = ini.readString(sName, QStringLiteral("Y"), Y);
}

bool TPageStr::SetIniSets(IniFile& ini, const QString& sName) const {
    IniSave save(ini);
    ini.writeString(sName, QStringLiteral("String"), psStr);
    ini.writeInteger(sName, QStringLiteral("Pos"), psPos);
    ini.writeBool(sName, QStringLiteral("Bold"), psBold);
    ini.writeBool(sName, QStringLiteral("Italic"), psItalic);
    ini.writeInteger(sName, QStringLiteral("Size"), psSize);
    ini.writeString(sName, QStringLiteral("Name"), psName);
    ini.writeString(sName, QStringLiteral("X"), psX);
    ini.writeString(sName, QStringLiteral("Y"), psY);
    return save.commit();
}

void TPageStr::SetSets(const QString& sStr, const QString& sName, qint32 nSize, qint32 nPos, const QString& X,
                       const QString& Y, bool fBold, bool fItalic) {
    psStr = sStr;
    psName = sName;
    psSize = nSize;
    psPos = nPos;
    psX = X;
    psY = Y;
    psBold = fBold;
    psItalic = fItalic;
}

void TPageStr::GetSets(QString& sStr, QString& sName, qint32& nSize, qint32& nPos, QString& X, QString& Y,
                       bool& fBold, bool& fItalic) const {
    sStr = psStr;
    sName = psName;
    nSize = psSize;
    nPos = psPos;
    X = psX;
    Y = psY;
    fBold = psBold;
    fItalic = psItalic;
}

void TPageStr::Assign(const TPageStr& v) {
    SetSets(v.psStr, v.psName, v.psSize, v.psPos, v.psX, v.psY, v.psBold, v.psItalic);
}

void TPageStr::placeIfUnset(qint32 size, const QString& X, const QString& Y) {
    if (psPos != 0 || psX != QLatin1String("0") || psY != QLatin1String("0"))
        return;
    psPos = 4;
    psSize = size;
    psX = X;
    psY = Y;
}

} // namespace veridi
