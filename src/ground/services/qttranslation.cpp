// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QThread>

QtTranslation::QtTranslation(std::function<bool()> german) : german_(std::move(german))
{
    // Without Qt's translations installed, Qt's English shows.
    if (qtGerman_.load(QLocale(QLocale::German), QStringLiteral("qt"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(this);
}

QString QtTranslation::translate(const char *context, const char *sourceText,
                                 const char *disambiguation, int n) const
{
    // Qt's dialogs live on the program's own thread, and the language is
    // read there alone.
    if (QThread::currentThread() != QCoreApplication::instance()->thread() || !german_())
        return {};
    return qtGerman_.translate(context, sourceText, disambiguation, n);
}

bool QtTranslation::isEmpty() const
{
    return qtGerman_.isEmpty();
}
