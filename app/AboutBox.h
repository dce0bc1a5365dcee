#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace veridi {

// The version dialog.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;
};

} // namespace veridi
