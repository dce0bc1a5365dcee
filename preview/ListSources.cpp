#include "ListSources.h"

#include "DrawEngine.h"
#include "FileError.h"
#include "ListFile.h"
#include "PictureSlots.h"
#include "Prompts.h"

namespace veridi {

template <typename Load> bool ListSources::reportingFileErrors(Load load) {
    try {
        load();
        return true;
    } catch (const FileError& error) {
        prompts_.message(error.text(), Prompts::Icon::Error);
        return false;
    }
}

bool ListSources::LoadListByFile() {
    return reportingFileErrors([this] { loadListFile(ListIniFile, engine_.ListByFile); }) &&
           LoadFilePictures();
}

bool ListSources::LoadFilePictures() {
    return reportingFileErrors([this] { loadListPictures(engine_.ListByFile, kFileListSlots, engine_.Bmp); });
}

bool ListSources::LoadManualPictures() {
    return reportingFileErrors(
        [this] { loadListPictures(engine_.ListByManual, kManualListSlots, engine_.Bmp); });
}

bool ListSources::LoadProgramPictures() {
    return reportingFileErrors(
        [this] { loadListPictures(engine_.ListbyProgram, kProgramListSlots, engine_.Bmp); });
}

bool ListSources::LoadPictureSlot(int slot, const QString& fileName) {
    return reportingFileErrors([&] { loadPictureSlot(engine_.Bmp, slot, fileName); });
}

void ListSources::PrevUpDate() {
    if (LoadListByFile() && LoadManualPictures() && LoadProgramPictures())
        engine_.DrawGraphics();
}

void ListSources::PrevUpDateFile() {
    if (LoadListByFile())
        engine_.DrawGraphics();
}

void ListSources::PrevUpDateManual() {
    if (LoadManualPictures())
        engine_.DrawGraphics();
}

void ListSources::PrevUpDateProgram() {
    if (LoadProgramPictures())
        engine_.DrawGraphics();
}

void ListSources::ResetListByManual() {
    engine_.ListByManual << QStringLiteral("INITPARAM");
}

} // namespace veridi
