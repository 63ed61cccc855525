#pragma once
// Podpowiedzi (dymki) programu: każda zostaje na ekranie 60 sekund.

#include <QObject>
#include <QString>

namespace tks::ui {

inline constexpr int kCzasPodpowiedziMs = 60000;

// Filtr zdarzeń aplikacji pokazujący dymek kontrolki na 60 s.
class DlugiePodpowiedzi : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
};

// Instaluje filtr w aplikacji (raz).
void UstawDlugiePodpowiedzi();

// Tekst podpowiedzi z podziałem wierszy "\r\n" zapisany tak, jak pokazuje go Qt ("\n").
QString podpowiedz(const QString& tekst);

} // namespace tks::ui
