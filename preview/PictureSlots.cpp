#include "PictureSlots.h"

#include "CommandLine.h"
#include "PictureFile.h"

namespace veridi {

void loadPictureSlot(PictureSlots& bmp, int slot, const QString& fileName) {
    if (slot < 0 || slot >= int(bmp.size()))
        return;
    bmp[size_t(slot)] = loadPictureFile(fileName);
}

void loadListPictures(const QStringList& list, int base, PictureSlots& bmp) {
    int k = base;
    for (const QString& line : list) {
        if (k >= base + kSlotsPerList)
            return;
        if (TrimLine(line).isEmpty())
            continue;
        const QStringList fields = SplitFields(line);
        if (fields.size() > 2 && WordOf(fields[0]) == u"PICTURE")
            loadPictureSlot(bmp, k++, fields[1]);
    }
}

} // namespace veridi
