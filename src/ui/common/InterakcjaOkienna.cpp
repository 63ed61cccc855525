#include "InterakcjaOkienna.h"

#include "TFrmWybor.h"
#include "map/Trafienia.h"

#include <QApplication>
#include <QMessageBox>

namespace tks::ui {

namespace {
QMessageBox::Icon ikonaOkna(Ikona i)
{
    switch (i) {
    case Ikona::Informacja: return QMessageBox::Information;
    case Ikona::Ostrzezenie: return QMessageBox::Warning;
    case Ikona::Blad: return QMessageBox::Critical;
    case Ikona::Pytanie: return QMessageBox::Question;
    case Ikona::Brak: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

QWidget* InterakcjaOkienna::rodzic() const
{
    if (rodzic_ && rodzic_->isVisible())
        return rodzic_;
    if (QWidget* a = QApplication::activeModalWidget())
        return a;
    return QApplication::activeWindow();
}

void InterakcjaOkienna::komunikat(const QString& tekst, const QString& tytul, Ikona ikona)
{
    QMessageBox m(ikonaOkna(ikona), tytul.isEmpty() ? QApplication::applicationDisplayName() : tytul, tekst,
                  QMessageBox::Ok, rodzic());
    m.exec();
}

Odpowiedz InterakcjaOkienna::pytanie(const QString& tekst, const QString& tytul, Ikona ikona, Przyciski przyciski)
{
    QMessageBox::StandardButtons b;
    switch (przyciski) {
    case Przyciski::OK: b = QMessageBox::Ok; break;
    case Przyciski::TakNie:
    case Przyciski::TakNieDomyslnieNie: b = QMessageBox::Yes | QMessageBox::No; break;
    case Przyciski::TakNieAnuluj: b = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case Przyciski::OKAnuluj: b = QMessageBox::Ok | QMessageBox::Cancel; break;
    }
    QMessageBox m(ikonaOkna(ikona), tytul, tekst, b, rodzic());
    if (przyciski == Przyciski::TakNieAnuluj || przyciski == Przyciski::TakNie)
        m.setDefaultButton(QMessageBox::Yes);
    else if (przyciski == Przyciski::TakNieDomyslnieNie)
        m.setDefaultButton(QMessageBox::No);
    switch (m.exec()) {
    case QMessageBox::Yes: return Odpowiedz::Tak;
    case QMessageBox::No: return Odpowiedz::Nie;
    case QMessageBox::Ok: return Odpowiedz::OK;
    default: break;
    }
    // Esc albo zamknięcie okna: Anuluj, a gdy go nie ma - odpowiedź przecząca
    if (przyciski == Przyciski::TakNie || przyciski == Przyciski::TakNieDomyslnieNie)
        return Odpowiedz::Nie;
    if (przyciski == Przyciski::OK)
        return Odpowiedz::OK;
    return Odpowiedz::Anuluj;
}

int InterakcjaOkienna::wybor(const QString& tytul, const QString& opis, const QStringList& pozycje)
{
    if (pozycje.isEmpty())
        return -1;
    if (wyborNaMapie_ && tytul == kTytulListyWyboru && opis == kOpisListyWyboru)
        return wyborNaMapie_(pozycje);
    TFrmWybor okno(tytul, opis, pozycje, rodzic());
    return okno.exec() == QDialog::Accepted ? okno.wybrana() : -1;
}

} // namespace tks::ui
