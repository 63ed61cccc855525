#include "TFrmPreview.h"

#include "OknaRaportow.h"
#include "common/Ekran.h"
#include "common/Interakcja.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

namespace tks::ui {

// ---- pole powiększenia ----

PoleZoomu::PoleZoomu(QWidget* rodzic) : QSpinBox(rodzic)
{
    setRange(kZoomMin, kZoomMax);
    setSingleStep(kZoomKrok);
    setValue(100);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State PoleZoomu::validate(QString& tekst, int&) const
{
    const QString t = tekst.trimmed();
    if (t.isEmpty())
        return QValidator::Intermediate;
    for (QChar c : t)
        if (!c.isDigit())
            return QValidator::Invalid;
    if (t.size() > 6)
        return QValidator::Invalid;
    const int v = t.toInt();
    return v >= minimum() && v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void PoleZoomu::fixup(QString& tekst) const
{
    bool ok = false;
    const int v = tekst.trimmed().toInt(&ok);
    tekst = QString::number(ok ? std::clamp(v, minimum(), maximum()) : value());
}

// ---- okno ----

TFrmPreview::TFrmPreview(std::shared_ptr<const Raport> raport, Interakcja& interakcja, const QString& nazwaPdf,
                         QWidget* rodzic)
    : QMainWindow(rodzic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      raport_(std::move(raport)), interakcja_(interakcja), nazwaPdf_(nazwaPdf)
{
    setObjectName(QStringLiteral("FrmPreview"));
    setWindowTitle(kTytulPodgladuWydruku);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* pasek = addToolBar(QStringLiteral("Narzędzia"));
    pasek->setObjectName(QStringLiteral("ToolBar1"));
    pasek->setMovable(false);
    pasek->setFloatable(false);
    pasek->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    LabelRozmiar = new QLabel(QStringLiteral(" Rozmiar podgladu "));
    LabelRozmiar->setObjectName(QStringLiteral("LabelRozmiar"));
    LabelRozmiar->setToolTip(QStringLiteral("Dopasuj rozmiar %"));
    SpinEditZoom = new PoleZoomu;
    SpinEditZoom->setObjectName(QStringLiteral("SpinEditZoom"));
    SpinEditZoom->setToolTip(QStringLiteral("Dopasuj do rozmiaru"));
    pasek->addWidget(LabelRozmiar);
    pasek->addWidget(SpinEditZoom);
    pasek->addSeparator();

    const auto przycisk = [this, pasek](const char* nazwa, const QString& tekst, QStyle::StandardPixmap ikona,
                                        const QString& podpowiedz) {
        auto* b = new QToolButton;
        b->setObjectName(QString::fromLatin1(nazwa));
        if (ikona != QStyle::SP_CustomBase) {
            b->setIcon(style()->standardIcon(ikona));
            b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        } else {
            b->setText(tekst);
            b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
        b->setToolTip(podpowiedz);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::StrongFocus);   // pasek narzędzi osiągalny klawiszem Tab
        pasek->addWidget(b);
        return b;
    };
    const QStyle::StandardPixmap bez = QStyle::SP_CustomBase;
    SBPierwsza = przycisk("SBPierwsza", {}, QStyle::SP_MediaSkipBackward, QStringLiteral("Pierwsza strona"));
    SBPoprzednia = przycisk("SBPoprzednia", {}, QStyle::SP_MediaSeekBackward, QStringLiteral("Poprzednia strona"));
    SBNastepna = przycisk("SBNastepna", {}, QStyle::SP_MediaSeekForward, QStringLiteral("Nastepna strona"));
    SBOstatnia = przycisk("SBOstatnia", {}, QStyle::SP_MediaSkipForward, QStringLiteral("Ostatnia strona"));
    pasek->addSeparator();
    SBZoom100 = przycisk("SBZoom100", QStringLiteral("100 %"), bez, QStringLiteral("Powiekszenie 100"));
    SBCalaStrona = przycisk("SBCalaStrona", QStringLiteral("Cała strona"), bez, QStringLiteral("Pokaz cala strone"));
    pasek->addSeparator();
    SBUstawienieDrukarki =
        przycisk("SBUstawienieDrukarki", QStringLiteral("Drukarka..."), bez, QStringLiteral("Ustawienie drukarki"));
    SBDrukuj = przycisk("SBDrukuj", QStringLiteral("Drukuj"), bez, QStringLiteral("Drukuj"));
    SBZapiszPdf = przycisk("SBZapiszPdf", QStringLiteral("Zapisz PDF"), bez, QStringLiteral("Zapisz wydruk do pliku PDF"));
    pasek->addSeparator();
    SBWyjscie = przycisk("SBWyjscie", QStringLiteral("Wyjście"), bez, QStringLiteral("Wyjscie"));

    // widok strony: szare tło, strona z obramowaniem na środku
    Strona = new QLabel;
    Strona->setObjectName(QStringLiteral("QRPreview"));
    Strona->setFrameShape(QFrame::Box);
    Strona->setLineWidth(1);
    Strona->setAlignment(Qt::AlignCenter);
    ScrollBox = new QScrollArea;
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setWidget(Strona);
    ScrollBox->setAlignment(Qt::AlignCenter);
    ScrollBox->setBackgroundRole(QPalette::Dark);
    setCentralWidget(ScrollBox);

    PanelStanu = new QLabel;
    PanelStanu->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(PanelStanu, 1);
    statusBar()->setSizeGripEnabled(false);

    connect(SpinEditZoom, &QSpinBox::valueChanged, this, &TFrmPreview::ustawZoom);
    connect(SBPierwsza, &QToolButton::clicked, this, &TFrmPreview::PierwszaStrona);
    connect(SBPoprzednia, &QToolButton::clicked, this, &TFrmPreview::PoprzedniaStrona);
    connect(SBNastepna, &QToolButton::clicked, this, &TFrmPreview::NastepnaStrona);
    connect(SBOstatnia, &QToolButton::clicked, this, &TFrmPreview::OstatniaStrona);
    connect(SBZoom100, &QToolButton::clicked, this, &TFrmPreview::Powiekszenie100);
    connect(SBCalaStrona, &QToolButton::clicked, this, &TFrmPreview::CalaStrona);
    connect(SBUstawienieDrukarki, &QToolButton::clicked, this, &TFrmPreview::UstawienieDrukarki);
    connect(SBDrukuj, &QToolButton::clicked, this, &TFrmPreview::Drukuj);
    connect(SBZapiszPdf, &QToolButton::clicked, this, &TFrmPreview::ZapiszPdf);
    connect(SBWyjscie, &QToolButton::clicked, this, [this] {
        QCoreApplication::processEvents();
        close();
    });

    wyborPliku = [this](const QString& proponowana) {
        return wybierzPlikDoZapisu(this, proponowana, kFiltrPlikowPdf, QStringLiteral("pdf"));
    };

    // klawiatura: zamknięcie, druk, PDF, strony, powiększenie
    const auto skrot = [this](const QKeySequence& k, auto&& co) {
        auto* s = new QShortcut(k, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, co);
    };
    const auto zamknij = [this] { close(); };
    skrot(QKeySequence(Qt::Key_Escape), zamknij);
    skrot(QKeySequence(Qt::CTRL | Qt::Key_W), zamknij);
    skrot(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { Drukuj(); });
    skrot(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { ZapiszPdf(); });
    skrot(QKeySequence(Qt::Key_PageUp), [this] { PoprzedniaStrona(); });
    skrot(QKeySequence(Qt::Key_PageDown), [this] { NastepnaStrona(); });
    skrot(QKeySequence(Qt::Key_Home), [this] { PierwszaStrona(); });
    skrot(QKeySequence(Qt::Key_End), [this] { OstatniaStrona(); });
    for (const QKeySequence& k : {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        skrot(k, [this] { ustawZoom(zoom_ + kZoomKrok); });
    skrot(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { ustawZoom(zoom_ - kZoomKrok); });

    ustawRozmiarWEkranie(this, QSize(1000, 800));
    pokazStrone();
    PanelStanu->setText(tekstStrony(strona_, liczbaStron()));
}

void TFrmPreview::pokaz()
{
    // bez menedżera okien maksymalizacji nie ma komu wykonać: cały ekran z góry
    if (QScreen* e = screen())
        setGeometry(e->availableGeometry());
    showMaximized();
}

int TFrmPreview::liczbaStron() const { return raport_->liczbaStron(); }

double TFrmPreview::dpiEkranu() const { return std::max(48, logicalDpiX()); }

void TFrmPreview::pokazStrone()
{
    // na ekranach o gęstszych pikselach strona w pełnej rozdzielczości
    const qreal dpr = std::max<qreal>(1.0, devicePixelRatioF());
    obraz_ = raport_->obrazStrony(strona_, dpiEkranu() * zoom_ / 100.0 * dpr);
    obraz_.setDevicePixelRatio(dpr);
    Strona->setPixmap(QPixmap::fromImage(obraz_));
    Strona->resize(obraz_.deviceIndependentSize().toSize() + QSize(2, 2));
}

void TFrmPreview::idzDoStrony(int n)
{
    QCoreApplication::processEvents();
    n = std::clamp(n, 1, liczbaStron());
    if (n != strona_) {
        strona_ = n;
        pokazStrone();
        ScrollBox->verticalScrollBar()->setValue(0);
    }
    PanelStanu->setText(tekstStrony(strona_, liczbaStron()));
}

void TFrmPreview::PierwszaStrona() { idzDoStrony(1); }
void TFrmPreview::PoprzedniaStrona() { idzDoStrony(strona_ - 1); }
void TFrmPreview::NastepnaStrona() { idzDoStrony(strona_ + 1); }
void TFrmPreview::OstatniaStrona() { idzDoStrony(liczbaStron()); }

void TFrmPreview::ustawZoom(int procent)
{
    procent = std::clamp(procent, kZoomMin, kZoomMax);
    if (SpinEditZoom->value() != procent) {
        SpinEditZoom->setValue(procent);   // wraca tu przez valueChanged
        return;
    }
    if (procent == zoom_)
        return;
    zoom_ = procent;
    pokazStrone();
}

void TFrmPreview::Powiekszenie100()
{
    QCoreApplication::processEvents();
    ustawZoom(100);
}

void TFrmPreview::CalaStrona()
{
    QCoreApplication::processEvents();
    const QSizeF mm = raport_->rozmiarStrony();
    const double px = dpiEkranu() / 25.4;
    // obszar bez pasków przewijania: przy całej stronie nie są potrzebne
    const QSize okno = ScrollBox->maximumViewportSize() - QSize(8, 8);
    ustawZoom(zoomCalejStrony(QSizeF(mm.width() * px, mm.height() * px), QSizeF(okno)));
}

void TFrmPreview::UstawienieDrukarki()
{
    QCoreApplication::processEvents();
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        interakcja_.komunikat(kBrakDrukarki, kTytulUwaga, Ikona::Ostrzezenie);
        return;
    }
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setDocName(raport_->tytulDokumentu);
    QPrintDialog okno(&drukarka, this);
    if (okno.exec() != QDialog::Accepted)
        return;
    QString blad;
    if (!raport_->drukuj(drukarka, blad))
        interakcja_.komunikat(blad, kTytulBlad, Ikona::Blad);
}

void TFrmPreview::Drukuj()
{
    QCoreApplication::processEvents();
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        interakcja_.komunikat(kBrakDrukarki, kTytulUwaga, Ikona::Ostrzezenie);
        return;
    }
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        info = QPrinterInfo::availablePrinters().first();
    QPrinter drukarka(info, QPrinter::HighResolution);
    drukarka.setDocName(raport_->tytulDokumentu);
    QString blad;
    if (!raport_->drukuj(drukarka, blad))
        interakcja_.komunikat(blad, kTytulBlad, Ikona::Blad);
}

void TFrmPreview::ZapiszPdf()
{
    QCoreApplication::processEvents();
    const QString plik = wyborPliku ? wyborPliku(nazwaPdf_) : QString();
    if (plik.isEmpty())
        return;
    QString blad;
    if (!raport_->zapiszPdf(plik, blad))
        interakcja_.komunikat(blad, kTytulBlad, Ikona::Blad);
}

} // namespace tks::ui
