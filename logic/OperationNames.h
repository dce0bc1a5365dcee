#pragma once

#include "Generator.h"

#include <QString>

namespace veridi {

// What the main window shows for each operation tab; the sign is also the operator the
// worksheet prints.
struct OperationNames {
    QString tab;
    QString first;
    QString second;
    QString sign;
};

inline OperationNames operationNames(Operation operation) {
    switch (operation) {
    case Operation::Subtraction:
        return {QStringLiteral("ひき算"), QStringLiteral("ひかれる数"), QStringLiteral("ひく数"),
                QStringLiteral("－")};
    case Operation::Multiplication:
        return {QStringLiteral("かけ算"), QStringLiteral("かけられる数"), QStringLiteral("かける数"),
                QStringLiteral("×")};
    case Operation::Division:
        return {QStringLiteral("わり算"), QStringLiteral("わられる数"), QStringLiteral("わる数"),
                QStringLiteral("÷")};
    case Operation::Addition:
        break;
    }
    return {QStringLiteral("たし算"), QStringLiteral("たされる数"), QStringLiteral("たす数"),
            QStringLiteral("＋")};
}

} // namespace veridi
