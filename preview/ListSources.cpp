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

template <typename Run> bool ListSources::inRefresh(Run run) {
    if (refreshTime_)
        return run();
    refreshTime_.emplace(picturelimits::kRefreshMetafileTime, MetafileClock);
    struct Ending {
        std::optional<MetafileTime>& time;
        ~Ending() { time.reset(); }
    } ending{refreshTime_};
    return run();
}

bool ListSources::LoadListByFile() {
    return inRefresh([this] {
        return reportingFileErrors([this] { loadListFile(ListIniFile, engine_.ListByFile); }) &&
               LoadFilePictures();
    });
}

bool ListSources::LoadFilePictures() {
    return inRefresh([this] {
        return reportingFileErrors(
            [this] { loadListPictures(engine_.ListByFile, kFileListSlots, engine_.Bmp, *refreshTime_); });
    });
}

bool ListSources::LoadManualPictures() {
    return inRefresh([this] {
        return reportingFileErrors(
            [this] { loadListPictures(engine_.ListByManual, kManualListSlots, engine_.Bmp, *refreshTime_); });
    });
}

bool ListSources::LoadProgramPictures() {
    return inRefresh([this] {
        return reportingFileErrors([this] {
            loadListPictures(engine_.ListbyProgram, kProgramListSlots, engine_.Bmp, *refreshTime_);
        });
    });
}

bool ListSources::LoadPictureSlot(int slot, const QString& fileName) {
    return inRefresh([&] {
        return reportingFileErrors([&] { loadPictureSlot(engine_.Bmp, slot, fileName, *refreshTime_); });
    });
}

void ListSources::PrevUpDate() {
    const bool loaded =
        inRefresh([this] { return LoadListByFile() && LoadManualPictures() && LoadProgramPictures(); });
    if (loaded)
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
