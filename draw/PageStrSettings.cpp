// The four page strings of the preview keep one settings-file section each, named after them.
#include "DrawEngine.h"
#include "IniFile.h"

namespace veridi {

namespace {

bool load(TPageStr& ps, const IniFile& ini, const QString& section) {
    ps.GetIniSets(ini, section, QString(), 0, QStringLiteral("0"), QStringLiteral("0"));
    return !ps.psStr.isEmpty() && ps.psPos > 0;
}

} // namespace

bool DrawEngine::GetHeader(const IniFile& ini) {
    return load(Header, ini, QStringLiteral("Header"));
}

bool DrawEngine::GetFooter(const IniFile& ini) {
    return load(Footer, ini, QStringLiteral("Footer"));
}

bool DrawEngine::GetPageTitle(const IniFile& ini) {
    return load(PageTitle, ini, QStringLiteral("PageTitle"));
}

bool DrawEngine::GetSubTitle(const IniFile& ini) {
    return load(SubTitle, ini, QStringLiteral("SubTitle"));
}

bool DrawEngine::SetHeader(IniFile& ini) const {
    return Header.SetIniSets(ini, QStringLiteral("Header"));
}

bool DrawEngine::SetFooter(IniFile& ini) const {
    return Footer.SetIniSets(ini, QStringLiteral("Footer"));
}

bool DrawEngine::SetPageTitle(IniFile& ini) const {
    return PageTitle.SetIniSets(ini, QStringLiteral("PageTitle"));
}

bool DrawEngine::SetSubTitle(IniFile& ini) const {
    return SubTitle.SetIniSets(ini, QStringLiteral("SubTitle"));
}

} // namespace veridi
