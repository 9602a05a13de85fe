// The row of tabs under a chart or a panel that switches what it shows ("Charakterystyka",
// "Rozkład błędów", ...): tabs on the south side, only as wide as their texts.
#pragma once

#include <QStringList>

class QTabBar;
class QWidget;

QTabBar* ZestawZakladek(const QString& nazwa, const QStringList& zakladki, QWidget* rodzic);
