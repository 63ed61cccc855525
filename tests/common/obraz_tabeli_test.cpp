// Liczby w obrazie tabeli i w pliku tabeli JSON: sprawdzane, zanim cokolwiek
// zostanie zarezerwowane albo dołożone.

#include "common/Bajty.h"
#include "common/ObrazTabeli.h"
#include "common/Tabela.h"

#include <QJsonArray>
#include <gtest/gtest.h>

using namespace tks;

namespace {

// Obraz tabeli złożony ręcznie: kolumny (typ, wyliczana) i zadeklarowana liczba
// wierszy, za nią `ogon` bajtów wierszy.
QByteArray obraz(const std::vector<std::pair<TypPola, bool>>& kolumny, std::int32_t wiersze, const QByteArray& ogon = {})
{
    QByteArray b;
    PisarzBajtow w(b);
    w.piszBajty("TKTB", 4);
    w.pisz<std::uint32_t>(0);
    w.pisz<std::uint8_t>(1);
    w.pisz<std::uint32_t>(1);
    w.piszBajty("T", 1);
    w.pisz<std::uint16_t>(std::uint16_t(kolumny.size()));
    int i = 0;
    for (const auto& [typ, wyliczana] : kolumny) {
        w.pisz<std::uint8_t>(std::uint8_t(typ));
        w.pisz<std::int32_t>(0);
        w.pisz<std::uint8_t>(wyliczana ? 1 : 0);
        const QByteArray nazwa = "K" + QByteArray::number(++i);
        w.pisz<std::uint32_t>(std::uint32_t(nazwa.size()));
        w.piszBajty(nazwa.constData(), nazwa.size());
    }
    w.pisz<std::int32_t>(wiersze);
    b.append(ogon);
    const auto n = std::uint32_t(b.size());
    std::memcpy(b.data() + 4, &n, 4);
    return b;
}

std::optional<Tabela> czytaj(const QByteArray& b, QString& blad)
{
    qsizetype zuzyte = 0;
    return Tabela::zObrazu(b.constData(), b.size(), zuzyte, blad);
}

} // namespace

TEST(ObrazTabeli, WierszeBezBajtowSaOdrzucane)
{
    QString blad;
    // bez kolumn: każdy wiersz miałby zero bajtów, 2^31 - 1 wierszy w 19 bajtach
    const QByteArray maly = obraz({}, 0x7fffffff);
    EXPECT_FALSE(czytaj(maly, blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("liczba wierszy"))) << blad.toStdString();
    EXPECT_FALSE(czytaj(obraz({}, 20000000), blad));
    // same kolumny wyliczane (nie zapisywane) - to samo
    EXPECT_FALSE(czytaj(obraz({{TypPola::Calkowita, true}, {TypPola::Tekst, true}}, 20000000), blad));
    // tabela bez wierszy jest w porządku, także bez kolumn
    const auto pusta = czytaj(obraz({}, 0), blad);
    ASSERT_TRUE(pusta) << blad.toStdString();
    EXPECT_EQ(pusta->liczbaWierszy(), 0);
    EXPECT_FALSE(czytaj(obraz({}, -1), blad));
}

TEST(ObrazTabeli, LiczbaWierszyOgraniczonaBajtamiZapisywanychKolumn)
{
    QString blad;
    // dwie zapisywane kolumny i jedna wyliczana: wiersz ma co najmniej 2 bajty
    const std::vector<std::pair<TypPola, bool>> kol = {
        {TypPola::Calkowita, false}, {TypPola::Rzeczywista, true}, {TypPola::Logiczna, false}};
    const QByteArray trzyNulle(6, '\0');
    const auto dobra = czytaj(obraz(kol, 3, trzyNulle), blad);
    ASSERT_TRUE(dobra) << blad.toStdString();
    EXPECT_EQ(dobra->liczbaWierszy(), 3);
    EXPECT_FALSE(dobra->wartosc(2, 0).isValid());
    // 4 wiersze zadeklarowane w 6 bajtach: odrzucone przed czytaniem wierszy
    EXPECT_FALSE(czytaj(obraz(kol, 4, trzyNulle), blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("liczba wierszy"))) << blad.toStdString();
    EXPECT_FALSE(czytaj(obraz(kol, 0x7fffffff, trzyNulle), blad));
}

TEST(ObrazTabeli, KolumnyCzytaneBezWierszy)
{
    QString blad;
    // wiersze uszkodzone i jest ich za dużo: kolumny i tak dostępne, nic nie rezerwowane
    const QByteArray b = obraz({{TypPola::Calkowita, false}, {TypPola::Tekst, true}}, 0x7fffffff, QByteArray(5, '\x07'));
    const auto kolumny = kolumnyObrazuTabeli(b.constData(), b.size(), blad);
    ASSERT_TRUE(kolumny) << blad.toStdString();
    ASSERT_EQ(kolumny->size(), 2);
    EXPECT_EQ((*kolumny)[0].nazwa, QStringLiteral("K1"));
    EXPECT_EQ((*kolumny)[0].typ, TypPola::Calkowita);
    EXPECT_TRUE((*kolumny)[1].wyliczana);
    // uszkodzony nagłówek: opis jak przy odczycie całego obrazu
    for (qsizetype n : {qsizetype(0), qsizetype(6), b.size() - 10}) {
        QByteArray ucinek = b.left(n);
        EXPECT_FALSE(kolumnyObrazuTabeli(ucinek.constData(), ucinek.size(), blad)) << n;
        EXPECT_FALSE(blad.isEmpty());
    }
}

TEST(ObrazTabeli, JsonBezKolumnNieMaWierszy)
{
    const auto json = [](int wiersze) {
        QJsonArray w;
        for (int i = 0; i < wiersze; ++i)
            w.append(QJsonArray());
        return QJsonObject{{QStringLiteral("format"), QStringLiteral("taksatura-tabela")},
                           {QStringLiteral("wersja"), 1},
                           {QStringLiteral("tabela"), QStringLiteral("Trasa")},
                           {QStringLiteral("kolumny"), QJsonArray()},
                           {QStringLiteral("wiersze"), w}};
    };
    QString blad;
    EXPECT_TRUE(Tabela::zJson(json(0), blad)) << blad.toStdString();
    EXPECT_FALSE(Tabela::zJson(json(3), blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("bez kolumn"))) << blad.toStdString();
}
