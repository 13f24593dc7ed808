// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtstrings.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTranslator>

namespace duset {

namespace {

// Qt puts a category's name before each of its messages, so every line
// names the program and the part of it that speaks.
Q_LOGGING_CATEGORY(lcResources, "duset.resources")

} // namespace

void installQtStrings()
{
    static QTranslator *installed = nullptr;
    if (installed)
        return;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/duset_qt_th.qm"))) {
        // The file is built into the program, so this is a broken build; the
        // program still works, only Qt's own texts stay English.
        qCWarning(lcResources, "Qt's Thai texts are missing from the program");
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
}

} // namespace duset
