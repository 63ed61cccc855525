#pragma once
// Polecenia taksatura-cli. Każde dostaje argumenty po nazwie polecenia i zwraca
// kod wyjścia; błędy zgłasza wyjątkami BladUzycia / BladOperacji.

#include <QStringList>

namespace tks::cli {

int polecenieBuildNetwork(const QStringList& argumenty);
int polecenieDumpNetwork(const QStringList& argumenty);
int polecenieGeo2Map(const QStringList& argumenty);
int polecenieRoute(const QStringList& argumenty);
int polecenieSearchBatch(const QStringList& argumenty);

} // namespace tks::cli
