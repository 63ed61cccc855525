#pragma once
// Teksty wersji programu pokazywane w oknach.

#include <QString>

namespace tks::ui {

inline const QString kWersja = QStringLiteral("wersja 4.0");

} // namespace tks::ui
