#include "OknaRaportow.h"

#include "TFrmPodgladTrasa.h"
#include "TFrmPreview.h"
#include "app/Droga.h"
#include "reports/PodgladTrasy.h"
#include "reports/WydrukTrasy.h"
#include "routing/Przeliczanie.h"

#include <QDir>
#include <QFileDialog>

namespace tks::ui {

void PokazPodgladTrasy(Droga& d, int poziom, QWidget* rodzic)
{
    const QStringList ukryte = WyznaczTrase(d, poziom);
    TFrmPodgladTrasa okno(d, rodzic);
    okno.pokaz(poziom, ukryte);
}

TFrmPreview* PokazWydrukTrasy(Droga& d, int poziom, QWidget* rodzic)
{
    WyznaczTrase(d, poziom);
    auto raport = std::make_shared<const Raport>(RaportTrasy(PrzygotujWydruk(d, poziom)));
    const QString pdf = QDir(d.katalogProgramu).filePath(proponowanaNazwaPliku(numerPociagu(d.pociag), QStringLiteral(".pdf")));
    auto* okno = new TFrmPreview(std::move(raport), d.interakcja, pdf, rodzic);
    okno->pokaz();
    return okno;
}

QString wybierzPlikDoZapisu(QWidget* rodzic, const QString& proponowana, const QString& filtr,
                            const QString& rozszerzenie)
{
    // filtr "Opis|*.roz" -> "Opis (*.roz)"
    const QStringList czesci = filtr.split(QLatin1Char('|'));
    const QString filtrQt =
        czesci.size() == 2 ? czesci[0] + QStringLiteral(" (") + czesci[1] + QLatin1Char(')') : filtr;
    QFileDialog okno(rodzic, QString(), QFileInfo(proponowana).absolutePath(), filtrQt);
    okno.setAcceptMode(QFileDialog::AcceptSave);
    okno.setFileMode(QFileDialog::AnyFile);
    okno.setDefaultSuffix(rozszerzenie);
    okno.selectFile(QFileInfo(proponowana).fileName());
    if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty())
        return {};
    return okno.selectedFiles().first();
}

} // namespace tks::ui
