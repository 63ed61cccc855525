#include "PlikiPociagu.h"

#include "common/ZapisAtomowy.h"

#include "TabelePociagu.h"
#include "app/Droga.h"
#include "routing/Trasa.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

namespace tks {

QString katalogPociagow(const Droga& d) { return d.katalogProgramu + QStringLiteral("Pociagi/"); }

QString plikTabeliPociagu(const Droga& d, const QString& tabela, int id)
{
    return katalogPociagow(d) + tabela + QLatin1Char('_') + QString::number(id) + QStringLiteral(".cds");
}

QString plikListyPociagow(const Droga& d)
{
    return d.plikListyPociagow.isEmpty() ? katalogPociagow(d) + QStringLiteral("ListaPociagow.cds")
                                         : d.plikListyPociagow;
}

const QStringList& nazwyTabelPociagu()
{
    static const QStringList n = {QStringLiteral("GlowneStacje"), QStringLiteral("OdcinkiZabronione"),
                                  QStringLiteral("StacjeZabronione"), QStringLiteral("Kalendarz"),
                                  QStringLiteral("Trasa"), QStringLiteral("Naglowek"),
                                  QStringLiteral("PociagStacje")};
    return n;
}

Tabela wzorTabeliPociagu(const QString& nazwa)
{
    if (nazwa == QLatin1String("Naglowek")) return nowaTabelaNaglowka();
    if (nazwa == QLatin1String("PociagStacje")) return nowaTabelaPociagStacje();
    if (nazwa == QLatin1String("GlowneStacje")) return nowaTabelaGlowneStacje();
    if (nazwa == QLatin1String("OdcinkiZabronione")) return nowaTabelaOdcinkiZabronione();
    if (nazwa == QLatin1String("StacjeZabronione")) return nowaTabelaStacjeZabronione();
    if (nazwa == QLatin1String("Kalendarz")) return nowaTabelaKalendarz();
    if (nazwa == QLatin1String("Trasa")) return nowaTabelaTrasa();
    return nowaTabelaListaPociagow();
}

std::optional<Tabela> wczytajTabele(const QString& sciezka, const Tabela& wzor, QString& blad)
{
    QString b;
    const auto t = Tabela::wczytajZPliku(sciezka, b);
    if (!t) {
        blad = b;
        return std::nullopt;
    }
    auto w = dopasujDoWzoru(*t, wzor, b);
    if (!w)
        blad = QStringLiteral("Plik \"%1\" jest uszkodzony: %2.").arg(QDir::toNativeSeparators(sciezka), b);
    return w;
}

bool zapiszTabele(const Tabela& t, const QString& sciezka, QString& blad)
{
    const QString folder = QFileInfo(sciezka).absolutePath();
    if (!QDir().mkpath(folder)) {
        blad = QStringLiteral("Nie można zapisać pliku \"%1\": nie można utworzyć folderu \"%2\".")
                   .arg(QDir::toNativeSeparators(sciezka), QDir::toNativeSeparators(folder));
        return false;
    }
    return zapiszAtomowo(sciezka, QJsonDocument(t.doJson()).toJson(QJsonDocument::Indented), blad);
}

bool zapiszTabeleRazem(const Droga& d, int id, std::initializer_list<std::pair<const char*, const Tabela*>> tabele,
                       QString& blad)
{
    std::vector<std::pair<QString, QByteArray>> pliki;
    for (const auto& [nazwa, t] : tabele)
        pliki.emplace_back(plikTabeliPociagu(d, QString::fromLatin1(nazwa), id),
                           QJsonDocument(t->doJson()).toJson(QJsonDocument::Indented));
    const QString folder = katalogPociagow(d);
    if (!pliki.empty() && !QDir().mkpath(folder)) {
        blad = QStringLiteral("Nie można zapisać pliku \"%1\": nie można utworzyć folderu \"%2\".")
                   .arg(QDir::toNativeSeparators(pliki.front().first), QDir::toNativeSeparators(folder));
        return false;
    }
    return zapiszAtomowoRazem(pliki, blad);
}

bool pociagIstnieje(const Droga& d, int id)
{
    return QFileInfo(plikTabeliPociagu(d, QStringLiteral("Naglowek"), id)).isFile();
}

std::optional<TabeleZPlikow> wczytajPlikiPociagu(const Droga& d, int id, QString& blad)
{
    TabeleZPlikow w;
    const std::pair<const char*, Tabela*> tabele[] = {
        {"Naglowek", &w.Naglowek},         {"PociagStacje", &w.PociagStacje},
        {"GlowneStacje", &w.GlowneStacje}, {"OdcinkiZabronione", &w.OdcinkiZabronione},
        {"StacjeZabronione", &w.StacjeZabronione}, {"Kalendarz", &w.Kalendarz},
        {"Trasa", &w.Trasa},
    };
    // zapis przerwany zabiciem programu: dokończony, zanim cokolwiek zostanie przeczytane
    QStringList pliki;
    for (const auto& [nazwa, t] : tabele)
        pliki.append(plikTabeliPociagu(d, QString::fromLatin1(nazwa), id));
    dokonczPrzerwanyZapis(pliki);
    usunPozostalosciZapisu(plikListyPociagow(d));
    for (const auto& [nazwa, t] : tabele) {
        const QString n = QString::fromLatin1(nazwa);
        const QString plik = plikTabeliPociagu(d, n, id);
        const Tabela wzor = wzorTabeliPociagu(n);
        if (n == QLatin1String("Trasa") && !QFileInfo::exists(plik)) {
            *t = wzor;
            continue;
        }
        auto wczytana = wczytajTabele(plik, wzor, blad);
        if (!wczytana)
            return std::nullopt;
        *t = std::move(*wczytana);
    }
    // Punkty trasy: rodzaj i numer grupy sterują odtworzeniem trasy, więc wartości
    // spoza zakresu (ręcznie poprawiony plik) to plik uszkodzony.
    const Tabela& g = w.GlowneStacje;
    const auto uszkodzony = [&](const QString& opis) {
        blad = QStringLiteral("Plik \"%1\" jest uszkodzony: %2.").arg(plikTabeliPociagu(d, QStringLiteral("GlowneStacje"), id), opis);
        return std::nullopt;
    };
    if (g.liczbaWierszy() > kMaxPunktowTrasy)
        return uszkodzony(QStringLiteral("%1 punktów trasy (najwyżej %2)").arg(g.liczbaWierszy()).arg(kMaxPunktowTrasy));
    for (int r = 0; r < g.liczbaWierszy(); ++r) {
        const QVariant rodzaj = g.wartosc(r, QStringLiteral("Rodzaj"));
        if (rodzaj.isValid() && (rodzaj.toInt() < kPunktPoczatkowy || rodzaj.toInt() > kPunktKoncowy))
            return uszkodzony(QStringLiteral("wiersz %1: Rodzaj = %2 (dozwolone 1, 2, 3)").arg(r + 1).arg(rodzaj.toInt()));
        const QVariant grupa = g.wartosc(r, QStringLiteral("NrGrupy"));
        if (grupa.isValid() && (grupa.toInt() < 0 || grupa.toInt() > kMaxPunktowTrasy))
            return uszkodzony(QStringLiteral("wiersz %1: NrGrupy = %2 (dozwolone 0..%3)").arg(r + 1).arg(grupa.toInt()).arg(kMaxPunktowTrasy));
    }
    return w;
}

std::optional<Tabela> wczytajListePociagow(const Droga& d, QString& blad)
{
    const QString plik = plikListyPociagow(d);
    usunPozostalosciZapisu(plik);
    if (!QFileInfo::exists(plik))
        return nowaTabelaListaPociagow();
    return wczytajTabele(plik, nowaTabelaListaPociagow(), blad);
}

} // namespace tks
