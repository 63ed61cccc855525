#pragma once
// Edytor nagłówka pociągu "Informacje o pociągu": pola związane z wierszem
// nagłówka bieżącego pociągu (wpis trafia do wiersza od razu), tryb zapisu
// ("Zapisz pociąg", OK sprawdza numer i terminy) i tryb edycji ("OK").

#include <QDialog>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tks {
class Droga;
}

namespace tks::ui {

class TFrmNaglowek : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNaglowek(Droga& d, QWidget* rodzic = nullptr);

    // Tryb edycji (menu "Edytuj nagłówek"); domyślnie tryb zapisu.
    bool trybEdycji = false;
    // Przycisk "Terminy kursowania": okno kalendarza przez okno główne. Bez
    // niego przycisk jest wyłączony.
    std::function<void()> terminyKursowania;

    // Pokazanie modalne w danym trybie (po zamknięciu tryb wraca do zapisu);
    // true - zamknięte przyciskiem OK.
    bool pokaz(bool edycja);
    // Pola z wiersza nagłówka (po zmianie nagłówka poza oknem).
    void odswiez();

    QLineEdit* DBEditNrPociagu = nullptr;
    QLineEdit* DBEditNazwaPociagu = nullptr;
    QLineEdit* EditRodzaj = nullptr;
    QPlainTextEdit* DBMemoOpis = nullptr;
    QLineEdit* DBEditCena = nullptr;
    QLineEdit* DBEditWycenaPelna = nullptr;
    QLineEdit* DBEditDlugosc = nullptr;
    QLineEdit* DBEditDlugoscWycen = nullptr;
    QLineEdit* DBEditLDniKurs = nullptr;
    QLineEdit* DBEditCenaRozkJazdy = nullptr;
    QPlainTextEdit* DBMemoKursuje = nullptr;
    QPushButton* BitBtnTerminy = nullptr;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAnuluj = nullptr;

public slots:
    void BitBtnOKClick();
    void BitBtnTerminyClick();

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void done(int wynik) override;

private:
    void NrPociaguZmiana(const QString& tekst);
    void ustawPaski(QPlainTextEdit* pole);
    void oznaczCene();

    Droga& d_;
    bool wypelnianie_ = false;
};

} // namespace tks::ui
