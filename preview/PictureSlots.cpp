#include "PictureSlots.h"

#include "CommandLine.h"
#include "PictureFile.h"
#include "PictureLoader.h"

#include <set>

namespace veridi {
namespace {

// The pixels the slots outside [first, end) hold; a picture shared by several counts once.
qint64 pixelsHeldOutside(const PictureSlots& bmp, int first, int end) {
    std::set<const Picture*> counted;
    qint64 pixels = 0;
    for (int slot = 0; slot < int(bmp.size()); ++slot) {
        const PictureSlot& picture = bmp[size_t(slot)];
        if ((slot < first || slot >= end) && counted.insert(picture.get()).second)
            pixels += keptPixels(picture);
    }
    return pixels;
}

} // namespace

void loadPictureSlot(PictureSlots& bmp, int slot, const QString& fileName, MetafileTime& metafileTime,
                     const PictureBudget& budget) {
    if (slot < 0 || slot >= int(bmp.size()))
        return;
    PictureLoader loader(budget, pixelsHeldOutside(bmp, slot, slot + 1), metafileTime);
    bmp[size_t(slot)] = loader.load(fileName);
}

void loadListPictures(const QStringList& list, int base, PictureSlots& bmp, MetafileTime& metafileTime,
                      const PictureBudget& budget) {
    QStringList names;
    for (const QString& line : list) {
        if (names.size() >= kSlotsPerList)
            break;
        // Most lines are other commands; only a line holding the letters "cture" (in any case)
        // can start with a word that upper-cases to PICTURE, so the others are not split.
        if (!line.contains(u"cture", Qt::CaseInsensitive) || trimLine(line).isEmpty())
            continue;
        const QStringList fields = splitFields(line);
        if (fields.size() > 2 && wordOf(fields[0]) == u"PICTURE")
            names << fields[1];
    }
    // The pictures the load replaces go first, so that they and their successors are never held
    // together: memory stays within the budget and one picture being decoded.
    const int end = base + int(names.size());
    for (int slot = base; slot < end; ++slot)
        bmp[size_t(slot)] = nullptr;
    PictureLoader loader(budget, pixelsHeldOutside(bmp, base, end), metafileTime);
    for (qsizetype k = 0; k < names.size(); ++k)
        bmp[size_t(base + k)] = loader.load(names[k]);
}

void loadPictureSlot(PictureSlots& bmp, int slot, const QString& fileName, const PictureBudget& budget) {
    MetafileTime own;
    loadPictureSlot(bmp, slot, fileName, own, budget);
}

void loadListPictures(const QStringList& list, int base, PictureSlots& bmp, const PictureBudget& budget) {
    MetafileTime own;
    loadListPictures(list, base, bmp, own, budget);
}

} // namespace veridi
