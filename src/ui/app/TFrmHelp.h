#pragma once
// Okno pomocy "Opis programu taksatura": plik "Pomoc/Taksatura.htm" z folderu programu.

#include <QDialog>

class QTextBrowser;

namespace tks::ui {

class TFrmHelp : public QDialog {
    Q_OBJECT
public:
    explicit TFrmHelp(const QString& katalogProgramu, QWidget* rodzic = nullptr);
    QTextBrowser* przegladarka() const { return przegladarka_; }

private:
    QTextBrowser* przegladarka_;
};

} // namespace tks::ui
