#include "TFrmWydrukMapki.h"

#include "common/Interakcja.h"
#include "reports/SilnikRaportu.h"
#include "reports/OknaRaportow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace tks::ui {

namespace {

QPrinterInfo drukarkaONazwie(const QString& nazwa)
{
    if (!nazwa.isEmpty()) {
        const QPrinterInfo i = QPrinterInfo::printerInfo(nazwa);
        if (!i.isNull())
            return i;
    }
    QPrinterInfo i = QPrinterInfo::defaultPrinter();
    if (i.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
        i = QPrinterInfo::availablePrinters().first();
    return i;
}

} // namespace

TFrmWydrukMapki::TFrmWydrukMapki(StronaMapy strona, Interakcja& interakcja, bool drukarkaJest,
                                 const QString& drukarka, const QString& nazwaPdf, QWidget* rodzic)
    : QDialog(rodzic), strona_(std::move(strona)), interakcja_(interakcja), drukarka_(drukarka), nazwaPdf_(nazwaPdf)
{
    setObjectName(QStringLiteral("FrmWydrukMapki"));
    setWindowTitle(kTytulOknaWydrukuMapki);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    auto* glowny = new QVBoxLayout(this);
    auto* pasek = new QHBoxLayout;
    const auto narzedzie = [this, pasek](const char* nazwa, const QString& tekst, const QString& podpowiedz) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(nazwa));
        b->setText(tekst);
        b->setToolTip(podpowiedz);
        b->setMinimumWidth(36);
        pasek->addWidget(b);
        return b;
    };
    SBFitioPage = narzedzie("SBFitioPage", QStringLiteral("Cała strona"), QStringLiteral("Pokaż całą stronę"));
    SBPowieksz = narzedzie("SBPowieksz", QStringLiteral("+"), QStringLiteral("Powieksz podgląd"));
    SBZmniejsz = narzedzie("SBZmniejsz", QStringLiteral("−"), QStringLiteral("Zmniejsz podgląd"));
    SBPowieksz->setShortcut(QKeySequence::ZoomIn);
    SBZmniejsz->setShortcut(QKeySequence::ZoomOut);
    pasek->addStretch();
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("&Drukuj"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtnPdf = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Zapisz &PDF"), this);
    BitBtnPdf->setObjectName(QStringLiteral("BitBtnPdf"));
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("&Zamknij"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton* b : {BitBtn2, BitBtnPdf, BitBtn1}) {
        b->setAutoDefault(false);
        pasek->addWidget(b);
    }
    if (!drukarkaJest) {
        BitBtn2->setEnabled(false);
        BitBtn2->setToolTip(QStringLiteral("Brak drukarki w systemie: stronę można zapisać do pliku PDF."));
    }
    glowny->addLayout(pasek);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setAlignment(Qt::AlignCenter);
    ScrollBox1->setBackgroundRole(QPalette::Dark);
    IMG1 = new QLabel;
    IMG1->setObjectName(QStringLiteral("IMG1"));
    IMG1->setScaledContents(true);
    ScrollBox1->setWidget(IMG1);
    glowny->addWidget(ScrollBox1, 1);

    connect(SBFitioPage, &QToolButton::clicked, this, &TFrmWydrukMapki::CalaStrona);
    connect(SBPowieksz, &QToolButton::clicked, this, &TFrmWydrukMapki::Powieksz);
    connect(SBZmniejsz, &QToolButton::clicked, this, &TFrmWydrukMapki::Zmniejsz);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmWydrukMapki::drukuj);
    connect(BitBtnPdf, &QPushButton::clicked, this, &TFrmWydrukMapki::ZapiszPdf);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    wyborPliku = [this](const QString& proponowana) {
        return wybierzPlikDoZapisu(this, proponowana, kFiltrPlikowPdf, QStringLiteral("pdf"));
    };

    RysujPodglad();
    // okno mieszczące się na ekranie
    QSize rozmiar(1000, 1000);
    if (const QScreen* e = screen())
        rozmiar = rozmiar.boundedTo(e->availableGeometry().size() - QSize(40, 60));
    resize(rozmiar);
}

void TFrmWydrukMapki::RysujPodglad()
{
    obraz_ = ObrazStronyMapy(strona_);
    IMG1->setPixmap(QPixmap::fromImage(obraz_));
    UstalRozmiarElementow();
}

void TFrmWydrukMapki::UstalRozmiarElementow()
{
    const QSize baza = obraz_.size();
    IMG1->resize(int(std::lround(baza.width() * double(zoom_) / kZoomPodgladu100)),
                 int(std::lround(baza.height() * double(zoom_) / kZoomPodgladu100)));
}

void TFrmWydrukMapki::CalaStrona()
{
    // cała strona w widocznym obszarze (bez pasków przewijania)
    const QSize okno = ScrollBox1->maximumViewportSize() - QSize(8, 8);
    const double z = std::min(double(okno.width()) / obraz_.width(), double(okno.height()) / obraz_.height());
    zoom_ = std::max(1, int(std::floor(z * kZoomPodgladu100)));
    UstalRozmiarElementow();
}

void TFrmWydrukMapki::Powieksz()
{
    zoom_ = PowiekszPodglad(zoom_);
    UstalRozmiarElementow();
}

void TFrmWydrukMapki::Zmniejsz()
{
    zoom_ = ZmniejszPodglad(zoom_);
    UstalRozmiarElementow();
}

void TFrmWydrukMapki::drukuj()
{
    const QPrinterInfo info = drukarkaONazwie(drukarka_);
    if (info.isNull()) {
        interakcja_.komunikat(kBrakDrukarekMapki, kTytulUwaga, Ikona::Informacja);
        return;
    }
    QPrinter drukarka(info, QPrinter::HighResolution);
    drukarka.setDocName(kTytulOknaWydrukuMapki);
    drukarka.setFullPage(true);
    QString blad;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = DrukujStroneMapy(drukarka, strona_, blad);
    QApplication::restoreOverrideCursor();
    if (!ok)
        interakcja_.komunikat(blad, kTytulBlad, Ikona::Blad);
}

void TFrmWydrukMapki::ZapiszPdf()
{
    const QString plik = wyborPliku ? wyborPliku(nazwaPdf_) : QString();
    if (plik.isEmpty())
        return;
    QString blad;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = ZapiszPdfMapy(plik, strona_, blad);
    QApplication::restoreOverrideCursor();
    if (!ok)
        interakcja_.komunikat(blad, kTytulBlad, Ikona::Blad);
}

} // namespace tks::ui
