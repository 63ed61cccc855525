// Polecenie calendar przez prawdziwy program taksatura-cli i plik sieci przykładowej.

#include "wspolne/DrukQt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Wynik {
    int kod = -1;
    QByteArray wyjscie;
    QString bledy;
    QJsonObject json() const { return QJsonDocument::fromJson(wyjscie).object(); }
};

Wynik kalendarz(const QByteArray& wejscie, const QString& siec = QStringLiteral(TKS_RUN_DIR "/FDane.bin"))
{
    QProcess p;
    p.start(QStringLiteral(TKS_CLI), {QStringLiteral("calendar"), QStringLiteral("--network"), siec});
    EXPECT_TRUE(p.waitForStarted());
    p.write(wejscie);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

TEST(PolecenieCalendar, DwaZakresyIDzienDodatkowy)
{
    const Wynik w = kalendarz(R"({"ranges":[
        {"od":"2017-12-10","do":"2018-03-31","d":[1,1,1,1,1,0,0,0]},
        {"od":"2018-04-01","do":"2018-12-08","d":[0,0,0,0,0,1,1,1]}],
        "marks":{"2017-12-27":0,"2018-05-02":1}})");
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QJsonObject o = w.json();
    // święta z pliku sieci: 25 i 26 grudnia oraz 1 stycznia wypadają w dni robocze
    EXPECT_EQ(o.value(QStringLiteral("Kursuje")).toString(),
              QStringLiteral("Od 10-12-17 do 31-03-18  kursuje w (D), oprócz 27-12-17\r\n"
                             "Od 01-04-18 do 08-12-18  kursuje w (C)\r\n"
                             "dodatkowo kursuje 02-05-18"));
    EXPECT_EQ(o.value(QStringLiteral("LDniKurs")).toInt(), (80 - 3 - 1) + 79 + 1);
    const QJsonArray opisy = o.value(QStringLiteral("opisy")).toArray();
    ASSERT_EQ(opisy.size(), 2);
    EXPECT_EQ(opisy[1].toString(), QStringLiteral("Od 01-04-18 do 08-12-18  kursuje w (C)\r\n"));
}

TEST(PolecenieCalendar, DaneJakPrzyWczytaniuPociagu)
{
    // zakres sięgający przed okres jest przycinany, oznaczenia spoza okresu pomijane;
    // reguła świąt spoza 0..2 w drugim zakresie: zakres nie kursuje
    const Wynik w = kalendarz(R"({"ranges":[
        {"od":"2017-01-01","do":"2018-06-30","d":[1,1,1,1,1,1,1,2]},
        {"od":"2018-07-01","do":"2019-01-31","d":[1,1,1,1,1,1,1,7]}],
        "marks":{"2017-12-09":1,"2018-12-09":1}})");
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QJsonObject o = w.json();
    const QJsonArray z = o.value(QStringLiteral("zakresy")).toArray();
    ASSERT_EQ(z.size(), 2);
    EXPECT_EQ(z[0].toObject().value(QStringLiteral("od")).toString(), QStringLiteral("2017-12-10"));
    EXPECT_EQ(z[1].toObject().value(QStringLiteral("do")).toString(), QStringLiteral("2018-12-08"));
    EXPECT_EQ(z[1].toObject().value(QStringLiteral("d")).toArray()[7].toInt(), 7);
    EXPECT_EQ(o.value(QStringLiteral("Kursuje")).toString(), QStringLiteral("Od 10-12-17 do 30-06-18  kursuje codziennie\r\n"));
    EXPECT_EQ(o.value(QStringLiteral("LDniKurs")).toInt(), 203);

    const Wynik pusty = kalendarz("{}");
    ASSERT_EQ(pusty.kod, 0);
    EXPECT_EQ(pusty.json().value(QStringLiteral("Kursuje")).toString(), QStringLiteral("Nie kursuje"));
    EXPECT_EQ(pusty.json().value(QStringLiteral("LDniKurs")).toInt(), 0);
}

