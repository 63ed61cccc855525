#pragma once
// Okno "Konfiguracja kolorystyki": próbki kolorów mapy (kliknięcie otwiera
// systemowe okno wyboru koloru), lista województw z kolorami (zmiana widoczna
// na mapie od razu), ukryta lista zakładów, rodzaj wydruku, numerowanie stacji,
// pasek skali, ukryty podział terytorialny, "Zapisz" i "Anuluj".

#include "map/KonfiguracjaKolorow.h"

#include <QColor>
#include <QDialog>
#include <QToolButton>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tks {
class Droga;
}

namespace tks::ui {

// Próbka koloru: prostokąt wypełniony kolorem, kliknięcie wybiera kolor.
class ProbkaKoloru : public QToolButton {
    Q_OBJECT
public:
    explicit ProbkaKoloru(QWidget* rodzic = nullptr);
    std::int32_t kolor() const { return kolor_; }
    void ustawKolor(std::int32_t bgr);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::int32_t kolor_ = 0;
};

class TFrmKolory : public QDialog {
    Q_OBJECT
public:
    // `zmianaObszaru`: wołane po zmianie koloru obszaru (mapa rysowana od nowa).
    TFrmKolory(Droga& d, std::function<void()> zmianaObszaru, QWidget* rodzic = nullptr);

    // Stan kontrolek okna.
    StanOknaKolorow stan() const;

    // Wybór koloru (początkowy -> wybrany; brak: anulowano). Domyślnie systemowe
    // okno wyboru koloru; testy podstawiają własny.
    std::function<std::optional<QColor>(const QColor&)> wyborKoloru;

    std::array<ProbkaKoloru*, kLiczbaKolorow> probki{};
    std::array<QLabel*, kLiczbaKolorow> podpisy{};
    QComboBox* ComboBoxKoloryWoj = nullptr;
    QComboBox* ComboBoxKoloryIZ = nullptr;
    QLabel* LabelKoloryIZ = nullptr;
    QGroupBox* RGDrukarka = nullptr;
    std::array<QRadioButton*, 2> drukarka{};
    QCheckBox* CheckBoxNumerowanie = nullptr;
    QCheckBox* CheckBoxPasekSkali = nullptr;
    QGroupBox* RadioGroupPodzial = nullptr;
    std::array<QRadioButton*, 2> podzial{};
    QPushButton* ButtonZapisz = nullptr;
    QPushButton* ButtonAnuluj = nullptr;

public slots:
    void Zapisz();

private:
    void wybierzKolorProbki(int i);
    void wybierzKolorObszaru(bool wojewodztwa, int indeks);

    Droga& d_;
    std::function<void()> zmianaObszaru_;
};

} // namespace tks::ui
