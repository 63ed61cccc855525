#include "OknaMapy.h"

#include "TFrmKolory.h"
#include "TFrmWydrukMapki.h"
#include "app/ObszarMapy.h"
#include "app/TFrmDroga.h"
#include "map/KonfiguracjaKolorow.h"
#include "map/WydrukMapki.h"
#include "reports/SilnikRaportu.h"

#include <QApplication>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace tks::ui {

namespace {

QString& drukarkaProgramu()
{
    static QString nazwa;
    return nazwa;
}

bool saDrukarki() { return !QPrinterInfo::availablePrinters().isEmpty(); }

} // namespace

QString wybranaDrukarka() { return drukarkaProgramu(); }

void PokazKolory(TFrmDroga& w)
{
    Droga& d = w.droga();
    {
        TFrmKolory okno(d, [&w] { w.odswiezMape(); }, &w);
        okno.exec();
    }
    WczytajKoloryPoOknie(d);
    w.odswiezMape();
}

void WybierzDrukarke(TFrmDroga& w)
{
    Droga& d = w.droga();
    if (!saDrukarki()) {
        d.interakcja.komunikat(kBrakDrukarekMapki, kTytulUwaga, Ikona::Informacja);
        return;
    }
    QPrinter drukarka(QPrinter::HighResolution);
    if (!drukarkaProgramu().isEmpty())
        drukarka.setPrinterName(drukarkaProgramu());
    QPrintDialog okno(&drukarka, &w);
    okno.setWindowTitle(QStringLiteral("Drukarka"));
    if (okno.exec() == QDialog::Accepted)
        drukarkaProgramu() = drukarka.printerName();
}

void PokazWydrukMapki(TFrmDroga& w, int rodzaj)
{
    Droga& d = w.droga();
    const bool drukarkaJest = saDrukarki();
    // bez drukarki strona i tak powstaje: można ją zapisać do PDF
    if (!drukarkaJest)
        d.interakcja.komunikat(kBrakDrukarekMapki, kTytulUwaga, Ikona::Informacja);
    int ppi = kPpiPdf;
    if (drukarkaJest) {
        QPrinterInfo info = QPrinterInfo::printerInfo(drukarkaProgramu());
        if (info.isNull())
            info = QPrinterInfo::defaultPrinter();
        if (!info.isNull())
            ppi = QPrinter(info, QPrinter::HighResolution).resolution();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StronaMapy strona = WydrukMapki(d, rodzaj, ppi);
    QApplication::restoreOverrideCursor();
    {
        TFrmWydrukMapki okno(std::move(strona), d.interakcja, drukarkaJest, drukarkaProgramu(),
                             QDir(d.katalogProgramu).filePath(NazwaPlikuMapki(d)), &w);
        okno.exec();
    }
    // trasa przeliczona na poziomie odcinków: panel i mapa od nowa
    w.pokazNaglowek();
    w.odswiezMape();
}

} // namespace tks::ui