TEST(PolecenieCalendar, ZleDaneToKod2IJednaLinia)
{
    const QByteArray zle[] = {
        R"({"ranges":[{"od":"2017-12-10","do":"2018-12-08","d":[1,1,1,1,1,0,0,2]})",   // urwany JSON
        R"([1,2,3])",
        R"({"ranges":[{"od":"2018-02-30","do":"2018-12-08","d":[1,1,1,1,1,0,0,2]}]})",
        R"({"ranges":[{"od":"10-12-2017","do":"2018-12-08","d":[1,1,1,1,1,0,0,2]}]})",
        R"({"ranges":[{"od":"2017-12-10","do":"2018-12-08","d":[1,1,3,1,1,0,0,2]}]})",
        R"({"ranges":[{"od":"2017-12-10","do":"2018-12-08","d":[1,1,1,1,1,0,0]}]})",
        R"({"ranges":[{"od":"2017-12-10","do":"2018-12-08","d":[1,1,1,1,1,0,0,256]}]})",
        R"({"marks":{"2018-05-01":2}})",
        R"({"marks":{"jutro":1}})",
        R"({"zakresy":[]})",
        R"({"ranges":[{"od":"2018-06-01","do":"2018-01-01","d":[1,1,1,1,1,1,1,2]}]})",   // od po do
        R"({"ranges":[{"od":"2017-12-10","do":"2018-03-01","d":[1,1,1,1,1,0,0,2]},)"
        R"({"od":"2018-03-01","do":"2018-12-08","d":[1,1,1,1,1,1,1,2]}]})",              // wspólny dzień
    };
    for (const QByteArray& dane : zle) {
        SCOPED_TRACE(dane.toStdString());
        const Wynik w = kalendarz(dane);
        EXPECT_EQ(w.kod, 2);
        EXPECT_TRUE(w.wyjscie.isEmpty());
        EXPECT_EQ(w.bledy.count(QLatin1Char('\n')), 1);
        EXPECT_GT(w.bledy.size(), 20);
    }
    const Wynik bezSieci = kalendarz("{}", QStringLiteral(TKS_RUN_DIR "/brak/FDane.bin"));
    EXPECT_EQ(bezSieci.kod, 2);
}

TEST(PolecenieCalendar, DatySpozaLat1900Do2100ToBladZDataJakPodana)
{
    const auto zakres = [](const char* od, const char* doDnia) {
        return QByteArray(R"({"ranges":[{"od":")") + od + R"(","do":")" + doDnia + R"(","d":[1,1,1,1,1,1,1,2]}]})";
    };
    struct Przypadek {
        QByteArray dane;
        QString wKomunikacie;
    };
    const Przypadek zle[] = {
        {zakres("-2001-01-01", "2018-12-08"), QStringLiteral("\"-2001-01-01\"")},
        {zakres("2017-12-10", "-2001-12-08"), QStringLiteral("\"-2001-12-08\"")},
        {zakres("1899-12-31", "2018-12-08"), QStringLiteral("\"1899-12-31\"")},
        {zakres("2017-12-10", "2101-01-01"), QStringLiteral("\"2101-01-01\"")},
        {R"({"marks":{"-0001-05-01":1}})", QStringLiteral("\"-0001-05-01\"")},
        {R"({"marks":{"9999-05-01":1}})", QStringLiteral("\"9999-05-01\"")},
    };
    for (const Przypadek& p : zle) {
        SCOPED_TRACE(p.dane.toStdString());
        const Wynik w = kalendarz(p.dane);
        EXPECT_EQ(w.kod, 2);
        EXPECT_TRUE(w.bledy.contains(p.wKomunikacie)) << w.bledy.toStdString();
        EXPECT_TRUE(w.bledy.contains(QStringLiteral("1900"))) << w.bledy.toStdString();
    }
    // skrajne lata są przyjmowane
    EXPECT_EQ(kalendarz(zakres("1900-01-01", "2100-12-31")).kod, 0);
}

} // namespace
