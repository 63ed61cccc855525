#pragma once
// Okno "O systemie ...".

#include <QDialog>

class QLabel;

namespace tks::ui {

class TFrmAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAboutBox(QWidget* rodzic = nullptr);
    QLabel* Version;
};

} // namespace tks::ui
